#pragma once
// The desktop's menu for one real file: Open, Open With (the applications for
// its type), Other Application..., Show in Folder, Copy Path, Move to Trash,
// Properties, each carried out through the desktop actions.

#include <QString>

#include <memory>
#include <string>

class DesktopActions;
class Prompter;
class QMenu;
class QWidget;

// The menu, or nullptr when the file is not present (see IsPresent). The menu's commands act
// through desktop, and their failures are shown on prompter; both must outlive it. owner
// owns the windows they open.
std::unique_ptr<QMenu> MakeDesktopFileMenu(const std::string& path, DesktopActions& desktop, Prompter& prompter,
                                           QWidget* owner);
