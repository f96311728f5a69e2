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

long long centred(long long screenTwips, long long originPixels, long long size)
{
    return TwipsFromPixels(int(originPixels)) + static_cast<long long>(std::nearbyint((screenTwips - size) / 2.0));
}
} // namespace

long long ScreenWidthTwips()
{
    return TwipsFromPixels(primaryGeometry().width());
}

long long ScreenHeightTwips()
{
    return TwipsFromPixels(primaryGeometry().height());
}

long long CentredLeftTwips(long long width)
{
    return centred(ScreenWidthTwips(), primaryGeometry().left(), width);
}

long long CentredTopTwips(long long height)
{
    return centred(ScreenHeightTwips(), primaryGeometry().top(), height);
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
        const long long area = (long long)overlap.width() * overlap.height();
        if (area > most) {
            most = area;
            target = s->geometry();
        }
    }
    r.moveLeft(std::clamp(r.left(), target.left(), std::max(target.left(), target.right() + 1 - r.width())));
    r.moveTop(std::clamp(r.top(), target.top(), std::max(target.top(), target.bottom() + 1 - r.height())));
    return r;
}
