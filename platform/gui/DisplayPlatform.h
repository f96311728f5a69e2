#pragma once
// Which display Qt is to use when the user named none: frameless windows place
// themselves and read the cursor, which only X11 allows, so X11 (XWayland in
// a Wayland session) comes first.

#include <cstdlib>

// Sets QT_QPA_PLATFORM unless the user set it; true when it did. With
// offscreenLast, a display that cannot be reached ends on "offscreen", for a
// caller that wants to tell that apart from a crash.
inline bool ChooseDisplayPlatform(bool offscreenLast)
{
    if (std::getenv("QT_QPA_PLATFORM"))
        return false;
    setenv("QT_QPA_PLATFORM", offscreenLast ? "xcb;wayland;offscreen" : "xcb;wayland", 1);
    return true;
}
