#pragma once

#include "platform/prompter/Prompter.h"

#include <functional>
#include <memory>

// What the windowed part of the program lends to the start procedure.
struct WindowHooks {
    // Opens the main window and runs until it closes; returns the exit code.
    std::function<int(int argc, char** argv)> runMainWindow;
    // The dialog-based prompter for a batch run on a display; null when the
    // display cannot be reached.
    std::function<std::unique_ptr<Prompter>(int argc, char** argv)> makeDialogPrompter;
};

// The program's start: sets up its folders, then runs a batch request or
// opens the main window. Returns the process exit code.
int Main(int argc, char** argv, const WindowHooks& hooks = {});
