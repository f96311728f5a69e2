#include "gui/widgets/ButtonWeb.h"
#include "gui/widgets/CheckBoxWeb.h"
#include "gui/widgets/SkinnedForm.h"

#include <QApplication>
#include <QBitmap>
#include <QImage>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {
QPixmap solid(QColor colour, int w = 16, int h = 10)
{
    QPixmap p(w, h);
    p.fill(colour);
    return p;
}

QRgb shownAt(QWidget& w, int x, int y)
{
    return w.grab().toImage().pixel(x, y) & 0xFFFFFF;
}

void hover(QWidget& w, bool in)
{
    w.setAttribute(Qt::WA_UnderMouse, in);
}

void clickOn(QWidget& w)
{
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, w.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, at, w.mapToGlobal(at), Qt::LeftButton, {}, {});
    QApplication::sendEvent(&w, &press);
    QApplication::sendEvent(&w, &release);
}
} // namespace

TEST(SkinnedWidgets, ButtonShowsThePictureOfItsStateAndOutWhenTheStateHasNone)
{
    ButtonWeb button;
    button.resize(16, 10);
    ASSERT_TRUE(button.setProperty("PictureOut", solid(Qt::red)));
    EXPECT_EQ(shownAt(button, 1, 1), 0xFF0000u);
    hover(button, true);
    EXPECT_EQ(shownAt(button, 1, 1), 0xFF0000u); // no hover picture yet
    button.setProperty("PictureIn", solid(Qt::green));
    button.setProperty("PictureDown", solid(Qt::blue));
    EXPECT_EQ(shownAt(button, 1, 1), 0x00FF00u);
    button.setDown(true);
    EXPECT_EQ(shownAt(button, 1, 1), 0x0000FFu);
    button.setDown(false);
    hover(button, false);
    EXPECT_EQ(shownAt(button, 1, 1), 0xFF0000u);
    EXPECT_EQ(button.sizeHint(), QSize(16, 10));

    int clicks = 0;
    QObject::connect(&button, &ButtonWeb::clicked, [&] { ++clicks; });
    clickOn(button);
    EXPECT_EQ(clicks, 1);
}

TEST(SkinnedWidgets, CheckBoxShowsOneOfFourPicturesAndTogglesItsValue)
{
    CheckBoxWeb box;
    box.resize(16, 10);
    box.setProperty("CheckedIn", solid(QColor(1, 0, 0)));
    box.setProperty("CheckedOut", solid(QColor(2, 0, 0)));
    box.setProperty("UnCheckedIn", solid(QColor(3, 0, 0)));
    box.setProperty("UnCheckedOut", solid(QColor(4, 0, 0)));
    EXPECT_EQ(shownAt(box, 0, 0), 0x040000u);
    hover(box, true);
    EXPECT_EQ(shownAt(box, 0, 0), 0x030000u);

    int toggles = 0;
    QObject::connect(&box, &CheckBoxWeb::toggled, [&] { ++toggles; });
    clickOn(box);
    EXPECT_TRUE(box.property("Value").toBool());
    EXPECT_EQ(toggles, 1);
    EXPECT_EQ(shownAt(box, 0, 0), 0x010000u);
    hover(box, false);
    EXPECT_EQ(shownAt(box, 0, 0), 0x020000u);
    box.setProperty("Value", false);
    EXPECT_EQ(toggles, 2);
    EXPECT_EQ(shownAt(box, 0, 0), 0x040000u);
}

TEST(SkinnedWidgets, WithoutPicturesTheControlsDrawThePlatformLook)
{
    ButtonWeb button;
    CheckBoxWeb box;
    for (QWidget* w : {static_cast<QWidget*>(&button), static_cast<QWidget*>(&box)}) {
        w->resize(40, 24);
        const QImage shown = w->grab().toImage();
        bool drawn = false;
        for (int y = 0; y < shown.height() && !drawn; ++y)
            for (int x = 0; x < shown.width() && !drawn; ++x)
                drawn = shown.pixel(x, y) != shown.pixel(0, 0);
        EXPECT_TRUE(drawn) << w->metaObject()->className();
    }
}

TEST(SkinnedWidgets, FormDrawsItsPictureOverItsBackgroundAndTakesItsOutlineFromAMask)
{
    SkinnedForm form;
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    form.resize(30, 20);
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, QColor(66, 66, 66));
    form.setPalette(palette);
    form.setProperty("Picture", solid(Qt::red, 10, 10));
    EXPECT_EQ(shownAt(form, 9, 9), 0xFF0000u);
    EXPECT_EQ(shownAt(form, 20, 15), 0x424242u);

    QImage mask(20, 10, QImage::Format_RGB32);
    mask.fill(Qt::black);
    for (int y = 0; y < 10; ++y)
        mask.setPixel(0, y, qRgb(250, 250, 250));
    mask.setPixel(5, 5, qRgb(100, 100, 100)); // darker than half: still the window
    form.setMask(OutlineFromMask(mask));
    EXPECT_FALSE(form.mask().contains(QPoint(0, 5)));
    EXPECT_TRUE(form.mask().contains(QPoint(5, 5)));
    EXPECT_TRUE(form.mask().contains(QPoint(19, 9)));
    EXPECT_FALSE(form.mask().contains(QPoint(25, 15))); // beyond the mask
}
