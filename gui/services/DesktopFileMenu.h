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
class QPoint;
class QWidget;

// The menu, or nullptr when the file is not present (see IsPresent). The menu's commands act
// through desktop, and their failures are shown on prompter; both must outlive it. owner
// owns the windows they open.
std::unique_ptr<QMenu> MakeDesktopFileMenu(const std::string& path, DesktopActions& desktop, Prompter& prompter,
                                           QWidget* owner);

// Shows the menu at a screen point and carries out the choice; true when a
// command was chosen, false when the menu was dismissed or the file is gone.
bool ShowDesktopFileMenu(const std::string& path, DesktopActions& desktop, Prompter& prompter, const QPoint& where,
                         QWidget* owner);
