#pragma once

// The program's start: sets up its folders, then runs a batch request or
// opens the main window. Returns the process exit code.
int Main(int argc, char** argv);
