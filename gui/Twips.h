#pragma once
// Stored places and sizes are twips: 15 to a logical pixel (96 dpi).

#include <cmath>

inline constexpr int TwipsPerPixel = 15;

constexpr long long TwipsFromPixels(int pixels)
{
    return static_cast<long long>(pixels) * TwipsPerPixel;
}

// Rounded to the nearest pixel, halves to even, as stored fractions read back.
inline int PixelsFromTwipsRounded(double twips)
{
    return static_cast<int>(std::nearbyint(twips / TwipsPerPixel));
}
