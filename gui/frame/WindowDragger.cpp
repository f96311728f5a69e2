#include "gui/frame/WindowDragger.h"

#include <QCursor>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

QPoint SnapToScreenEdges(QPoint topLeft, QSize size, const QRect& screen)
{
    auto snap = [](int pos, int extent, int lo, int hi) {
        if (pos - lo < SnapDistancePixels)
            return lo;
        if (pos > hi - extent - SnapDistancePixels)
            return hi - extent;
        return pos;
    };
    return {snap(topLeft.x(), size.width(), screen.left(), screen.left() + screen.width()),
            snap(topLeft.y(), size.height(), screen.top(), screen.top() + screen.height())};
}

WindowDragger::WindowDragger(QWidget* window, std::function<bool()> snap)
    : QObject(window), window_(window), snap_(std::move(snap))
{
}

void WindowDragger::addHandle(QWidget* handle)
{
    handle->installEventFilter(this);
}

void WindowDragger::press(const QPoint& cursor)
{
    if (window_->isMaximized() || window_->isMinimized())
        return;
    grip_ = cursor - window_->pos();
    dragging_ = true;
}

// The place follows from the cursor and the grip, never from the last (maybe
// snapped) place: a slow drag leaves an edge as a fast one does.
void WindowDragger::move(const QPoint& cursor)
{
    if (!dragging_)
        return;
    QPoint to = cursor - grip_;
    if (snap_ && snap_() && window_->screen())
        to = SnapToScreenEdges(to, window_->frameGeometry().size(), window_->screen()->geometry());
    window_->move(to);
    emit moved();
}

bool WindowDragger::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        press(QCursor::pos());
        return false;
    case QEvent::MouseMove:
        if (dragging_) {
            move(QCursor::pos());
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease:
        release();
        return false;
    default:
        return QObject::eventFilter(watched, event);
    }
}
