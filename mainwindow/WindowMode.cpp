#include "mainwindow/WindowMode.h"

#include "mainwindow/ProgramWorld.h"

#include "browser/CatalogBrowser.h"
#include "engine/settings/AppSettings.h"
#include "engine/start/AppFolders.h"
#include "gui/AppContext.h"
#include "gui/AppIcons.h"
#include "gui/AppStyle.h"
#include "gui/WindowRegistry.h"
#include "gui/dialogs/CommentDialog.h"
#include "library/CatalogPropertiesDialog.h"
#include "mainwindow/TrayIconMenu.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/SaveCatalogDialog.h"
#include "mainwindow/UsageWindow.h"
#include "results/SearchResultsWindow.h"
#include "mainwindow/MainWindowOptionsLink.h"
#include "mainwindow/ShutdownSignals.h"
#include "mainwindow/SingleInstance.h"
#include "options/AboutBox.h"
#include "options/OptionsDialog.h"
#include "platform/gui/DisplayPlatform.h"
#include "platform/prompter/Prompter.h"
#include "platform/settings/RegStore.h"
#include "platform/text/Messages.h"
#include "skin/LoadSkin.h"
#include "skin/Skin.h"
#include "viewer/FileViewer.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {
constexpr int UnlockedCallMs = 1000;
} // namespace

void DefineWindows(AppContext& app)
{
    WindowRegistry& w = app.windows;
    // A window made after the skin was applied takes its part then.
    w.setMadeHook([&app](const std::string& name, QWidget& window) {
        SkinContext context;
        context.StartupFlag = [&app](SettingId setting) { return setting == SettingId::View && app.settings.View; };
        SkinNewWindow(app.services.prompter, app.skin, context, name, window);
    });
    w.define(MainWindow::WindowName, [&app] { return new MainWindow(app); });
    w.define(SaveCatalogDialog::WindowName, [&app] { return new SaveCatalogDialog(app); });
    w.define(CommentDialog::WindowName, [&app] { return new CommentDialog(app); });
    w.define(CatalogPropertiesDialog::WindowName, [&app] { return new CatalogPropertiesDialog(app); });
    w.define(SearchResultsWindow::WindowName, [&app] { return new SearchResultsWindow(app); });
    w.define(OptionsDialog::WindowName, [&app] { return new OptionsDialog(app, MakeMainWindowLink(app)); });
    w.define(AboutBox::WindowName, [&app] { return new AboutBox(app); });
    w.define(CatalogBrowser::WindowName, [&app] { return new CatalogBrowser(app); });
    w.define(FileViewer::WindowName, [&app] { return new FileViewer(app); });
    w.define(TrayIconMenu::WindowName, [&app] {
        return new TrayIconMenu(app.services.tray, [&app](int n) { return app.texts.text(TextId(n)); });
    });
}

int RunWindowMode(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "CorvaneDisk: no display to show the window on (see -h for the batch mode).\n");
        return 1;
    }
    ChooseDisplayPlatform(false);
    HoldShutdownSignals();
    QApplication qapp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // the main window's shutdown quits
    QApplication::setApplicationName(QStringLiteral("CorvaneDisk"));
    QApplication::setWindowIcon(ProgramIcon());
    UseDesktopIconTheme();
    UseProgramStyle();

    ShutdownSignals shutdownSignals;
    ProgramWorld world; // its prompter shows the boxes of the start
    SingleInstance instance(QFileInfo(QString::fromStdString(RegStore::Instance().path())).absolutePath());
    switch (instance.claim()) {
    case SingleInstance::Claim::First:
        break;
    case SingleInstance::Claim::Running:
        if (instance.callRunning())
            return 0;
        // Said on both: a start from the desktop has no terminal.
        std::fprintf(stderr, "CorvaneDisk: %s\n", MessageText(MessageId::NotAnswering).c_str());
        world.app().services.prompter.message(MessageText(MessageId::NotAnswering), "CorvaneDisk",
                                              MsgIcon::Exclamation);
        return 1;
    case SingleInstance::Claim::Unlocked:
        // A copy started in the same way answers at once; else none runs.
        if (instance.callRunning(UnlockedCallMs))
            return 0;
        instance.listen();
        break;
    }
    RegStore::Instance().reportIfUnwritable();
    MainWindow& main = world.start();
    QObject::connect(&instance, &SingleInstance::calledAgain, &main, &MainWindow::restoreFromTray);
    shutdownSignals.closeWindow(main);
    return QApplication::exec();
}
