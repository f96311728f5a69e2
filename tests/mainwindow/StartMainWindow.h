#pragma once
// The main window of a test world, started as the program starts it.

#include "mainwindow/FrmCorvaneDisk.h"
#include "mainwindow/WindowMode.h"
#include "tests/support/TestWorld.h"

inline FrmCorvaneDisk& StartMainWindow(TestWorld& world)
{
    DefineWindows(world.app);
    auto& main = world.windows.get<FrmCorvaneDisk>();
    main.FormLoad();
    main.show();
    main.FormLoaded();
    return main;
}
