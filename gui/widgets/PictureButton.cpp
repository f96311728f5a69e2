#include "gui/widgets/PictureButton.h"

#include "gui/widgets/PlainLook.h"

#include <QPainter>

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent)
{
    // Repaints on entering and leaving, for the hover picture.
    setAttribute(Qt::WA_Hover);
    // Only the keyboard moves the focus here, so the mark shows where Tab went
    // and a click leaves the focus where the user was typing.
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap picture = currentPicture();
    if (picture.isNull())
        paintFallback(painter);
    else
        painter.drawPixmap(0, 0, picture);
    // Marked once the keyboard has moved the focus in this window, as the
    // platform's own controls do: not where the focus merely starts.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange))
        PaintFocusMark(painter, rect());
}

QSize PictureButton::sizeHint() const
{
    const QPixmap picture = currentPicture();
    return picture.isNull() ? QSize(16, 10) : picture.size();
}

void PictureButton::assign(QPixmap& slot, const QPixmap& picture)
{
    slot = picture;
    updateGeometry();
    update();
}
