#include "platform/fs/FileLock.h"

#include "platform/fs/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

bool FileIdentity::operator==(const FileIdentity& o) const
{
    return device == o.device && inode == o.inode && size == o.size && modified.tv_sec == o.modified.tv_sec &&
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

std::string FileLock::LockPath(const std::string& file)
{
    // Cut like a temporary name, so that a name at the file system's limit
    // still has a lock.
    return WithSuffixThatFits(file, ".lock");
}

FileLock::FileLock(const std::string& file)
{
    acquire(file, true);
}

FileLock FileLock::TryLock(const std::string& file)
{
    FileLock lock;
    lock.acquire(file, false);
    return lock;
}

FileLock::FileLock(FileLock&& other) noexcept
    : lockPath_(std::move(other.lockPath_)), fd_(std::exchange(other.fd_, -1)), errno_(other.errno_)
{
}

FileLock& FileLock::operator=(FileLock&& other) noexcept
{
    if (this != &other) {
        release();
        lockPath_ = std::move(other.lockPath_);
        fd_ = std::exchange(other.fd_, -1);
        errno_ = other.errno_;
    }
    return *this;
}

FileLock::~FileLock()
{
    release();
}

bool FileLock::acquire(const std::string& file, bool wait)
{
    lockPath_ = LockPath(file);
    for (;;) {
        int fd = ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            errno_ = errno;
            return false;
        }
        int rc;
        while ((rc = ::flock(fd, wait ? LOCK_EX : LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
        }
        if (rc != 0) {
            errno_ = errno;
            ::close(fd);
            return false;
        }
        // The holder before us may have removed the file we waited on.
        struct stat held {
        }, named{};
        if (::fstat(fd, &held) == 0 && ::lstat(lockPath_.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
            held.st_ino == named.st_ino) {
            fd_ = fd;
            return true;
        }
        ::close(fd);
    }
}

void FileLock::release()
{
    if (fd_ < 0)
        return;
    // Removed while still held: whoever waits on it then tries again.
    ::unlink(lockPath_.c_str());
    ::close(fd_);
    fd_ = -1;
}

bool LockForReplacing(const std::string& path, std::string& target, FileLock& lock, int* errorCode)
{
    auto fail = [&](int err) {
        if (errorCode)
            *errorCode = err;
        return false;
    };
    if (!ResolveWriteTarget(path, target, errorCode))
        return false;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        // access() says yes to root for any file, so the mode's write bits
        // are looked at too: a file nobody may write is never replaced.
        if ((st.st_mode & 0222) == 0)
            return fail(EACCES);
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            return fail(errno);
    }
    lock = FileLock(target);
    return lock.held() || fail(lock.error());
}
