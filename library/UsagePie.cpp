#include "library/UsagePie.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr int RadiusX = 70, RadiusY = 35, RimDepth = 10;
constexpr int FullCircle = 360 * 16; // QPainter's angles are sixteenths of a degree
} // namespace

QImage DrawUsagePie(int percent, QSize size, const QColor& background)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    percent = std::clamp(percent, 0, 100);
    // Halves go to the even neighbour: a 189 x 113 picture has its centre at (94, 56).
    const double cx = std::nearbyint(size.width() / 2.0);
    const double cy = std::nearbyint(size.height() / 2.0);
    const QRectF ellipse(cx - RadiusX, cy - RadiusY, 2 * RadiusX, 2 * RadiusY);
    const int usedSpan = int(std::lround(percent * 3.6 * 16));

    QPainter p(&image);
    p.setPen(Qt::black);
    // A share of 0 or 100 % has no slice edges: the other colour fills the whole ellipse.
    if (usedSpan == 0 || usedSpan == FullCircle) {
        p.setBrush(usedSpan ? PieUsedColor : PieFreeColor);
        p.drawEllipse(ellipse);
    } else {
        p.setBrush(PieUsedColor);
        p.drawPie(ellipse, 0, usedSpan);
        p.setBrush(PieFreeColor);
        p.drawPie(ellipse, usedSpan, FullCircle - usedSpan);
    }

    const double used = percent * 3.6 * std::numbers::pi / 180;
    for (int step = 0; step <= 360; ++step) { // the lower half, half a degree at a time
        const double a = std::numbers::pi + step * std::numbers::pi / 360;
        const QPointF edge(cx + RadiusX * std::cos(a), cy - RadiusY * std::sin(a));
        p.setPen(used >= a ? PieUsedRimColor : PieFreeRimColor);
        p.drawLine(QPointF(edge.x(), edge.y() + RimDepth), edge);
    }
    return image;
}
