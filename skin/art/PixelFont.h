#pragma once
// A built-in 5 x 7 capital-letter font: the tab letters of the default skin
// and the captions of the bitmap sheet. Small letters are drawn as capitals;
// characters without a glyph advance as a blank.

#include "skin/art/PixelCanvas.h"

#include <string_view>

inline constexpr int GlyphWidth = 5;
inline constexpr int GlyphHeight = 7;
inline constexpr int GlyphAdvance = GlyphWidth + 1;

void DrawGlyph(PixelCanvas& canvas, int x, int y, char c, Rgb colour);
// One line from left to right; x, y is the top-left corner of the first glyph.
void DrawText(PixelCanvas& canvas, int x, int y, std::string_view text, Rgb colour);
int TextWidth(std::string_view text);
