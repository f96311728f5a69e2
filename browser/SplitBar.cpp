#include "browser/SplitBar.h"

#include <QMouseEvent>

SplitBar::SplitBar(QWidget* parent, const char* name, QSize design) : FramePiece(parent, name, design)
{
    setCursor(Qt::SplitHCursor);
}

void SplitBar::mousePressEvent(QMouseEvent* event)
{
    splitting_ = true;
    lastX_ = event->globalPosition().toPoint().x();
    event->accept();
}

void SplitBar::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!splitting_)
        return;
    const int x = event->globalPosition().toPoint().x();
    const int dx = x - lastX_;
    lastX_ = x;
    emit dragged(dx);
}

void SplitBar::mouseReleaseEvent(QMouseEvent* event)
{
    splitting_ = false;
    event->accept();
}
