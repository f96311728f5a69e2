#pragma once
// The program's shell in window mode: files go through the desktop actions
// (so that a file with no associated application gets the open-with
// chooser), web and other addresses straight to xdg-open.

#include "platform/shell/Shell.h"

class DesktopActions;

class DesktopShell final : public Shell {
public:
    DesktopShell(DesktopActions& desktop, Shell& addresses) : desktop_(desktop), addresses_(addresses) {}
    void open(const std::string& target) override;

private:
    DesktopActions& desktop_;
    Shell& addresses_;
};
