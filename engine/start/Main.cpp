#include "engine/start/Main.h"

#include "engine/start/AppFolders.h"

#include <cstdio>

int Main(int argc, char** argv)
{
    (void)argv;
    SetAppFolders(DefaultAppPath());
    CreateOutputFolders();
    if (argc <= 1) {
        std::fprintf(stderr, "CorvaneDisk: the main window is not built yet.\n");
        return 1;
    }
    std::fprintf(stderr, "CorvaneDisk: the batch mode is not built yet.\n");
    return 1;
}
