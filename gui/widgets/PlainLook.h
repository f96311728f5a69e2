#pragma once
// How the skinned controls look while no skin has given them pictures, and
// the keyboard focus mark they all share. The colours are the default skin's.

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;

// The default skin's accent: what is selected, hovered or focused.
inline QColor PlainAccent()
{
    return QColor(61, 155, 233);
}

// A one-pixel outline along the control's edge, with a dark one inside it
// on controls big enough.
void PaintFocusMark(QPainter& painter, const QRect& control);

// The signs of the title bars' small buttons, known by the names every skin
// and window give those buttons: "BWExit", "BWMin" and "BWMax".
enum class TitleSign { None, Close, Minimise, Maximise };
TitleSign TitleSignOf(const QString& buttonName);

struct PlainState {
    bool hovered = false;
    bool down = false;
};
void PaintTitleSign(QPainter& painter, const QRect& button, TitleSign sign, PlainState state);

// A layer tab: its caption's letters stacked from top to bottom, blue when
// it is the current layer's.
void PaintPlainTab(QPainter& painter, const QRect& tab, const QString& caption, bool selected);
