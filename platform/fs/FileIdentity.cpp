#include "platform/fs/FileIdentity.h"

#include <fcntl.h>

bool FileIdentity::operator==(const FileIdentity& o) const
{
    return sameFile(o) && size == o.size && modified.tv_sec == o.modified.tv_sec &&
           modified.tv_nsec == o.modified.tv_nsec;
}

FileIdentity IdentityOf(const struct stat& st)
{
    return FileIdentity{st.st_dev, st.st_ino, st.st_size, st.st_mtim};
}

std::optional<FileIdentity> IdentityOf(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return IdentityOf(st);
}

bool SameFile(const std::string& a, const std::string& b)
{
    const std::optional<FileIdentity> ia = IdentityOf(a), ib = IdentityOf(b);
    return ia && ib && ia->sameFile(*ib);
}

bool StillNamed(int dirFd, const char* name, const struct stat& held)
{
    struct stat named {};
    return ::fstatat(dirFd, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && named.st_dev == held.st_dev &&
           named.st_ino == held.st_ino;
}
