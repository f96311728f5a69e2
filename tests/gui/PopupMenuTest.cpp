#include "gui/menu/PopupMenu.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {
QColor Green()
{
    return QColor(66, 182, 132);
}

bool NearlyGreenOrDarker(const QColor& c)
{
    // The bar runs from (66,182,132) at the bottom to black at the top.
    return c.red() <= 70 && c.green() <= 186 && c.blue() <= 136 && c != QColor(Qt::white);
}
} // namespace

TEST(PopupMenu, EveryItemRowShowsItsSliceOfTheSideBar)
{
    QWidget owner;
    PopupMenu menu(&owner, "m_cMenu");
    menu.addItem("&Options...     F5", "OPTION", 8);
    menu.addItem("-Skin", "");
    menu.addItem("&Default\t", "SKIN:DEFAULT");
    menu.addItem("-", "");
    menu.addItem("&Exit     ALT+F4", "EXIT");
    menu.setSideBar(0x84B642, 0, "CorvaneDisk", 10);
    menu.setStyleSheet("QMenu { background: white; }");
    menu.adjustSize();
    QImage shot = menu.grab().toImage();
    if (qEnvironmentVariableIsSet("CORVANE_SHOT"))
        shot.save(qEnvironmentVariable("CORVANE_SHOT"));

    int sum = 0;
    for (int i = 1; i <= menu.itemCount(); ++i) {
        QRect r = menu.actionGeometry(menu.item(i));
        sum += r.height();
        EXPECT_GE(r.left(), PopupMenu::SideBarWidth + 1) << "item " << i;
        int x = r.left() - PopupMenu::SideBarWidth; // inside the bar
        EXPECT_TRUE(NearlyGreenOrDarker(shot.pixelColor(x, r.center().y()))) << "row of item " << i;
    }
    EXPECT_EQ(menu.sideBarPicture().height(), sum);
    EXPECT_EQ(menu.sideBarPicture().width(), PopupMenu::SideBarWidth);
    // The lowest row of the bar is the start colour.
    QRect last = menu.actionGeometry(menu.item(menu.itemCount()));
    EXPECT_EQ(shot.pixelColor(last.left() - PopupMenu::SideBarWidth + 1, last.bottom()), Green());
}

TEST(PopupMenu, ItemsAreFoundByKeyAndIndex)
{
    PopupMenu menu(nullptr, "m_cM");
    menu.addItem("Properties...     F5", "PROP", 1);
    menu.addItem("-", "");
    int onTop = menu.addItem("Always on top", "ONTOP", 9, true);
    EXPECT_EQ(onTop, 3);
    EXPECT_EQ(menu.indexOfKey("ONTOP"), 3);
    EXPECT_EQ(menu.indexOfKey("ontop"), 0); // keys are exact
    EXPECT_TRUE(menu.item(3)->isChecked());
    menu.setChecked(3, false);
    EXPECT_FALSE(menu.item(3)->isChecked());
    EXPECT_EQ(menu.item(1)->text(), "Properties...     F5");
    EXPECT_EQ(menu.key(2), "");
    EXPECT_EQ(menu.item(4), nullptr);
    EXPECT_EQ(menu.findChild<QAction*>("PROP"), menu.item(1)); // how the language code finds items
}
