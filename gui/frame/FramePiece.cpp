#include "gui/frame/FramePiece.h"

#include <QPainter>

FramePiece::FramePiece(QWidget* parent, const char* name, QSize design) : PictureBox(parent), design_(design)
{
    setObjectName(QLatin1String(name));
    resize(design);
}

QSize FramePiece::pieceSize() const
{
    return picture().isNull() ? design_ : picture().size();
}

void FramePiece::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (picture().isNull()) {
        p.fillRect(rect(), palette().color(QPalette::Window).darker(140));
        return;
    }
    p.drawTiledPixmap(rect(), picture());
}
