#pragma once
// The program with its windows: builds the world every window lives in,
// opens the main window and runs until it closes.

// Returns the process exit code.
int RunWindowMode(int argc, char** argv);
