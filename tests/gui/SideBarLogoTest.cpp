#include "gui/SideBarLogo.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <gtest/gtest.h>

#include <cmath>

namespace {
QImage paint(int height, std::uint32_t start, std::uint32_t end)
{
    QLabel surface;
    surface.resize(20, height);
    SideBarLogo logo;
    logo.setDrawingObject(&surface);
    logo.setStartColor(start);
    logo.setEndColor(end);
    logo.draw();
    return surface.pixmap().toImage();
}
} // namespace

TEST(SideBarLogo, GradientRunsFromTheBottomUpInBands)
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

    EXPECT_EQ(SideBarLogo::bandHeight(100), 1);
    EXPECT_EQ(SideBarLogo::bandHeight(510), 2);
    EXPECT_EQ(SideBarLogo::bandHeight(1000), 3);
}

TEST(SideBarLogo, NothingIsPaintedOnAnEmptySurface)
{
    QLabel surface;
    surface.resize(20, 0);
    SideBarLogo logo;
    logo.setDrawingObject(&surface);
    logo.setStartColor(0xFF);
    EXPECT_TRUE(surface.pixmap().isNull());
}

TEST(SideBarLogo, ChangingAColourRepaintsAndTheSameColourDoesNot)
{
    QLabel surface;
    surface.resize(20, 50);
    SideBarLogo logo;
    logo.setDrawingObject(&surface);
    logo.setStartColor(0);
    EXPECT_TRUE(surface.pixmap().isNull()); // it already was 0
    logo.setStartColor(0x0000FF);
    ASSERT_FALSE(surface.pixmap().isNull());
    EXPECT_EQ(surface.pixmap().toImage().pixelColor(0, 49), QColor(255, 0, 0));
}

namespace {
// A bar of the menus' width with a white caption on black.
struct CaptionBar {
    QLabel surface;
    explicit CaptionBar(int height)
    {
        surface.setFont(QFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold));
        QPalette white = surface.palette();
        white.setColor(QPalette::WindowText, Qt::white);
        surface.setPalette(white);
        surface.resize(17, height);
        SideBarLogo logo;
        logo.setDrawingObject(&surface);
        logo.setEndColor(0);
        logo.setCaption("CorvaneDisk");
        logo.draw();
    }
    // The rows from the top down to the first with caption ink; -1: none.
    int firstInkedRow() const
    {
        const QImage image = surface.pixmap().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) > 60)
                    return y;
        return -1;
    }
    double advanceAt(double points) const
    {
        QFont font = surface.font();
        font.setPointSizeF(points);
        return QFontMetricsF(font).horizontalAdvance("CorvaneDisk");
    }
};
} // namespace

TEST(SideBarLogo, ACaptionTooLongForTheBarIsWrittenSmallerOrNotAtAll)
{
    CaptionBar probe(100);
    const int full = int(std::ceil(probe.advanceAt(10)));
    const int least = int(std::ceil(probe.advanceAt(SideBarLogo::LeastCaptionPoints)));
    ASSERT_LT(least + 8, full);

    // Room enough: the caption at its own size, ending its advance below the top.
    CaptionBar tall(full + 40);
    EXPECT_GE(tall.firstInkedRow(), 40 - 2);

    // Too short for the font: smaller, but whole, the top two rows clear.
    CaptionBar shortBar((full + least) / 2 + 4);
    EXPECT_GE(shortBar.firstInkedRow(), 2);

    // Too short even for the least size: no caption rather than a cut one.
    CaptionBar tiny(least - 4);
    EXPECT_EQ(tiny.firstInkedRow(), -1);

    QFont font("Sans", 10);
    EXPECT_EQ(SideBarLogo::captionFont(font, "Caption", 1000, nullptr)->pointSizeF(), 10);
    const std::optional<QFont> smaller = SideBarLogo::captionFont(font, "Caption", 40, nullptr);
    ASSERT_TRUE(smaller);
    EXPECT_LT(smaller->pointSizeF(), 10);
    EXPECT_GE(smaller->pointSizeF(), SideBarLogo::LeastCaptionPoints);
    EXPECT_LE(QFontMetricsF(*smaller).horizontalAdvance("Caption"), 40);
    EXPECT_FALSE(SideBarLogo::captionFont(font, "Caption", 5, nullptr));
}
