#include "gui/CLogo.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace {
QImage paint(int height, std::uint32_t start, std::uint32_t end)
{
    QLabel surface;
    surface.resize(20, height);
    CLogo logo;
    logo.setDrawingObject(&surface);
    logo.setStartColor(start);
    logo.setEndColor(end);
    logo.Draw();
    return surface.pixmap().toImage();
}
} // namespace

TEST(CLogo, GradientRunsFromTheBottomUpInBands)
{
    // Black to white on 255 rows: the two lowest rows black, the top row 253.
    QImage img = paint(255, 0x000000, 0xFFFFFF);
    ASSERT_EQ(img.height(), 255);
    EXPECT_EQ(img.pixelColor(10, 254), QColor(0, 0, 0));
    EXPECT_EQ(img.pixelColor(10, 253), QColor(0, 0, 0));
    EXPECT_EQ(img.pixelColor(10, 252), QColor(1, 1, 1));
    EXPECT_EQ(img.pixelColor(10, 0), QColor(253, 253, 253));
    // Red in the low byte: 0x84B642 is red 66, green 182, blue 132.
    QImage green = paint(100, 0x84B642, 0);
    EXPECT_EQ(green.pixelColor(19, 99), QColor(66, 182, 132));

    EXPECT_EQ(CLogo::BandHeight(100), 1);
    EXPECT_EQ(CLogo::BandHeight(510), 2);
    EXPECT_EQ(CLogo::BandHeight(1000), 3);
}

TEST(CLogo, NothingIsPaintedOnAnEmptySurface)
{
    QLabel surface;
    surface.resize(20, 0);
    CLogo logo;
    logo.setDrawingObject(&surface);
    logo.setStartColor(0xFF);
    EXPECT_TRUE(surface.pixmap().isNull());
}

TEST(CLogo, ChangingAColourRepaintsAndTheSameColourDoesNot)
{
    QLabel surface;
    surface.resize(20, 50);
    CLogo logo;
    logo.setDrawingObject(&surface);
    logo.setStartColor(0);
    EXPECT_TRUE(surface.pixmap().isNull()); // it already was 0
    logo.setStartColor(0x0000FF);
    ASSERT_FALSE(surface.pixmap().isNull());
    EXPECT_EQ(surface.pixmap().toImage().pixelColor(0, 49), QColor(255, 0, 0));
}
