#pragma once
// The user's folders that desktop integration writes into, from the XDG
// settings: the data home ($XDG_DATA_HOME, else ~/.local/share) and the
// desktop (XDG_DESKTOP_DIR of user-dirs.dirs, else ~/Desktop).

#include <string>

struct DesktopPlaces {
    std::string dataHome; // without a final "/"
    std::string desktop;  // empty when the user has switched the desktop off
};

DesktopPlaces UserDesktopPlaces();
