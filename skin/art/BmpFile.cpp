#include "skin/art/BmpFile.h"

#include <algorithm>
#include <stdexcept>

namespace {
constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int PixelsPerMetre = 3780; // 96 dots per inch

void put16(std::string& out, unsigned v)
{
    out += char(v & 0xFF);
    out += char(v >> 8 & 0xFF);
}

void put32(std::string& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::vector<Rgb> paletteOf(const PixelCanvas& canvas, int bitsPerPixel)
{
    if (bitsPerPixel == 24)
        return {};
    if (bitsPerPixel == 1)
        return {MakeRgb(0, 0, 0), MakeRgb(255, 255, 255)};
    std::vector<Rgb> colours = canvas.pixels();
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    if (colours.size() > 256)
        throw std::invalid_argument("more than 256 colours in an 8-bit bitmap");
    return colours;
}

std::size_t indexOf(const std::vector<Rgb>& palette, Rgb c)
{
    auto it = std::lower_bound(palette.begin(), palette.end(), c);
    if (it == palette.end() || *it != c)
        throw std::invalid_argument("a colour outside the bitmap's palette");
    return std::size_t(it - palette.begin());
}

std::string row(const PixelCanvas& canvas, int y, int bitsPerPixel, const std::vector<Rgb>& palette)
{
    const int w = canvas.width();
    std::string bytes(std::size_t((w * bitsPerPixel + 31) / 32 * 4), '\0');
    for (int x = 0; x < w; ++x) {
        const Rgb c = canvas.at(x, y);
        switch (bitsPerPixel) {
        case 1:
            if (indexOf(palette, c))
                bytes[std::size_t(x / 8)] = char(bytes[std::size_t(x / 8)] | (0x80 >> (x % 8)));
            break;
        case 8:
            bytes[std::size_t(x)] = char(indexOf(palette, c));
            break;
        default:
            bytes[std::size_t(x) * 3] = char(BlueOf(c));
            bytes[std::size_t(x) * 3 + 1] = char(GreenOf(c));
            bytes[std::size_t(x) * 3 + 2] = char(RedOf(c));
        }
    }
    return bytes;
}
} // namespace

std::string EncodeBmp(const PixelCanvas& canvas, int bitsPerPixel)
{
    if (bitsPerPixel != 1 && bitsPerPixel != 8 && bitsPerPixel != 24)
        throw std::invalid_argument("unsupported bitmap depth");
    const std::vector<Rgb> palette = paletteOf(canvas, bitsPerPixel);
    const std::uint32_t rowSize = std::uint32_t((canvas.width() * bitsPerPixel + 31) / 32 * 4);
    const std::uint32_t imageSize = rowSize * std::uint32_t(canvas.height());
    const std::uint32_t offset = FileHeaderSize + InfoHeaderSize + std::uint32_t(palette.size()) * 4;

    std::string out = "BM";
    put32(out, offset + imageSize);
    put32(out, 0);
    put32(out, offset);
    put32(out, InfoHeaderSize);
    put32(out, std::uint32_t(canvas.width()));
    put32(out, std::uint32_t(canvas.height()));
    put16(out, 1);
    put16(out, unsigned(bitsPerPixel));
    put32(out, 0); // no compression
    put32(out, imageSize);
    put32(out, PixelsPerMetre);
    put32(out, PixelsPerMetre);
    put32(out, std::uint32_t(palette.size()));
    put32(out, 0);
    for (Rgb c : palette) {
        out += char(BlueOf(c));
        out += char(GreenOf(c));
        out += char(RedOf(c));
        out += '\0';
    }
    for (int y = canvas.height() - 1; y >= 0; --y)
        out += row(canvas, y, bitsPerPixel, palette);
    return out;
}
