#pragma once
// Places of windows: twips on the primary screen, kept on the screens.

#include <QRect>

// A window's place and size in twips.
struct TwipsRect {
    long long left = 0, top = 0, width = 0, height = 0;
};

// The left (or top) that centres size on the primary screen, rounded to a
// whole twip with halves going to the even one.
long long CentredLeftTwips(long long width);
long long CentredTopTwips(long long height);

QRect PixelRect(const TwipsRect& twips);

// The window's rectangle when it lies wholly on the screens; otherwise moved
// (never resized) onto the screen it overlaps most, else the primary one.
QRect KeptOnScreen(QRect r);
