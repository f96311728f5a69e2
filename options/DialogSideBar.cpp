#include "options/DialogSideBar.h"

#include "gui/CLogo.h"
#include "gui/frame/WindowDragger.h"

#include <QLabel>
#include <QPainter>

namespace {
constexpr std::uint32_t SideBarStart = 0x84B642; // stored order: red 66, green 182, blue 132
}

QLabel* MakeSideBar(QWidget& window, CLogo& logo, const QPixmap& icon)
{
    auto* bar = new QLabel(&window);
    bar->setObjectName(QStringLiteral("picSideBar"));
    bar->setFixedWidth(22);
    logo.setDrawingObject(bar);
    logo.setStartColor(SideBarStart);
    logo.setEndColor(0);
    logo.setImageList({QPixmap(), icon});
    logo.setIconIndex(1);
    auto* dragger = new WindowDragger(&window, [] { return false; });
    dragger->addHandle(bar);
    return bar;
}

void PaintWindowBorder(QWidget& window)
{
    QPainter p(&window);
    p.setPen(window.palette().color(QPalette::Mid));
    p.drawRect(window.rect().adjusted(0, 0, -1, -1));
}
