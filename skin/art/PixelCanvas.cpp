#include "skin/art/PixelCanvas.h"

#include <algorithm>

Rgb Mix(Rgb a, Rgb b, int weight)
{
    auto part = [weight](int x, int y) { return (x * (256 - weight) + y * weight + 128) >> 8; };
    return MakeRgb(part(RedOf(a), RedOf(b)), part(GreenOf(a), GreenOf(b)), part(BlueOf(a), BlueOf(b)));
}

PixelCanvas::PixelCanvas(int width, int height, Rgb fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(std::size_t(width_) * std::size_t(height_), fill)
{
}

void PixelCanvas::set(int x, int y, Rgb c)
{
    if (contains(x, y))
        pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = c;
}

void PixelCanvas::fill(int x, int y, int w, int h, Rgb c)
{
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + w, width_), y1 = std::min(y + h, height_);
    for (int row = y0; row < y1; ++row)
        std::fill_n(pixels_.begin() + std::ptrdiff_t(row) * width_ + x0, std::max(x1 - x0, 0), c);
}

void PixelCanvas::stamp(int x, int y, std::initializer_list<const char*> rows, Rgb c)
{
    for (const char* row : rows) {
        for (int col = 0; row[col]; ++col)
            if (row[col] == '#')
                set(x + col, y, c);
        ++y;
    }
}

void PixelCanvas::blit(const PixelCanvas& source, int x, int y)
{
    blitScaled(source, x, y, 1);
}

void PixelCanvas::blitScaled(const PixelCanvas& source, int x, int y, int scale)
{
    for (int sy = 0; sy < source.height(); ++sy)
        for (int sx = 0; sx < source.width(); ++sx)
            fill(x + sx * scale, y + sy * scale, scale, scale, source.at(sx, sy));
}
