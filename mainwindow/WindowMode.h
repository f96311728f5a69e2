#pragma once
// The program with its windows: builds the world every window lives in,
// opens the main window and runs until it closes.

struct AppContext;

// Returns the process exit code.
int RunWindowMode(int argc, char** argv);

// Tells the registry how to make each window of the program.
void DefineWindows(AppContext& app);
