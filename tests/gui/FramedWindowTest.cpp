#include "gui/frame/FramePiece.h"
#include "gui/frame/FramedWindow.h"
#include "gui/widgets/ButtonWeb.h"
#include "tests/support/NamedControl.h"

#include <QKeyEvent>
#include <QApplication>
#include <gtest/gtest.h>

namespace {
struct TestWindow : FramedWindow {
    QWidget* content = new QWidget(this);
    int passes = 0;
    void layoutContent(const QRect& inner) override
    {
        ++passes;
        content->setGeometry(inner);
    }
};

QPixmap Picture(int w, int h)
{
    QPixmap p(w, h);
    p.fill(Qt::red);
    return p;
}
} // namespace

TEST(FramedWindow, TheFrameFollowsTheSizeAndItsPictures)
{
    TestWindow w;
    Control<FramePiece>(w, "picG").setPicture(Picture(8, 1024));
    Control<FramePiece>(w, "picH").setPicture(Picture(1248, 20));
    w.resize(400, 300);
    w.show();
    QApplication::processEvents();
    EXPECT_EQ(Control<FramePiece>(w, "picDB").geometry(), QRect(400 - 16, 300 - 16, 16, 16));
    EXPECT_EQ(Control<FramePiece>(w, "picG").geometry(), QRect(0, 19, 8, 300 - 19 - 5));
    EXPECT_EQ(Control<FramePiece>(w, "picH").geometry(), QRect(5, 0, 400 - 5 - 6, 20));
    EXPECT_EQ(Control<FramePiece>(w, "picB").geometry(), QRect(7, 300 - 4, 400 - 7 - 16, 4));
    EXPECT_EQ(w.content->geometry(), QRect(8, 20, 400 - 8 - 4, 300 - 20 - 4));
    // The buttons sit on the title bar, close at the right, maximise beside it.
    EXPECT_EQ(Control<ButtonWeb>(w, "BWExit").geometry().topLeft(), QPoint(400 - 7 - 4, 10 - 3));
    EXPECT_EQ(Control<ButtonWeb>(w, "BWMax").geometry().right(), 400 - 7 - 2 * 4 - 1);
}

TEST(FramedWindow, ShrinkingBelowTheLeastSizeComesBack)
{
    TestWindow w;
    w.resize(400, 300);
    w.show();
    w.resize(50, 500);
    QApplication::processEvents();
    EXPECT_GE(w.width(), 133);
    EXPECT_EQ(w.height(), 500);
}

TEST(FramedWindow, EscAndTheCloseButtonHideTheWindow)
{
    TestWindow w;
    w.resize(300, 200);
    w.show();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&w, &esc);
    EXPECT_FALSE(w.isVisible());
    w.show();
    emit Control<ButtonWeb>(w, "BWExit").clicked();
    EXPECT_FALSE(w.isVisible());
}
