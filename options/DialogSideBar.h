#pragma once
// The gradient side bar down the left edge of the options dialog and the
// about box, by which the window is dragged (without snapping to the screen's
// edges), and the thin border such a frameless window draws round itself.

#include <QPixmap>

class CLogo;
class QLabel;
class QWidget;

// A picture box named picSideBar in window, painted by logo: green at the
// bottom to black at the top, icon near the bottom. Set the caption, then Draw.
QLabel* MakeSideBar(QWidget& window, CLogo& logo, const QPixmap& icon);

// Call from the window's paintEvent.
void PaintWindowBorder(QWidget& window);
