#include "options/DesktopPlaces.h"

#include <QDir>
#include <QStandardPaths>

DesktopPlaces UserDesktopPlaces()
{
    DesktopPlaces places;
    places.dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
    QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    // user-dirs.dirs sets the desktop to the home folder to say there is none.
    if (QDir(desktop) != QDir::home())
        places.desktop = desktop.toStdString();
    return places;
}
