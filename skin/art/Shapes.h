#pragma once
// Outlines of the skin's pieces and the bevel that follows an outline.

#include "skin/art/PixelCanvas.h"

#include <functional>
#include <string>
#include <vector>

// Whether a pixel lies inside a shape.
using Shape = std::function<bool(int x, int y)>;

// A rectangle whose corners are rounded with radius r (pixel centres tested).
Shape RoundedRect(int left, int top, int width, int height, int radius);
Shape Rect(int left, int top, int width, int height);
// The pixels marked '#' in a small pattern whose top-left corner is at left, top.
Shape PatternShape(int left, int top, std::vector<std::string> rows);

struct BevelColours {
    Rgb outline; // the outermost ring
    Rgb light;   // the next ring, where it faces up or left
    Rgb shade;   // ... where it faces down or right
    Rgb corner;  // ... where it faces both ways
};

// Paints the outermost ring of the shape and the bevel ring inside it,
// leaving the rest of the canvas as it is.
void PaintBevel(PixelCanvas& canvas, const Shape& shape, const BevelColours& colours);

// Fills the pixels of the shape.
void FillShape(PixelCanvas& canvas, const Shape& inside, Rgb colour);
