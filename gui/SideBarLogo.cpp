#include "gui/SideBarLogo.h"

#include "platform/gui/WinColor.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>

SideBarLogo::SideBarLogo()
{
    // Both through their setters, so that the components are filled.
    startColor_ = 1;
    setStartColor(0);
    setEndColor(SysColorButtonFace);
}

SideBarLogo::Rgb SideBarLogo::components(std::uint32_t color)
{
    QColor c = FromWinColor(color);
    return {c.red(), c.green(), c.blue()};
}

void SideBarLogo::setColor(std::uint32_t& stored, Rgb& parts, std::uint32_t color)
{
    if (color == stored)
        return;
    stored = color;
    parts = components(color);
    if (surface_)
        draw();
}

void SideBarLogo::setStartColor(std::uint32_t color)
{
    setColor(startColor_, start_, color);
}

void SideBarLogo::setEndColor(std::uint32_t color)
{
    setColor(endColor_, end_, color);
}

void SideBarLogo::draw()
{
    if (!surface_)
        return;
    const int H = surface_->height();
    const int W = surface_->width();
    if (H < 1 || W < 1)
        return; // nothing to paint on
    QPixmap picture(W, H);
    QPainter p(&picture);
    const int B = bandHeight(H);
    const int dr = end_.r - start_.r, dg = end_.g - start_.g, db = end_.b - start_.b;
    Rgb current = start_;
    int bottom = H;
    // Bands from the bottom up; the colour steps after each band, so the
    // first two bands share the start colour.
    for (int y = H; y >= 0; y -= B) {
        p.fillRect(0, bottom - B, W, B, QColor(current.r, current.g, current.b));
        bottom -= B;
        auto step = [&](int delta, int from) { return int(std::nearbyint(double(H - y) * delta / H)) + from; };
        current = {step(dr, start_.r), step(dg, start_.g), step(db, start_.b)};
    }
    int captionY = H - 2;
    if (iconIndex_ > 0 && iconIndex_ < images_.size()) {
        p.drawPixmap((W - 16) / 2, H - 18, 16, 16, images_[iconIndex_]);
        captionY = H - 20;
    }
    // As much room above the caption as below it.
    if (const std::optional<QFont> font = captionFont(surface_->font(), caption_, captionY - 2, &picture)) {
        p.setFont(*font);
        p.setPen(surface_->palette().color(QPalette::WindowText));
        p.translate(0, captionY);
        p.rotate(-90);
        p.drawText(0, p.fontMetrics().ascent(), caption_);
    }
    p.end();
    surface_->setPixmap(picture);
}

std::optional<QFont> SideBarLogo::captionFont(QFont font, const QString& caption, int room, QPaintDevice* device)
{
    auto fits = [&](const QFont& f) { return QFontMetricsF(f, device).horizontalAdvance(caption) <= room; };
    if (font.pointSizeF() <= 0) // sized in pixels: as it is or not at all
        return fits(font) ? std::optional(font) : std::nullopt;
    for (double size = font.pointSizeF();; size = std::max(LeastCaptionPoints, size - 0.5)) {
        font.setPointSizeF(size);
        if (fits(font))
            return font;
        if (size <= LeastCaptionPoints)
            return std::nullopt;
    }
}
