#pragma once
// The program's own pictures, painted by code so that they look the same on
// every desktop: the program icon (eight colourings for the tray), the menu
// icons by their image-list index, and the disk-type icons of the library.

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

inline constexpr int TrayIconCount = 8;

QIcon ProgramIcon();
// The notification-area pictures, 0..7 (out of range gives picture 0).
QPixmap TrayPicture(int index);

// The menus' 16 x 16 image list: 0 open, 1 properties, 2 delete, 4 print,
// 5 text view, 6 hex view, 8 options, 9 stay on top, 10 the program, 11 about;
// other indexes empty.
QList<QIcon> MenuImageList();

// By the library's icon keys: "A", "FIXED", "CD-ROM", "REMOVABLE", "REMOTE",
// "UNKNOWN" (any other key gives the unknown-disk icon).
QIcon DiskIcon(const QString& key);

// Makes the desktop's icon theme (file-type icons) findable where none is set.
void UseDesktopIconTheme();
