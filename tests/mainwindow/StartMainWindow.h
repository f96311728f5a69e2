#pragma once
// The main window of a test world, started as the program starts it.

#include "mainwindow/MainWindow.h"
#include "mainwindow/WindowMode.h"
#include "tests/support/NamedControl.h"
#include "tests/support/TestWorld.h"

inline MainWindow& StartMainWindow(TestWorld& world)
{
    DefineWindows(world.app);
    auto& main = world.windows.get<MainWindow>();
    main.startUp();
    main.show();
    main.finishStartUp();
    return main;
}
