#pragma once
// The program's icon in the user's icon theme folder, where launchers and
// file managers look names up.

#include <string>
#include <vector>

// Writes the icon at each size as
// dataHome/icons/hicolor/NxN/apps/<name>.png and returns the paths; raises
// AppError on failure.
std::vector<std::string> InstallProgramIcon(const std::string& dataHome);
