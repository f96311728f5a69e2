#pragma once
// Addresses on the web that the program talks to. No real server is known
// yet: the defaults are reserved names that never resolve. The build sets the
// real one with -DCORVANE_UPDATE_SERVER=http://host (see the README).

#ifndef CORVANE_UPDATE_SERVER
#define CORVANE_UPDATE_SERVER "http://update.corvanedisk.invalid"
#endif

// Scheme and host (and a path prefix, if any) that "/file/..." is added to.
inline constexpr const char* UpdateServerAddress = CORVANE_UPDATE_SERVER;
