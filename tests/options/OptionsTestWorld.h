#pragma once
// The program's windows on a world of fakes, with the main window started as
// the program starts it, for the tests of the options dialog and the about box.

#include "mainwindow/MainWindow.h"
#include "mainwindow/WindowMode.h"
#include "tests/support/TestWorld.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

class OptionsTestBase : public ::testing::Test {
protected:
    OptionsTestBase()
    {
        std::filesystem::copy_file(CORVANE_FIXTURES "/language/CorD_deu.lng", world.home.file("language/CorD_deu.lng"));
        DefineWindows(world.app);
        main = &world.windows.get<MainWindow>();
        main->startUp();
        main->show();
        main->finishStartUp();
    }

    // Lets deferred deletes and queued calls run.
    static void settle()
    {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

    std::string registryBytes() const { return ReadFileBytes(world.registryFile()); }

    TestWorld world;
    MainWindow* main = nullptr;
};
