#include "mainwindow/TrayIconMenu.h"
#include "gui/menu/PopupMenu.h"
#include "platform/prompter/ErrorBox.h"
#include "tests/support/FakeServices.h"
#include "tests/support/MenuItem.h"

#include <QAction>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {
QString Text(int n)
{
    return QStringLiteral("T%1").arg(n);
}

struct TrayIconMenuTest : ::testing::Test {
    FakeServices fakes;
    TrayIconMenu form{fakes.tray, Text};
    void SetUp() override { form.setUp(nullptr, true); }
    FakeTrayIcon* icon() { return fakes.tray.liveIcons().front(); }
};
} // namespace

TEST_F(TrayIconMenuTest, ItemsResolveByKeyIndexOrDigitsAndFailWithError9)
{
    EXPECT_EQ(MenuItem(*form.menu(), "PROP").text(), "&T46...     F5");
    EXPECT_EQ(MenuItem(*form.menu(), "EXIT").text(), "&T71...     ALT+F4");
    const QAction* onTop = form.menu()->item(3);
    EXPECT_TRUE(onTop->isChecked());
    form.setChecked("ONTOP", false);
    EXPECT_FALSE(onTop->isChecked());
    form.setChecked(3, true);
    EXPECT_TRUE(onTop->isChecked());
    form.setChecked(QStringLiteral("3"), false);
    EXPECT_FALSE(onTop->isChecked());
    form.setChecked(2.6, true); // rounded
    EXPECT_TRUE(onTop->isChecked());
    for (const QVariant& bad : {QVariant("NONE"), QVariant(0), QVariant(8), QVariant("ontop")}) {
        try {
            form.setChecked(bad, false);
            ADD_FAILURE() << "no error for " << bad.toString().toStdString();
        } catch (const AppError& e) {
            EXPECT_EQ(e.number(), ErrSubscriptOutOfRange);
        }
    }
    EXPECT_TRUE(onTop->isChecked());
}

TEST_F(TrayIconMenuTest, TipIsCutAndUnchangedValuesSendNothing)
{
    form.setIconToolTip(QString(70, 'x'));
    EXPECT_EQ(form.iconToolTip().size(), 63);
    EXPECT_EQ(icon()->toolTip.size(), 63);
    icon()->toolTip = "untouched";
    form.setIconToolTip(QString(63, 'x'));
    EXPECT_EQ(icon()->toolTip, "untouched");

    QIcon picture(QPixmap(16, 16));
    form.setShownIcon(picture);
    EXPECT_EQ(icon()->icon.cacheKey(), picture.cacheKey());
    icon()->icon = QIcon();
    form.setShownIcon(picture);
    EXPECT_TRUE(icon()->icon.isNull());
}

TEST_F(TrayIconMenuTest, MouseActivityAndMenuChoiceBecomeEvents)
{
    QSignalSpy down(&form, &TrayIconMenu::iconMouseDown);
    QSignalSpy up(&form, &TrayIconMenu::iconMouseUp);
    QSignalSpy dbl(&form, &TrayIconMenu::iconDoubleClicked);
    QSignalSpy chosen(&form, &TrayIconMenu::menuChosen);
    icon()->click(Qt::RightButton);
    icon()->click(Qt::MiddleButton); // means nothing
    icon()->doubleClick(Qt::LeftButton);
    ASSERT_EQ(down.size(), 1);
    EXPECT_EQ(down[0][0].toInt(), 2);
    EXPECT_EQ(up.size(), 1);
    ASSERT_EQ(dbl.size(), 1);
    EXPECT_EQ(dbl[0][0].toInt(), 1);

    form.showMenu(); // dismissed
    EXPECT_EQ(chosen.size(), 0);
    icon()->menuChoice = form.menu()->item(5);
    form.showMenu();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 5);
    EXPECT_EQ(chosen[0][1].toString(), "ABOUT");
}

TEST(TrayIconMenu, WithoutATrayHostThereIsNoIconButTheMenuStillExists)
{
    FakeServices fakes;
    fakes.tray.host = false;
    TrayIconMenu form(fakes.tray, Text);
    form.setUp(nullptr, false);
    EXPECT_FALSE(form.hasIcon());
    EXPECT_EQ(form.menu()->itemCount(), 7);
}

TEST_F(TrayIconMenuTest, TheShortMenuShowsItsSideBarCaptionWhole)
{
    PopupMenu& menu = *form.menu();
    menu.adjustSize();
    const QImage bar = menu.sideBarPicture().toImage();
    if (qEnvironmentVariableIsSet("CORVANE_SHOT"))
        menu.grab().save(qEnvironmentVariable("CORVANE_SHOT"));
    // The bar runs from green to black; the caption is white.
    auto captionRows = [&](int from, int to) {
        int rows = 0;
        for (int y = from; y < to; ++y)
            for (int x = 0; x < bar.width(); ++x)
                if (QColor(bar.pixel(x, y)).red() > 120) {
                    ++rows;
                    break;
                }
        return rows;
    };
    ASSERT_GT(bar.height(), 20);
    EXPECT_EQ(captionRows(0, 2), 0); // not cut at the top
    EXPECT_GT(captionRows(2, bar.height()), 20);
}
