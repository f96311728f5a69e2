#pragma once
// A bitmap of a skin package decoded into a picture, after its header has
// shown that it is a Windows bitmap of a sensible size whose pixels the file
// really holds.

#include <QImage>

#include <string>

// Pictures wider or taller than this, or of more pixels, are refused.
inline constexpr int MaxSkinBitmapSide = 16384;
inline constexpr long long MaxSkinBitmapPixels = 4 << 20;

// Null, with why saying so, when bytes are not such a bitmap.
QImage DecodeSkinBitmap(const std::string& bytes, std::string& why);
