#include "gui/widgets/CheckBoxWeb.h"

#include <QPainter>
#include <QStyleOptionButton>

CheckBoxWeb::CheckBoxWeb(QWidget* parent) : PictureButton(parent)
{
    setCheckable(true);
}

QPixmap CheckBoxWeb::currentPicture() const
{
    const QPixmap& out = isChecked() ? checkedOut_ : unCheckedOut_;
    const QPixmap& in = isChecked() ? checkedIn_ : unCheckedIn_;
    return hovered() && !in.isNull() ? in : out;
}

void CheckBoxWeb::paintFallback(QPainter& painter)
{
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = text();
    option.state |= isChecked() ? QStyle::State_On : QStyle::State_Off;
    if (isDown())
        option.state |= QStyle::State_Sunken;
    style()->drawControl(QStyle::CE_CheckBox, &option, &painter, this);
}
