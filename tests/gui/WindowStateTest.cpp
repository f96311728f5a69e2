#include "gui/WindowState.h"

#include <QWidget>
#include <gtest/gtest.h>

TEST(WindowState, StayOnTopNeverShowsAHiddenWindowAndKeepsItsPlace)
{
    QWidget w;
    w.setGeometry(40, 50, 200, 100);
    FormStayOnTop(&w, true);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    w.show();
    FormStayOnTop(&w, false);
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(w.pos(), QPoint(40, 50));
}

TEST(WindowState, TheTaskBarButtonGoesWithTheWindowTypeAndATrayWindowStaysHidden)
{
    QWidget w;
    w.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    w.show();
    FormInTaskBar(&w, false, /*hiddenToTray*/ true);
    EXPECT_EQ(w.windowType(), Qt::Tool);
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(w.isVisible());
    FormInTaskBar(&w, true, false);
    EXPECT_EQ(w.windowType(), Qt::Window);
    EXPECT_TRUE(w.isVisible());
}
