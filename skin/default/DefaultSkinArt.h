#pragma once
// The pictures of the default skin, painted by our own code: a dark grey
// body, one blue accent for what is selected, hovered or ticked.

#include "skin/art/PixelCanvas.h"

#include <string>
#include <vector>

struct SkinArt {
    std::string name; // the member's base name, lower case ("fond_save")
    int bitsPerPixel;
    PixelCanvas picture;
};

// The 34 pictures in the order the package holds them.
std::vector<SkinArt> PaintDefaultSkin();
