#pragma once
// A picture as plain RGB pixels (0xRRGGBB), painted pixel by pixel so that
// the same code gives the same bytes on every machine: no system fonts, no
// anti-aliasing of a graphics library.

#include <cstdint>
#include <initializer_list>
#include <vector>

using Rgb = std::uint32_t;

constexpr Rgb MakeRgb(int r, int g, int b)
{
    return Rgb((r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF));
}
constexpr int RedOf(Rgb c)
{
    return int(c >> 16 & 0xFF);
}
constexpr int GreenOf(Rgb c)
{
    return int(c >> 8 & 0xFF);
}
constexpr int BlueOf(Rgb c)
{
    return int(c & 0xFF);
}

// a and b mixed: weight parts of b in 256 (0 gives a, 256 gives b).
Rgb Mix(Rgb a, Rgb b, int weight);

class PixelCanvas {
public:
    PixelCanvas(int width, int height, Rgb fill = 0);

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Rgb at(int x, int y) const { return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]; }
    const std::vector<Rgb>& pixels() const { return pixels_; }

    // Everything below clips at the edges.
    void set(int x, int y, Rgb c);
    void fill(int x, int y, int w, int h, Rgb c);
    void hline(int x, int y, int w, Rgb c) { fill(x, y, w, 1, c); }
    void vline(int x, int y, int h, Rgb c) { fill(x, y, 1, h, c); }
    // Sets the pixels marked '#' in rows of a small pattern, top-left at x, y.
    void stamp(int x, int y, std::initializer_list<const char*> rows, Rgb c);
    void blit(const PixelCanvas& source, int x, int y);
    // Each pixel of source becomes a scale x scale block.
    void blitScaled(const PixelCanvas& source, int x, int y, int scale);

private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};
