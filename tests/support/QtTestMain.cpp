// main() of widget tests: one application object for the whole run, offscreen.
#include "platform/gui/QtThreadsEnd.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int code = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        code = RUN_ALL_TESTS();
    }
    WaitForQtPoolThreadsToEnd();
    return code;
}
