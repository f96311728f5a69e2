#include "options/SetupPage.h"

#include "engine/settings/SettingsTable.h"
#include "gui/AppContext.h"
#include "gui/services/Services.h"
#include "language/LangText.h"
#include "skin/default/DefaultSkinPackage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

#include <climits>

namespace {
// The number stored now (the store, not the holder, is the source: another
// program may have changed it); 0 when it is missing or no number.
int StoredCount(SettingId setting)
{
    try {
        return int(PlaceOf(setting).stored().number());
    } catch (const std::exception&) {
        return 0;
    }
}

QSpinBox* CountBox(QWidget* parent, const char* name, int maximum)
{
    auto* box = MakeControl<QSpinBox>(parent, name);
    box->setRange(1, maximum);
    return box;
}
} // namespace

SetupPage::SetupPage(AppContext& app, const UpdateSetup& updateSetup, QWidget* parent)
    : OptionPage("fraSetup", parent), app_(app), update_(app.services.prompter, app.folders, updateSetup)
{
    setTitle(QStringLiteral("Setup"));
    auto* watchDevices = SettingToggle(app.services.prompter, this, "chkDevChange", app.settings,
                                       &AppSettings::DevChange, SettingId::DevChange);
    recentCount_ = CountBox(this, "UpDownSlideRecent", 10);
    maxHitCount_ = CountBox(this, "UpDownSlideMaxHit", 10000);
    updateButton_ = MakeControl<QPushButton>(this, "cmdScan");
    downloadProgress_ = MakeControl<QProgressBar>(this, "ProgressBar");
    downloadProgress_->setTextVisible(false);
    downloadProgress_->hide();
    auto* makeSkinButton = MakeControl<QPushButton>(this, "cmdGenereSkin");

    auto* grid = new QGridLayout(this);
    grid->addWidget(watchDevices, 0, 0, 1, 2);
    grid->addWidget(MakeControl<QLabel>(this, "lblRecent"), 1, 0);
    grid->addWidget(recentCount_, 1, 1);
    grid->addWidget(MakeControl<QLabel>(this, "lblMaxHit"), 2, 0);
    grid->addWidget(maxHitCount_, 2, 1);
    grid->setRowMinimumHeight(3, 12);
    grid->addWidget(updateButton_, 4, 0);
    grid->addWidget(downloadProgress_, 4, 1);
    grid->addWidget(makeSkinButton, 5, 0);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(6, 1);

    load();
    connect(updateButton_, &QPushButton::clicked, this, &SetupPage::checkForUpdate);
    connect(&update_, &UpdateCheck::downloadStarted, this, [this](qint64 maximum) {
        downloadProgress_->setRange(0, int(std::min<qint64>(maximum, INT_MAX)));
        downloadProgress_->setValue(0);
        downloadProgress_->show();
    });
    connect(&update_, &UpdateCheck::downloadProgress, this,
            [this](qint64 received) { downloadProgress_->setValue(int(std::min<qint64>(received, INT_MAX))); });
    connect(&update_, &UpdateCheck::downloadEnded, this, [this] {
        downloadProgress_->setValue(downloadProgress_->maximum());
        downloadProgress_->hide();
    });
    connect(&update_, &UpdateCheck::finished, this, [this] { updateButton_->setEnabled(true); });
    connect(makeSkinButton, &QPushButton::clicked, this, [this] {
        if (GenerateDefaultSkin(app_.services.prompter, app_.folders))
            emit skinGenerated();
    });
}

// The new-volume box loads itself, as every SettingToggle does.
void SetupPage::load()
{
    recentCount_->setValue(StoredCount(SettingId::RecentCount));
    maxHitCount_->setValue(StoredCount(SettingId::MaxHit));
}

void SetupPage::checkForUpdate()
{
    const LangText& t = app_.texts;
    updateButton_->setEnabled(false); // a check may end before start() returns
    update_.start({t[TextId::AskDownload], t[TextId::DownloadDone], t[TextId::DownloadSavedAs], t[TextId::UpToDate]});
    updateButton_->setEnabled(!update_.isBusy());
}

void SetupPage::apply()
{
    AppSettings& s = app_.settings;
    s.RecentCount = recentCount_->value();
    WriteSetting(SettingId::RecentCount, s);
    s.MaxHit = maxHitCount_->value();
    WriteSetting(SettingId::MaxHit, s);
}
