#include "gui/widgets/PlainLook.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

namespace {
const QColor TitleBar(44, 44, 44);
const QColor Outline(20, 20, 20);
const QColor Ink(240, 240, 240);
const QColor InkDim(165, 165, 165);
const QColor AccentLight(120, 190, 245);
const QColor AccentDark(33, 106, 170);
const QColor AccentDeep(24, 78, 128);
} // namespace

void PaintFocusMark(QPainter& painter, const QRect& control)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(PlainAccent(), 1));
    painter.drawRect(control.adjusted(0, 0, -1, -1));
    // A dark line inside keeps the mark apart from a picture that is blue
    // itself (the current layer's tab), where there is room for it.
    if (std::min(control.width(), control.height()) >= 12) {
        painter.setPen(QPen(Outline, 1));
        painter.drawRect(control.adjusted(1, 1, -2, -2));
    }
    painter.restore();
}

TitleSign TitleSignOf(const QString& buttonName)
{
    if (buttonName == QLatin1String("BWExit"))
        return TitleSign::Close;
    if (buttonName == QLatin1String("BWMin"))
        return TitleSign::Minimise;
    if (buttonName == QLatin1String("BWMax"))
        return TitleSign::Maximise;
    return TitleSign::None;
}

void PaintTitleSign(QPainter& painter, const QRect& button, TitleSign sign, PlainState state)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(button, state.down ? AccentDark : state.hovered ? PlainAccent() : TitleBar);
    const QColor ink = state.down ? QColor(200, 226, 250) : state.hovered ? Ink : InkDim;
    painter.setPen(QPen(ink, 1));
    // The sign fills the button but for a one-pixel border, square and centred.
    const int side = std::max(3, std::min(button.width(), button.height()) - 2);
    const QRect box(button.center().x() - (side - 1) / 2, button.center().y() - (side - 1) / 2, side, side);
    switch (sign) {
    case TitleSign::Close:
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
        break;
    case TitleSign::Minimise:
        painter.fillRect(box.left(), box.bottom() - 1, box.width(), 2, ink);
        break;
    case TitleSign::Maximise:
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.drawLine(box.topLeft() + QPoint(0, 1), box.topRight() + QPoint(0, 1));
        break;
    case TitleSign::None:
        break;
    }
    painter.restore();
}

void PaintPlainTab(QPainter& painter, const QRect& tab, const QString& caption, bool selected)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient body(tab.topLeft(), tab.bottomLeft());
    body.setColorAt(0, selected ? AccentLight : QColor(60, 60, 60));
    body.setColorAt(1, selected ? AccentDark : QColor(46, 46, 46));
    painter.fillRect(tab, body);
    painter.setPen(Outline);
    painter.drawRect(tab.adjusted(0, 0, -1, -1));

    const int letters = int(caption.size());
    if (letters > 0) {
        // One cell per letter; the letters as tall as the cells allow.
        const int cell = std::max(1, (tab.height() - 4) / letters);
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(std::clamp(cell - 1, 6, 11));
        painter.setFont(font);
        int y = tab.top() + (tab.height() - cell * letters) / 2;
        for (const QChar letter : caption) {
            const QRect at(tab.left(), y, tab.width(), cell);
            painter.setPen(selected ? AccentDeep : QColor(30, 30, 30));
            painter.drawText(at.translated(1, 1), Qt::AlignCenter, letter);
            painter.setPen(selected ? QColor(Qt::white) : InkDim);
            painter.drawText(at, Qt::AlignCenter, letter);
            y += cell;
        }
    }
    painter.restore();
}
