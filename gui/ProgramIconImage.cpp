#include "gui/ProgramIconImage.h"

#include <QPainter>
#include <QRadialGradient>

QColor ProgramAccent()
{
    return QColor(66, 182, 132);
}

QImage DiscImage(int size, const QColor& tint)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QRadialGradient g(QPointF(s * 0.35, s * 0.3), s * 0.75);
    g.setColorAt(0, tint.lighter(170));
    g.setColorAt(1, tint.darker(130));
    p.setPen(QPen(tint.darker(200), s / 16.0));
    p.setBrush(g);
    p.drawEllipse(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92));
    p.setBrush(QColor(30, 30, 30));
    p.setPen(QPen(QColor(235, 235, 235), s / 16.0));
    p.drawEllipse(QPointF(s / 2, s / 2), s * 0.14, s * 0.14);
    p.setPen(QPen(QColor(255, 255, 255, 150), s / 12.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(s * 0.2, s * 0.2, s * 0.6, s * 0.6), 100 * 16, 70 * 16);
    return image;
}

QImage ProgramIconImage(int size)
{
    return DiscImage(size, ProgramAccent());
}
