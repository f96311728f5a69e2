#pragma once
// The program's sign, a disc seen from above, painted at any size. Gui only
// (no application object needed), so that file writers can use it too.

#include <QColor>
#include <QImage>

// The sizes the program's icon comes in, in the window and in the icon theme.
inline constexpr int ProgramIconSizes[] = {16, 32, 48, 64, 128, 256};
// The icon's name in the icon theme.
inline constexpr const char* ProgramIconName = "corvanedisk";

// The program's own colour, the disc's in the window's icon.
QColor ProgramAccent();
QImage DiscImage(int size, const QColor& tint);
QImage ProgramIconImage(int size);
