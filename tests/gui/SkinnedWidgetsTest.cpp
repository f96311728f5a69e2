#include "gui/widgets/ButtonWeb.h"
#include "gui/widgets/CheckBoxWeb.h"
#include "gui/widgets/LayerTab.h"
#include "gui/widgets/PlainLook.h"
#include "gui/widgets/SkinnedForm.h"
#include "skin/default/DefaultSkinArt.h"

#include <QApplication>
#include <QBitmap>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
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

QImage shown(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor colourAt(QWidget& w, int x, int y)
{
    return shown(w).pixelColor(x, y);
}

bool light(const QColor& c)
{
    return c.lightness() > 140;
}

// The pattern of light pixels, one string per row.
std::vector<std::string> signOf(QWidget& w)
{
    const QImage image = shown(w);
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x)
            row += light(image.pixelColor(x, y)) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

void send(QWidget* target, QEvent::Type type, int key)
{
    QKeyEvent event(type, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
    QApplication::sendEvent(target, &event);
}

void press(int key)
{
    send(QApplication::focusWidget(), QEvent::KeyPress, key);
    send(QApplication::focusWidget(), QEvent::KeyRelease, key);
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

TEST(PlainLook, TitleButtonsWithoutPicturesShowACrossABarAndABox)
{
    QWidget window;
    auto make = [&](const char* name, int width) {
        auto* b = new ButtonWeb(&window);
        b->setObjectName(QLatin1String(name));
        b->resize(width, 7);
        return b;
    };
    ButtonWeb* close = make("BWExit", 7);
    ButtonWeb* minimise = make("BWMin", 7);
    ButtonWeb* maximise = make("BWMax", 9);
    const std::vector<std::string> cross{".......", ".#...#.", "..#.#..", "...#...", "..#.#..", ".#...#.", "......."};
    EXPECT_EQ(signOf(*close), cross);
    const std::vector<std::string> bar{".......", ".......", ".......", ".......", ".#####.", ".#####.", "......."};
    EXPECT_EQ(signOf(*minimise), bar);
    const std::vector<std::string> box{".........", "..#####..", "..#####..", "..#...#..",
                                       "..#...#..", "..#####..", "........."};
    EXPECT_EQ(signOf(*maximise), box);

    // Under the pointer the button turns the accent colour, the sign white.
    hover(*close, true);
    EXPECT_EQ(colourAt(*close, 0, 0), PlainAccent());
    EXPECT_EQ(colourAt(*close, 3, 1), PlainAccent());
    EXPECT_GT(colourAt(*close, 3, 3).lightness(), 220);
}

TEST(PlainLook, LayerTabsWithoutPicturesCarryTheirCaptionsAndShowTheCurrentOne)
{
    QWidget window;
    std::vector<QImage> tabs;
    for (const char* caption : {"CAT", "FIND", "LIB"}) {
        LayerTab tab(&window);
        tab.setText(QLatin1String(caption));
        tab.resize(19, 47);
        const QImage image = shown(tab);
        // The letters stand one above the other: light rows in as many runs as letters.
        int runs = 0;
        bool inLetter = false;
        for (int y = 0; y < image.height(); ++y) {
            bool lit = false;
            for (int x = 0; x < image.width(); ++x)
                lit = lit || light(image.pixelColor(x, y));
            runs += lit && !inLetter;
            inLetter = lit;
        }
        EXPECT_EQ(runs, int(strlen(caption))) << caption;
        tabs.push_back(image);
    }
    EXPECT_NE(tabs[0], tabs[1]);
    EXPECT_NE(tabs[1], tabs[2]);

    LayerTab tab(&window);
    tab.setText(QStringLiteral("CAT"));
    tab.resize(19, 47);
    auto blue = [&] {
        const QColor c = colourAt(tab, 3, 40);
        return c.blue() > c.red() + 60;
    };
    EXPECT_FALSE(blue());
    tab.setSelected(true);
    EXPECT_TRUE(blue());
    // A skin's picture wins over the plain look.
    tab.setPictureOut(solid(QColor(1, 2, 3), tab.width(), tab.height()));
    EXPECT_EQ(colourAt(tab, 3, 40), QColor(1, 2, 3));
}

TEST(PlainLook, TheAccentIsTheDefaultSkins)
{
    for (const SkinArt& art : PaintDefaultSkin())
        if (art.name == "fond") {
            // The line under the main window's title bar.
            const auto rgb = art.picture.at(100, 15);
            EXPECT_EQ(QColor::fromRgb(QRgb(rgb)), PlainAccent());
        }
}

TEST(FocusMark, ShowsOnTheSkinnedControlWhereTabWentAndNowhereElse)
{
    QWidget window;
    auto* edit = new QLineEdit(&window);
    edit->setGeometry(0, 0, 80, 20);
    auto* button = new ButtonWeb(&window);
    button->setGeometry(0, 30, 16, 10);
    button->setPictureOut(solid(QColor(90, 90, 90)));
    auto* box = new CheckBoxWeb(&window);
    box->setGeometry(0, 50, 16, 10);
    box->setUnCheckedOut(solid(QColor(90, 90, 90)));
    box->setCheckedOut(solid(QColor(200, 200, 200)));
    auto* tab = new LayerTab(&window);
    tab->setText(QStringLiteral("LIB"));
    tab->setGeometry(30, 30, 19, 47);
    window.resize(100, 100);
    window.show();
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());

    const std::vector<QWidget*> controls{button, box, tab};
    auto marked = [&] {
        std::vector<QWidget*> found;
        for (QWidget* w : controls) {
            const QImage image = shown(*w);
            const QPoint corners[] = {{0, 0}, {image.width() - 1, image.height() - 1}};
            bool all = true;
            for (const QPoint& c : corners)
                all = all && image.pixelColor(c) == PlainAccent();
            if (all)
                found.push_back(w);
        }
        return found;
    };
    EXPECT_TRUE(marked().empty());
    // Focus the program gives, before any Tab, is not marked.
    button->setFocus();
    EXPECT_TRUE(marked().empty());
    edit->setFocus();

    // A click acts but leaves the focus, and so no mark.
    clickOn(*box);
    EXPECT_TRUE(box->value());
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_TRUE(marked().empty());

    press(Qt::Key_Tab);
    EXPECT_EQ(marked(), std::vector<QWidget*>{button});
    press(Qt::Key_Tab);
    EXPECT_EQ(marked(), std::vector<QWidget*>{box});
    press(Qt::Key_Space);
    EXPECT_FALSE(box->value());
    EXPECT_EQ(marked(), std::vector<QWidget*>{box});
    press(Qt::Key_Tab);
    EXPECT_EQ(marked(), std::vector<QWidget*>{tab});
    // On the blue tab of the current layer a dark line inside sets the mark apart.
    tab->setSelected(true);
    EXPECT_EQ(colourAt(*tab, 0, 20), PlainAccent());
    EXPECT_LT(colourAt(*tab, 1, 20).lightness(), 40);
    edit->setFocus();
    EXPECT_TRUE(marked().empty());
}
