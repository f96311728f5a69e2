#pragma once
// A file named relative to an open folder. A walk opens what it finds this
// way, so that folders deeper than PATH_MAX still work and a folder swapped
// for a link behind its back is never followed.

#include "platform/fs/UniqueFd.h"

#include <fcntl.h>
#include <string>

struct FileAt {
    int folder = AT_FDCWD; // an open folder, or AT_FDCWD when name is a whole path
    std::string name;      // relative to folder
    std::string path;      // the whole path, for messages

    static FileAt Path(const std::string& path) { return {AT_FDCWD, path, path}; }
};

// Opens the file for reading without blocking (a FIFO never hangs) and
// follows a final link; an empty handle, errno set, when that fails.
UniqueFd OpenForReading(const FileAt& file);
