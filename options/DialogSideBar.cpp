#include "options/DialogSideBar.h"

#include "gui/SideBarLogo.h"
#include "gui/frame/WindowDragger.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace {
constexpr std::uint32_t SideBarStart = 0x84B642; // stored order: red 66, green 182, blue 132
}

DialogSideBar::DialogSideBar(QWidget& window, const QPixmap& icon)
    : QObject(&window), window_(window), bar_(new QLabel(&window)), logo_(std::make_unique<SideBarLogo>())
{
    bar_->setObjectName(QStringLiteral("picSideBar"));
    bar_->setFixedWidth(22);
    logo_->setDrawingObject(bar_);
    logo_->setStartColor(SideBarStart);
    logo_->setEndColor(0);
    logo_->setImageList({QPixmap(), icon});
    logo_->setIconIndex(1);
    auto* dragger = new WindowDragger(&window, [] { return false; });
    dragger->addHandle(bar_);
    bar_->installEventFilter(this);
    window.installEventFilter(this);
}

DialogSideBar::~DialogSideBar() = default;

void DialogSideBar::setCaption(const QString& caption)
{
    logo_->setCaption(caption);
    logo_->draw();
}

bool DialogSideBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == bar_ && event->type() == QEvent::Resize) {
        logo_->draw();
    } else if (watched == &window_ && event->type() == QEvent::Paint) {
        // Before the window's own painting, which leaves the edge alone.
        QPainter p(&window_);
        p.setPen(window_.palette().color(QPalette::Mid));
        p.drawRect(window_.rect().adjusted(0, 0, -1, -1));
    }
    return false;
}
