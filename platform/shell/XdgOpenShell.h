#pragma once
#include "platform/shell/Shell.h"

// Opens through xdg-open, detached: a short-lived sh starts xdg-open in the
// background and ends at once, so the program neither waits for the opened
// program nor leaves a zombie behind.
class XdgOpenShell final : public Shell {
public:
    void open(const std::string& target) override;
};
