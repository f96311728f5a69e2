#pragma once
// Moves a file to another place without ever losing it: a rename where the
// file system allows one, else a copy that is read back and compared with
// the file before it takes the target's name and the file is removed.

#include <string>

// Moves source to target (full paths). With replace an existing file at
// target is replaced; without, a file there (even one put there meanwhile)
// stays and the move fails naming it. The copy keeps the file's permissions and modification time.
// Only a regular file is moved or copied. A target that is the source by another road
// (a hard link, a link, a bind mount) is refused before anything is written.
// Raises AppError on failure: the source is then still there, and no
// partial copy is left behind.
void MoveFileTo(const std::string& source, const std::string& target, bool replace);
