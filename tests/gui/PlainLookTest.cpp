#include "gui/widgets/ButtonWeb.h"
#include "gui/widgets/CheckBoxWeb.h"
#include "gui/widgets/LayerTab.h"
#include "gui/widgets/PlainLook.h"
#include "skin/default/DefaultSkinArt.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {
QImage shown(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor at(QWidget& w, int x, int y)
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

void clickOn(QWidget& w)
{
    const QPointF p(2, 2);
    QMouseEvent down(QEvent::MouseButtonPress, p, w.mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent up(QEvent::MouseButtonRelease, p, w.mapToGlobal(p), Qt::LeftButton, {}, {});
    QApplication::sendEvent(&w, &down);
    QApplication::sendEvent(&w, &up);
}

QPixmap solid(QColor colour, QSize size = {16, 10})
{
    QPixmap p(size);
    p.fill(colour);
    return p;
}
} // namespace

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
    const std::vector<std::string> box{".........", "..#####..", "..#####..", "..#...#..", "..#...#..", "..#####..",
                                       "........."};
    EXPECT_EQ(signOf(*maximise), box);

    // Under the pointer the button turns the accent colour, the sign white.
    close->setAttribute(Qt::WA_UnderMouse, true);
    EXPECT_EQ(at(*close, 0, 0), PlainAccent());
    EXPECT_EQ(at(*close, 3, 1), PlainAccent());
    EXPECT_GT(at(*close, 3, 3).lightness(), 220);
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
        const QColor c = at(tab, 3, 40);
        return c.blue() > c.red() + 60;
    };
    EXPECT_FALSE(blue());
    tab.setSelected(true);
    EXPECT_TRUE(blue());
    // A skin's picture wins over the plain look.
    tab.setPictureOut(solid(QColor(1, 2, 3), tab.size()));
    EXPECT_EQ(at(tab, 3, 40), QColor(1, 2, 3));
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
    edit->setFocus();
    EXPECT_TRUE(marked().empty());
}
