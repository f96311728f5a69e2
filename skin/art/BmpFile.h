#pragma once
// Windows bitmap files (BITMAPINFOHEADER, bottom-up rows, no compression) of
// a canvas: 1 bit per pixel (black and white only), 8 bits (a palette of the
// canvas's own colours, in increasing order, at most 256) or 24 bits.

#include "skin/art/PixelCanvas.h"

#include <string>

// Throws std::invalid_argument when the canvas does not fit the depth.
std::string EncodeBmp(const PixelCanvas& canvas, int bitsPerPixel);
