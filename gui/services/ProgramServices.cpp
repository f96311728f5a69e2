#include "gui/services/ProgramServices.h"

ProgramServices::ProgramServices(Prompter& prompter, const std::string& appPath)
    : desktop_(prompter, applications_, xdgOpen_), shell_(desktop_, xdgOpen_), shellInUse_(shell_),
      help_(appPath, prompter), services_{prompter, help_, desktop_, folderChooser_, tray_, mounts_, ejector_, clock_}
{
}
