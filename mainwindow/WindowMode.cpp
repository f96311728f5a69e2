#include "mainwindow/WindowMode.h"

#include "mainwindow/ProgramWorld.h"

#include "browser/FrmLib.h"
#include "engine/settings/AppSettings.h"
#include "engine/start/AppFolders.h"
#include "gui/AppContext.h"
#include "gui/AppIcons.h"
#include "gui/AppStyle.h"
#include "gui/WindowRegistry.h"
#include "gui/dialogs/FrmEditComment.h"
#include "library/FrmProperties.h"
#include "mainwindow/FSysTrayIconMenu.h"
#include "mainwindow/FrmCorvaneDisk.h"
#include "mainwindow/FrmSaveIDX.h"
#include "mainwindow/FrmUsage.h"
#include "search/FrmFind.h"
#include "mainwindow/MainWindowOptionsLink.h"
#include "mainwindow/ShutdownSignals.h"
#include "mainwindow/SingleInstance.h"
#include "options/FrmAbout.h"
#include "options/FrmOption.h"
#include "platform/gui/DisplayPlatform.h"
#include "platform/settings/RegStore.h"
#include "skin/LoadSkin.h"
#include "skin/Skin.h"
#include "viewer/FrmViewImg.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

void DefineWindows(AppContext& app)
{
    WindowRegistry& w = app.windows;
    // A window made after the skin was applied takes its part then.
    w.setMadeHook([&app](const std::string& name, QWidget& window) {
        SkinContext context;
        context.StartupFlag = [&app](std::string_view setting) { return setting == "View" && app.settings.View; };
        SkinNewWindow(app.skin, context, name, window);
    });
    w.define(FrmCorvaneDisk::WindowName, [&app] { return new FrmCorvaneDisk(app); });
    w.define(FrmSaveIDX::WindowName, [&app] { return new FrmSaveIDX(app); });
    w.define(FrmEditComment::WindowName, [&app] { return new FrmEditComment(app); });
    w.define(FrmProperties::WindowName, [&app] { return new FrmProperties(app); });
    w.define(FrmFind::WindowName, [&app] { return new FrmFind(app); });
    w.define(FrmOption::WindowName, [&app] { return new FrmOption(app, MakeMainWindowLink(app)); });
    w.define(FrmAbout::WindowName, [&app] { return new FrmAbout(app); });
    w.define(FrmLib::WindowName, [&app] { return new FrmLib(app); });
    w.define(FrmViewImg::WindowName, [&app] { return new FrmViewImg(app); });
    w.define(FSysTrayIconMenu::WindowName, [&app] {
        return new FSysTrayIconMenu(app.services.tray, [&app](int n) { return app.texts.text(TextId(n)); });
    });
}

int RunWindowMode(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "CorvaneDisk: no display to show the window on (see -h for the batch mode).\n");
        return 1;
    }
    ChooseDisplayPlatform(false);
    QApplication qapp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // the main window's shutdown quits
    QApplication::setApplicationName(QStringLiteral("CorvaneDisk"));
    QApplication::setWindowIcon(ProgramIcon());
    UseDesktopIconTheme();
    UseProgramStyle();

    SingleInstance instance(QFileInfo(QString::fromStdString(RegStore::Instance().path())).absolutePath());
    if (!instance.claim()) {
        if (instance.callRunning())
            return 0;
        std::fprintf(stderr, "CorvaneDisk: the program already runs with these settings but does not answer.\n");
        return 1;
    }
    ProgramWorld world;
    FrmCorvaneDisk& main = world.start();
    QObject::connect(&instance, &SingleInstance::calledAgain, &main, &FrmCorvaneDisk::restoreFromTray);
    CloseOnShutdownSignals(main);
    return QApplication::exec();
}
