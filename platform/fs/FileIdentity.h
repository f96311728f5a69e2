#pragma once
// Which file a name leads to: its device and inode, and for a writer also its
// size and time, so that a file replaced or rewritten meanwhile is seen. Two
// spellings (a link, a hard link, a bind mount) may lead to one file.

#include <optional>
#include <string>
#include <sys/stat.h>

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    bool operator==(const FileIdentity& o) const;
    // The same file, whatever was written to it.
    bool sameFile(const FileIdentity& o) const { return device == o.device && inode == o.inode; }
};

FileIdentity IdentityOf(const struct stat& st);
// The file path leads to (links followed); nothing when there is none.
std::optional<FileIdentity> IdentityOf(const std::string& path);
// Whether a and b lead to one file or folder (links followed); false when
// either leads nowhere.
bool SameFile(const std::string& a, const std::string& b);
// Whether name (in the folder dirFd, a link not followed) is still the file
// held was read from, so that only that file is ever removed by its name.
bool StillNamed(int dirFd, const char* name, const struct stat& held);
