#pragma once
// "Catalog with CorvaneDisk" in the folder menus of the file managers: a KDE
// service menu, a GNOME Files script and a Nemo action, each running the
// program with "-d:" and the chosen folder. Action files only: nothing that
// could become the desktop's default opener for folders.

#include "options/DesktopPlaces.h"

#include <string>
#include <vector>

class Prompter;

inline constexpr const char* FolderVerbName = "Catalog with CorvaneDisk";

// Writes the three files in full for programPath (an absolute path) below
// places.dataHome and returns their paths; raises AppError on failure.
std::vector<std::string> WriteFolderVerb(const std::string& programPath, const DesktopPlaces& places);

// The options button: WriteFolderVerb for the user's folders, a failure shown
// in the common error box on prompter; true when written.
bool RebuildFolderVerb(Prompter& prompter, const std::string& programPath);
