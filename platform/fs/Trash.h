#pragma once
// The desktop's trash, laid out as file managers share it (Trash/files, Trash/info). A
// file goes to the trash of its own volume, found from its real folder (links
// resolved): the home trash ($XDG_DATA_HOME/Trash, else ~/.local/share/Trash)
// when it lies on that trash's mount, else the top folder's $topdir/.Trash/$uid
// (where the administrator made a sticky .Trash) or $topdir/.Trash-$uid, whose
// info files hold paths from $topdir. A bind mount of a folder inside a volume
// has no top folder: only the home trash can take its files. A missing trash
// is made, its folders with mode 0700.

#include <string>

// Renames the file (native bytes, absolute) into the trash's files/ beside
// its info/*.trashinfo. It never lands anywhere else: when no trash can be
// used, raises AppError saying why, and the file stays where it was. The
// mounts are read from mountTable (mountinfo's format).
void MoveToTrash(const std::string& path, const std::string& mountTable = "/proc/self/mountinfo");
