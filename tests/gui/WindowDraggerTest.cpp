#include "gui/frame/WindowDragger.h"

#include <QWidget>
#include <gtest/gtest.h>

TEST(WindowDragger, EdgesAttractWithinNinePixels)
{
    const QRect screen(0, 0, 1024, 768);
    const QSize size(361, 203);
    // 120 twips from the left snaps, 135 does not.
    EXPECT_EQ(SnapToScreenEdges({8, 300}, size, screen), QPoint(0, 300));
    EXPECT_EQ(SnapToScreenEdges({9, 300}, size, screen), QPoint(9, 300));
    EXPECT_EQ(SnapToScreenEdges({-500, -40}, size, screen), QPoint(0, 0));
    // The far edges: within nine pixels of flush, or beyond, gives flush.
    EXPECT_EQ(SnapToScreenEdges({1024 - 361 - 9, 768 - 203 - 9}, size, screen), QPoint(654, 556));
    EXPECT_EQ(SnapToScreenEdges({1024 - 361 - 8, 768 - 203 - 8}, size, screen), QPoint(663, 565));
    EXPECT_EQ(SnapToScreenEdges({5000, 5000}, size, screen), QPoint(663, 565));
    // A window nearly as wide as the screen jumps between the two edges.
    EXPECT_EQ(SnapToScreenEdges({10, 0}, {1010, 100}, screen), QPoint(14, 0));
    // On a second screen the edges are that screen's.
    EXPECT_EQ(SnapToScreenEdges({1030, 5}, size, QRect(1024, 0, 800, 600)), QPoint(1024, 0));
}

TEST(WindowDragger, FollowsTheCursorFreelyWithoutSnap)
{
    QWidget w;
    w.setGeometry(100, 100, 200, 100);
    bool snap = false;
    WindowDragger drag(&w, [&] { return snap; });
    drag.move({50, 50}); // no press: nothing
    EXPECT_EQ(w.pos(), QPoint(100, 100));
    drag.press({10, 10});
    drag.move({-200, 15});
    EXPECT_EQ(w.pos(), QPoint(-110, 105)); // partly off the screen
    snap = true;
    drag.move({-195, 15});
    EXPECT_EQ(w.pos(), QPoint(0, 105));
    drag.release();
    drag.move({300, 300});
    EXPECT_EQ(w.pos(), QPoint(0, 105));
}

TEST(WindowDragger, ASlowDragLeavesAnEdgeAsAFastOneDoes)
{
    QWidget w;
    w.setGeometry(100, 100, 200, 100);
    WindowDragger drag(&w, [] { return true; });
    drag.press({150, 150}); // 50 pixels into the window
    for (int x = 150; x >= 50; --x)
        drag.move({x, 150});
    EXPECT_EQ(w.pos().x(), 0); // snapped on the way in
    for (int x = 50; x <= 80; ++x)
        drag.move({x, 150});
    EXPECT_EQ(w.pos().x(), 30); // the cursor's place, as one jump gives it
    drag.move({57, 150});
    EXPECT_EQ(w.pos().x(), 0);
    drag.move({80, 150});
    EXPECT_EQ(w.pos().x(), 30);
}
