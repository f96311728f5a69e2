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
    last_ = cursor;
    dragging_ = true;
}

void WindowDragger::move(const QPoint& cursor)
{
    if (!dragging_)
        return;
    QPoint to = window_->pos() + (cursor - last_);
    last_ = cursor;
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
