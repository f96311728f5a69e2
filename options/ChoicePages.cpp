#include "options/ChoicePages.h"

#include "engine/settings/SettingsTable.h"
#include "engine/start/AppFolders.h"
#include "gui/services/Services.h"
#include "gui/AppContext.h"
#include "gui/jobs/WhenJobsIdle.h"
#include "language/LangText.h"
#include "language/WindowTexts.h"
#include "options/FileChoiceList.h"
#include "options/MainWindowLink.h"
#include "platform/fs/FindNoCase.h"
#include "platform/ini/ProfileIni.h"
#include "platform/prompter/Prompter.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace {
// The file chosen last, as the store holds it now.
std::string StoredChoice(SettingId setting)
{
    return PlaceOf(setting).stored().text();
}
} // namespace

LanguagePage::LanguagePage(AppContext& app, std::shared_ptr<MainWindowLink> mainWindow, QWidget* parent)
    : OptionPage("fraLanguage", parent), app_(app), main_(std::move(mainWindow))
{
    languageList_ = MakeControl<FileChoiceList>(this, "lstLang");
    (new QVBoxLayout(this))->addWidget(languageList_);
    listLanguages();
    connect(languageList_, &FileChoiceList::chosen, this, [this](const QString& file) {
        Guarded(app_.services.prompter, "lstLang_Click", [&] { chooseLanguage(file); });
    });
}

void LanguagePage::listLanguages()
{
    std::vector<std::pair<QString, QString>> items;
    const std::string& folder = app_.folders.LangPath;
    for (const std::string& file : ListFilesNoCase(folder, "CorD_", ".lng")) {
        // A file without a name of its own is listed under its file name.
        std::string name = ProfileGetItem("Text", "0", "", folder + file);
        items.emplace_back(QString::fromStdString(name.empty() ? file : name), QString::fromStdString(file));
    }
    languageList_->fill(items, StoredChoice(SettingId::Language));
}

void LanguagePage::chooseLanguage(const QString& file)
{
    AppContext& app = app_;
    app.settings.Language = file.toStdString();
    WriteSetting(SettingId::Language, app.settings);
    WhenJobsIdle(app.jobs, [&app, main = main_, file = file.toStdString()] {
        // Loaded aside first: a file that cannot be read leaves every text as it is.
        LangText texts = app.texts;
        const LanguageLoad result = LoadLanguage(app.services.prompter, texts, app.folders.LangPath, file);
        if (result != LanguageLoad::Loaded) {
            app.services.prompter.message(LanguageFileProblem(file, result) + " The texts stay as they are.",
                                          "CorvaneDisk", MsgIcon::Exclamation);
            return;
        }
        app.texts = std::move(texts);
        app.windowTexts.relabelLoadedWindows();
        main->refreshLanguageCombos();
    });
}

SkinsPage::SkinsPage(AppContext& app, std::shared_ptr<MainWindowLink> mainWindow, QWidget* parent)
    : OptionPage("fraSkins", parent), app_(app), main_(std::move(mainWindow))
{
    auto* randomSkin = SettingToggle(app.services.prompter, this, "chkRandomSkin", app.settings,
                                     &AppSettings::RandomSkin, SettingId::RandomSkin);
    skinList_ = MakeControl<FileChoiceList>(this, "lstSkins");
    auto* column = new QVBoxLayout(this);
    column->addWidget(randomSkin);
    column->addWidget(skinList_);
    listSkins();
    connect(skinList_, &FileChoiceList::chosen, this, [this](const QString& file) {
        Guarded(app_.services.prompter, "lstSkins_Click", [&] { chooseSkin(file); });
    });
}

void SkinsPage::listSkins()
{
    std::vector<std::pair<QString, QString>> items;
    for (const std::string& file : ListFilesNoCase(app_.folders.SkinPath, "", ".zip"))
        items.emplace_back(QString::fromStdString(file.substr(0, file.size() - 4)), QString::fromStdString(file));
    skinList_->fill(items, StoredChoice(SettingId::Skins));
}

void SkinsPage::chooseSkin(const QString& file)
{
    app_.settings.Skins = file.toStdString();
    WriteSetting(SettingId::Skins, app_.settings);
    WhenJobsIdle(app_.jobs, [main = main_, file = file.toStdString()] { main->applySkin(file); });
}
