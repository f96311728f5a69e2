#pragma once
// The launcher "CorvaneDisk v2.0.0" on the user's desktop: a desktop entry
// that starts the program without arguments.

#include "options/DesktopPlaces.h"
#include "options/ProgramVersion.h"

#include <string>

class Prompter;

inline constexpr const char* DesktopLauncherName = VersionedProgramName;

// Writes the launcher in full for programPath (an absolute path) into
// places.desktop and returns its path. A missing desktop folder is not made:
// AppError, like every other failure.
std::string WriteDesktopLauncher(const std::string& programPath, const DesktopPlaces& places);

// The options button: WriteDesktopLauncher for the user's desktop, a failure
// shown in the common error box on prompter; true when written.
bool AddDesktopLauncher(Prompter& prompter, const std::string& programPath);
