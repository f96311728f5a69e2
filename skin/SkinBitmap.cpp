#include "skin/SkinBitmap.h"

#include <cstdint>
#include <cstdlib>

namespace {
std::uint32_t le(const std::string& b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | std::uint8_t(b[at + std::size_t(i)]);
    return v;
}

constexpr std::size_t FileHeaderSize = 14;
constexpr std::uint32_t CoreHeaderSize = 12; // the old header with 16-bit sizes
constexpr std::uint32_t Uncompressed = 0, BitFields = 3;
} // namespace

QImage DecodeSkinBitmap(const std::string& bytes, std::string& why)
{
    if (bytes.size() < FileHeaderSize + CoreHeaderSize || bytes.compare(0, 2, "BM") != 0) {
        why = "not a bitmap";
        return {};
    }
    const std::uint32_t offset = le(bytes, 10, 4);
    const std::uint32_t header = le(bytes, 14, 4);
    const bool core = header == CoreHeaderSize;
    if (!core && (header < 40 || bytes.size() < FileHeaderSize + 40)) {
        why = "not a bitmap";
        return {};
    }
    // Signed before the choice: a common unsigned type would turn -10 into 4294967286.
    const long long width =
        core ? static_cast<long long>(le(bytes, 18, 2)) : static_cast<long long>(std::int32_t(le(bytes, 18, 4)));
    const long long signedHeight =
        core ? static_cast<long long>(le(bytes, 20, 2)) : static_cast<long long>(std::int32_t(le(bytes, 22, 4)));
    const long long height = std::llabs(signedHeight); // negative: rows stored top down
    const int depth = int(le(bytes, core ? 24 : 28, 2));
    const std::uint32_t compression = core ? Uncompressed : le(bytes, 30, 4);
    if (width < 1 || height < 1 || width > MaxSkinBitmapSide || height > MaxSkinBitmapSide ||
        width * height > MaxSkinBitmapPixels) {
        why = "a picture of " + std::to_string(width) + " x " + std::to_string(signedHeight) + " pixels";
        return {};
    }
    if (compression == Uncompressed || compression == BitFields) {
        const long long rowBytes = (width * depth + 31) / 32 * 4;
        if (offset > bytes.size() || rowBytes * height > static_cast<long long>(bytes.size() - offset)) {
            why = "cut short";
            return {};
        }
    }
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), qsizetype(bytes.size()), "BMP")) {
        why = "not a readable bitmap";
        return {};
    }
    return image;
}
