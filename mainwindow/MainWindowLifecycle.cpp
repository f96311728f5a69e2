// The main window's start-up and shutdown.
#include "mainwindow/MainWindow.h"

#include "engine/library/LibraryLists.h"
#include "engine/settings/AppSettings.h"
#include "engine/settings/SettingsTable.h"
#include "engine/start/AppFolders.h"
#include "gui/AppContext.h"
#include "gui/DesignWidths.h"
#include "gui/Twips.h"
#include "gui/WindowRegistry.h"
#include "gui/WindowState.h"
#include "gui/menu/PopupMenu.h"
#include "gui/services/MountWatcher.h"
#include "gui/services/Services.h"
#include "language/LangText.h"
#include "language/StartupLanguage.h"
#include "mainwindow/CatLayer.h"
#include "mainwindow/FindLayer.h"
#include "mainwindow/LibLayer.h"
#include "mainwindow/TrayIconMenu.h"
#include "mainwindow/NewVolumeOffer.h"
#include "platform/fs/FindNoCase.h"
#include "platform/prompter/ErrorBox.h"
#include "results/FindColumns.h"
#include "skin/LoadSkin.h"
#include "skin/TmpFolder.h"

#include <QApplication>

namespace {

// The skin packages of skinFolder, in byte order of their names.
std::vector<QString> SkinPackages(const std::string& skinFolder)
{
    std::vector<QString> names;
    for (const std::string& name : ListFilesNoCase(skinFolder, "", ".zip"))
        names.push_back(QString::fromStdString(name));
    return names;
}

StoredTwips Twips(int pixels)
{
    return double(TwipsFromPixels(pixels));
}

} // namespace

QString MainWindow::nextSkin()
{
    // No package at all: no skin, quietly (the plain controls serve).
    if (skinFiles_.empty())
        return {};
    const QString stored = QString::fromStdString(app_.settings.NextSkin);
    std::size_t next = 0;
    for (std::size_t i = 0; i < skinFiles_.size(); ++i) {
        if (skinFiles_[i] == stored) {
            next = i + 1 < skinFiles_.size() ? i + 1 : 0;
            break;
        }
    }
    return skinFiles_[next];
}

void MainWindow::loadSkin(const QString& fileName, bool atStartup)
{
    SkinContext context;
    context.CurrentLayer = LayerName(layer_);
    context.SetIgnoreMaxHit = [this](bool on) { app_.settings.IgnoreMaxHit = on; };
    LoadSkin(app_.services.prompter, app_.skin, app_.windows, context, app_.folders.SkinPath, fileName.toStdString(),
             atStartup);
}

void MainWindow::startUp()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    AppSettings& s = app_.settings;
    hiddenToTray_ = false;
    layer_ = Layer::Cat;
    StartupReadResult read = ReadSettingsAtStartup(s);
    LoadStartupLanguage(app_.services.prompter, app_.texts, app_.folders.LangPath, s.Language);

    find_->setDiskTypes(LoadListDriveType(app_.texts[TextId::All]));

    skinFiles_ = SkinPackages(app_.folders.SkinPath);
    QString chosen = s.RandomSkin ? nextSkin() : QString::fromStdString(s.Skins);
    s.NextSkin = chosen.toStdString();
    WriteSetting(SettingId::NextSkin, s);
    loadSkin(chosen, true);
    cat_->reloadFileTypes();

    for (std::size_t c = 0; c < s.LVLib.size(); ++c)
        if (s.LVLib[c])
            lib_->setColumnWidth(int(c), PixelsFromTwipsRounded(*s.LVLib[c]));
    if (!s.LVLib[0])
        PlaceOf(SettingId::LVLibNameWidth).createKey();
    if (!read.wasDefaulted(SettingId::OnTop))
        FormStayOnTop(this, s.OnTop);
    FormInTaskBar(this, s.ShowTaskBar, !isVisible());
    retranslate();
    QApplication::restoreOverrideCursor();
}

void MainWindow::finishStartUp()
{
    find_->reloadFilters();
    readRecentSearches();
    connect(&app_.services.mounts, &MountWatcher::mounted, volumeOffer_.get(), &NewVolumeOffer::mounted);
    updateTrayIcon();
    buildMenus();
    retranslate(); // the menus take their captions too
}

void MainWindow::readRecentSearches()
{
    const RegValue count = PlaceOf(SettingId::RecentCount).stored();
    if (count.isEmpty() || (count.kind() == RegValue::Kind::Text && count.text().empty())) {
        WriteDefault(SettingId::RecentCount);
        return;
    }
    QStringList recent;
    for (int i = 1; i <= app_.settings.RecentCount; ++i) {
        std::string text = RecentSearchPlace(i).stored().text();
        if (!text.empty())
            recent.append(QString::fromStdString(text));
    }
    find_->setRecentSearches(recent);
}

void MainWindow::syncSettingsFromControls()
{
    AppSettings& s = app_.settings;
    const ScanRequest scan = cat_->scanRequest();
    s.Recursive = scan.recursive;
    s.ZipContent = scan.archiveContents;
    s.EnableComment = scan.comments;
    const SearchRequest search = find_->findRequest();
    s.SortResult = search.sorted;
    s.IgnoreMaxHit = search.ignoreMaxHit;
    const QPoint place = hiddenToTray_ || isMinimized() ? normalGeometry().topLeft() : pos();
    s.Main.Left = Twips(place.x());
    s.Main.Top = Twips(place.y());
    for (int c = 0; c < 6; ++c)
        s.LVLib[std::size_t(c)] = Twips(lib_->columnWidth(c));
    // Windows never opened keep the place the skin gives them.
    struct Secondary {
        const char* name;
        WindowPlace& place;
    };
    for (Secondary w : {Secondary{"frmFind", s.Find}, Secondary{"frmLib", s.Lib}, Secondary{"frmViewImg", s.Viewer}}) {
        QRect r;
        if (QWidget* window = app_.windows.loaded(w.name)) {
            r = window->isMaximized() ? window->normalGeometry() : window->geometry();
        } else {
            r = PixelRect(StoredWindowPlace(app_.skin, w.name));
        }
        w.place = {Twips(r.x()), Twips(r.y()), Twips(r.width()), Twips(r.height())};
    }
    for (std::size_t c = 0; c < s.LVFind.size(); ++c)
        s.LVFind[c] = s.LVFind[c].value_or(FindColumns[c].designWidth);
    for (std::size_t c = 0; c < s.LVPath.size(); ++c)
        s.LVPath[c] = s.LVPath[c].value_or(DesignPathWidths[c]);
}

void MainWindow::shutDown()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    // A failing step is reported and the next one still runs.
    const auto guarded = [this](const std::function<void()>& step) {
        ShowErrorsOf(app_.services.prompter, "frmCorvaneDisk", "Form_Unload", step);
    };
    guarded([this] { syncSettingsFromControls(); });
    guarded([this] { WriteSettingsAtExit(app_.settings); });
    guarded([this] { FormStayOnTop(this, false); });
    guarded([this] {
        for (const std::string& name : app_.windows.loadedNames())
            if (name != WindowName && name != TrayIconMenu::WindowName)
                app_.windows.unload(name);
    });
    guarded([this] { EmptyTmpFolder(app_.folders.TmpPath); });
    guarded([this] { removeTrayIcon(); });
    guarded([this] { disconnect(&app_.services.mounts, nullptr, volumeOffer_.get(), nullptr); });
}
