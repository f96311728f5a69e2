#pragma once
// The real services of the program in window mode. While it lives, the
// engine's RunShellExecute goes through the desktop actions, so a file with
// no associated application gets the open-with chooser. Create it after the
// application object.

#include "gui/services/ApplicationCatalog.h"
#include "gui/services/Clock.h"
#include "gui/services/DesktopShell.h"
#include "gui/services/Ejector.h"
#include "gui/services/FolderChooser.h"
#include "gui/services/HelpService.h"
#include "gui/services/MountWatcher.h"
#include "gui/services/Services.h"
#include "gui/services/SystemDesktopActions.h"
#include "gui/services/Tray.h"
#include "platform/shell/XdgOpenShell.h"

#include <string>

class ProgramServices {
public:
    // appPath: the program's folder (ends with "/"), where help/ is looked for.
    ProgramServices(Prompter& prompter, const std::string& appPath);
    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

    Services& services() { return services_; }

private:
    XdgOpenShell xdgOpen_;
    GioApplications applications_;
    SystemDesktopActions desktop_;
    DesktopShell shell_;
    ScopedShell shellInUse_;
    HelpPages help_;
    DialogFolderChooser folderChooser_;
    SystemTrayFactory tray_;
    ProcMountWatcher mounts_;
    CdromEjector ejector_;
    SystemClock clock_;
    Services services_;
};
