#pragma once
// One picture for a person to judge the default skin: every bitmap enlarged
// with its name, size and depth, then the windows as the skin lays them out.

#include "skin/art/PixelCanvas.h"

PixelCanvas PaintBitmapSheet();
