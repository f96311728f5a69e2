#pragma once
// The usage pie of the catalog properties: an ellipse of radii 70 x 35 about
// the picture's centre, the used share in magenta counter-clockwise from
// 3 o'clock, the rest in blue, and a rim 10 pixels deep under the lower half
// in the darker colour of the share above it.

#include <QColor>
#include <QImage>
#include <QSize>

inline const QColor PieUsedColor{255, 0, 255};
inline const QColor PieFreeColor{0, 0, 255};
inline const QColor PieUsedRimColor{128, 0, 128};
inline const QColor PieFreeRimColor{0, 0, 128};

// percent: the used share, 0 to 100 (outside that range it is clamped).
QImage DrawUsagePie(int percent, QSize size, const QColor& background);
