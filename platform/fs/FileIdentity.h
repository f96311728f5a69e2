#pragma once
// Which file a name leads to: its device and inode, and for a writer also its
// size and time, by which a writer sees that someone who took no lock
// replaced the file meanwhile.

#include <optional>
#include <string>
#include <sys/stat.h>

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    bool operator==(const FileIdentity& o) const;
};

FileIdentity IdentityOf(const struct stat& st);
// The file path leads to (links followed); nothing when there is none.
std::optional<FileIdentity> IdentityOf(const std::string& path);
// Whether name (in the folder dirFd, a link not followed) is still the file
// held was read from, so that only that file is ever removed by its name.
bool StillNamed(int dirFd, const char* name, const struct stat& held);
