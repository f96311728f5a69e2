#include "platform/fs/RenameNoReplace.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

int RenameNoReplace(const std::string& from, const std::string& to)
{
    if (auto& hook = BeforeRenameNoReplace())
        hook(to);
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    struct stat st {};
    if (::lstat(to.c_str(), &st) == 0) {
        errno = EEXIST;
        return -1;
    }
    return ::rename(from.c_str(), to.c_str());
}

std::function<void(const std::string&)>& BeforeRenameNoReplace()
{
    static std::function<void(const std::string&)> hook;
    return hook;
}
