#pragma once
// The program's work folder (tmp/ beside the program).

#include <string>

// Deletes what the program puts in folder, its tmp/ (an unpacked skin: its description
// and bitmaps) and nothing else, and only from a tmp/ the program made as
// its own: files of other names, sub-folders and links stay, nothing is
// followed, and a tmp/ that is a link is left alone. Failures are ignored:
// there is nothing to report.
void EmptyTmpFolder(const std::string& folder);
