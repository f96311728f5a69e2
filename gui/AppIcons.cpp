#include "gui/AppIcons.h"

#include "gui/ProgramIconImage.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Accent = ProgramAccent();

QPixmap Canvas(int size = 16)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    return pm;
}

QPixmap Disc(int size, const QColor& tint)
{
    return QPixmap::fromImage(DiscImage(size, tint));
}

template <class Paint> QIcon Glyph(Paint paint)
{
    QPixmap pm = Canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return QIcon(pm);
}

QIcon OpenGlyph()
{
    return Glyph([](QPainter& p) {
        p.setPen(QColor(120, 90, 20));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(1.5, 3.5, 12, 10));
        p.setBrush(QColor(250, 225, 140));
        QPolygonF flap{{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}};
        p.drawPolygon(flap);
    });
}

QIcon PropertiesGlyph()
{
    return Glyph([](QPainter& p) {
        p.setPen(QColor(90, 90, 90));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 1.5, 11, 13));
        p.setPen(QPen(Accent.darker(130), 1.2));
        for (int y = 5; y <= 11; y += 3)
            p.drawLine(QPointF(4.5, y), QPointF(11.5, y));
    });
}

QIcon DeleteGlyph()
{
    return Glyph([](QPainter& p) {
        p.setPen(QPen(QColor(200, 40, 40), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    });
}

QIcon PrintGlyph()
{
    return Glyph([](QPainter& p) {
        p.setPen(QColor(70, 70, 70));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        p.setPen(Accent);
        p.drawPoint(QPointF(12.5, 8.5));
    });
}

// A page with the letters or digits it shows: the viewer's two views.
QIcon PageGlyph(const QString& mark)
{
    return Glyph([&mark](QPainter& p) {
        p.setPen(QColor(90, 90, 90));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        QFont f = p.font();
        f.setPixelSize(8);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Accent.darker(150));
        p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, mark);
    });
}

QIcon OptionsGlyph()
{
    return Glyph([](QPainter& p) {
        p.setPen(QPen(QColor(80, 80, 80), 1.4));
        for (int i = 0; i < 3; ++i) {
            qreal y = 3.5 + i * 4.5;
            p.drawLine(QPointF(1.5, y), QPointF(14.5, y));
        }
        p.setBrush(Accent);
        p.setPen(QColor(40, 100, 70));
        for (auto [x, i] : {std::pair{10.0, 0}, {5.0, 1}, {8.0, 2}})
            p.drawEllipse(QPointF(x, 3.5 + i * 4.5), 2.2, 2.2);
    });
}

QIcon OnTopGlyph()
{
    return Glyph([](QPainter& p) {
        p.setPen(QColor(90, 90, 90));
        p.setBrush(QColor(210, 210, 210));
        p.drawRect(QRectF(1.5, 7.5, 9, 7));
        p.setBrush(Accent);
        p.drawRect(QRectF(5.5, 2.5, 9, 7));
    });
}

QIcon AboutGlyph()
{
    return Glyph([](QPainter& p) {
        p.setPen(QColor(30, 90, 160));
        p.setBrush(QColor(60, 130, 210));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawPoint(QPointF(8, 4.8));
        p.drawLine(QPointF(8, 7.5), QPointF(8, 11.5));
    });
}

// A drive box with a mark telling its kind.
QIcon DriveGlyph(const QColor& body, const QString& mark)
{
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap pm = Canvas(size);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal s = size / 16.0;
        p.setPen(body.darker(170));
        p.setBrush(body);
        p.drawRoundedRect(QRectF(1.5 * s, 4.5 * s, 13 * s, 8 * s), 1.5 * s, 1.5 * s);
        p.setPen(Qt::white);
        QFont f = p.font();
        f.setPixelSize(int(7 * s));
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(1.5 * s, 4.5 * s, 13 * s, 8 * s), Qt::AlignCenter, mark);
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace

QIcon ProgramIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        for (int size : ProgramIconSizes)
            i.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
        return i;
    }();
    return icon;
}

QPixmap TrayPicture(int index)
{
    static const QColor tints[TrayIconCount] = {QColor(66, 182, 132), QColor(60, 130, 210), QColor(230, 160, 40),
                                                QColor(200, 70, 70),  QColor(150, 90, 200), QColor(120, 120, 120),
                                                QColor(40, 170, 190), QColor(220, 200, 60)};
    if (index < 0 || index >= TrayIconCount)
        index = 0;
    return Disc(32, tints[index]);
}

QList<QIcon> MenuImageList()
{
    QList<QIcon> list(12);
    list[0] = OpenGlyph();
    list[1] = PropertiesGlyph();
    list[2] = DeleteGlyph();
    list[4] = PrintGlyph();
    list[5] = PageGlyph(QStringLiteral("Aa"));
    list[6] = PageGlyph(QStringLiteral("0F"));
    list[8] = OptionsGlyph();
    list[9] = OnTopGlyph();
    list[10] = ProgramIcon();
    list[11] = AboutGlyph();
    return list;
}

QIcon DiskIcon(const QString& key)
{
    struct Kind {
        const char* key;
        QColor body;
        const char* mark;
    };
    static const Kind kinds[] = {
        {"A", QColor(70, 90, 140), "A"},         {"FIXED", QColor(110, 110, 120), "HD"},
        {"CD-ROM", QColor(170, 170, 180), "CD"}, {"REMOVABLE", QColor(60, 140, 110), "R"},
        {"REMOTE", QColor(60, 110, 170), "N"},   {"UNKNOWN", QColor(130, 130, 130), "?"},
    };
    const Kind* kind = &kinds[5];
    for (const Kind& k : kinds)
        if (key == QLatin1String(k.key))
            kind = &k;
    return DriveGlyph(kind->body, QString::fromLatin1(kind->mark));
}

void UseDesktopIconTheme()
{
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    QIcon::setFallbackThemeName(QStringLiteral("hicolor"));
}
