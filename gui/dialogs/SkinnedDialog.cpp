#include "gui/dialogs/SkinnedDialog.h"

#include "gui/frame/WindowDragger.h"

#include <QPainter>

SkinnedDialog::SkinnedDialog(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    (new WindowDragger(this, [] { return false; }))->addHandle(this);
}

void SkinnedDialog::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void SkinnedDialog::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}
