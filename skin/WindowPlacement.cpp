#include "skin/WindowPlacement.h"

#include "gui/Twips.h"

#include <QGuiApplication>
#include <QRegion>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {
QRect primaryGeometry()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

// The start that centres size twips on a screen side of sidePixels from originPixels.
long long centred(int originPixels, int sidePixels, long long size)
{
    return TwipsFromPixels(originPixels) +
           static_cast<long long>(std::nearbyint((TwipsFromPixels(sidePixels) - size) / 2.0));
}
} // namespace

long long CentredLeftTwips(long long width)
{
    return centred(primaryGeometry().left(), primaryGeometry().width(), width);
}

long long CentredTopTwips(long long height)
{
    return centred(primaryGeometry().top(), primaryGeometry().height(), height);
}

QRect PixelRect(const TwipsRect& t)
{
    return QRect(PixelsFromTwipsRounded(double(t.left)), PixelsFromTwipsRounded(double(t.top)),
                 PixelsFromTwipsRounded(double(t.width)), PixelsFromTwipsRounded(double(t.height)));
}

QRect KeptOnScreen(QRect r)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    QRegion desktop;
    for (const QScreen* s : screens)
        desktop += s->geometry();
    if (screens.isEmpty() || QRegion(r).subtracted(desktop).isEmpty())
        return r;
    QRect target = primaryGeometry();
    long long most = 0;
    for (const QScreen* s : screens) {
        const QRect overlap = s->geometry().intersected(r);
        const long long area = static_cast<long long>(overlap.width()) * overlap.height();
        if (area > most) {
            most = area;
            target = s->geometry();
        }
    }
    r.moveLeft(std::clamp(r.left(), target.left(), std::max(target.left(), target.right() + 1 - r.width())));
    r.moveTop(std::clamp(r.top(), target.top(), std::max(target.top(), target.bottom() + 1 - r.height())));
    return r;
}
