#pragma once
// A shell for tests: remembers what it was asked to open and opens nothing.

#include "platform/shell/Shell.h"

#include <string>
#include <vector>

class RecordingShell final : public Shell {
public:
    RecordingShell() : scope_(*this) {}
    void open(const std::string& target) override { opened.push_back(target); }

    std::vector<std::string> opened;

private:
    ScopedShell scope_;
};
