#include "platform/fs/FileLock.h"

#include "platform/fs/AtomicFile.h"
#include "platform/fs/FileIdentity.h"
#include "platform/text/Messages.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
// A file the lock made and may remove: regular and empty (nobody writes to it).
bool isLockFile(const struct stat& st)
{
    return S_ISREG(st.st_mode) && st.st_size == 0;
}

// What is in the place of a lock file when it is none the lock made.
std::string whatIsThere(const struct stat& st)
{
    const std::size_t kind = S_ISDIR(st.st_mode)    ? 0
                             : S_ISLNK(st.st_mode)  ? 1
                             : S_ISFIFO(st.st_mode) ? 2
                             : S_ISSOCK(st.st_mode) ? 3
                             : S_ISREG(st.st_mode)  ? 4
                                                    : 5;
    return MessagePiece(MessageId::LockBlockers, kind);
}

// The errno for something that is no lock file in the lock file's place.
int errorFor(const struct stat& st)
{
    return S_ISDIR(st.st_mode) ? EISDIR : S_ISLNK(st.st_mode) ? ELOOP : EEXIST;
}
} // namespace

std::string FileLock::LockPath(const std::string& file)
{
    return TaggedNameBeside(file, "lock");
}

FileLock::FileLock(const std::string& file)
{
    acquire(file);
}

FileLock::FileLock(FileLock&& other) noexcept
    : lockPath_(std::move(other.lockPath_)), problem_(std::move(other.problem_)), fd_(std::exchange(other.fd_, -1)),
      errno_(other.errno_)
{
}

FileLock& FileLock::operator=(FileLock&& other) noexcept
{
    if (this != &other) {
        release();
        lockPath_ = std::move(other.lockPath_);
        problem_ = std::move(other.problem_);
        fd_ = std::exchange(other.fd_, -1);
        errno_ = other.errno_;
    }
    return *this;
}

FileLock::~FileLock()
{
    release();
}

bool FileLock::fail(int err)
{
    errno_ = err;
    struct stat st {};
    if (::lstat(lockPath_.c_str(), &st) == 0 && !isLockFile(st))
        problem_ = MessageText(MessageId::LockInTheWay, {whatIsThere(st), lockPath_});
    else
        problem_ = MessageText(MessageId::LockNotTaken, {lockPath_});
    return false;
}

bool FileLock::acquire(const std::string& file)
{
    lockPath_ = LockPath(file);
    for (;;) {
        // Only a missing name or an empty regular file is opened: a device or
        // a FIFO is never even opened, and one put there meanwhile is seen
        // by fstat (a FIFO does not block the open).
        struct stat found {};
        if (::lstat(lockPath_.c_str(), &found) == 0 && !isLockFile(found))
            return fail(errorFor(found));
        int fd = ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0600);
        if (fd < 0)
            return fail(errno);
        struct stat held {};
        if (::fstat(fd, &held) != 0 || !isLockFile(held)) {
            ::close(fd);
            return fail(errorFor(held));
        }
        int rc;
        while ((rc = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (rc != 0) {
            const int err = errno;
            ::close(fd);
            return fail(err);
        }
        // The holder before us may have removed the file we waited on.
        if (StillNamed(AT_FDCWD, lockPath_.c_str(), held)) {
            fd_ = fd;
            problem_.clear();
            return true;
        }
        ::close(fd);
    }
}

void FileLock::release()
{
    if (fd_ < 0)
        return;
    // Removed while still held: whoever waits on it then tries again. Only
    // the file this lock holds goes, never one put in its place.
    struct stat held {};
    if (::fstat(fd_, &held) == 0 && StillNamed(AT_FDCWD, lockPath_.c_str(), held))
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
