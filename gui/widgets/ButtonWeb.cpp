#include "gui/widgets/ButtonWeb.h"

#include "gui/widgets/PlainLook.h"

#include <QPainter>
#include <QStyleOptionButton>

ButtonWeb::ButtonWeb(QWidget* parent) : PictureButton(parent) {}

QPixmap ButtonWeb::currentPicture() const
{
    const QPixmap& state = isDown() ? down_ : hovered() ? in_ : out_;
    return state.isNull() ? out_ : state;
}

void ButtonWeb::paintFallback(QPainter& painter)
{
    if (const TitleSign sign = TitleSignOf(objectName()); sign != TitleSign::None) {
        PaintTitleSign(painter, rect(), sign, {hovered(), isDown()});
        return;
    }
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = text();
    if (isDown())
        option.state |= QStyle::State_Sunken;
    else
        option.state |= QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
}
