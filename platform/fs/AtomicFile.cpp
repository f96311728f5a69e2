#include "platform/fs/AtomicFile.h"

#include "platform/fs/RenameNoReplace.h"
#include "platform/fs/UniqueFd.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::size_t BufferSize = 1 << 20;
constexpr std::string_view Tag = ".corvane-";
constexpr std::string_view TemporaryLetters = "XXXXXX"; // filled by mkostemp
constexpr std::time_t AbandonedAfter = 60 * 60;

// Whether name (no folder) is one mkostemp made from a TaggedNameBeside
// pattern: a copy is ".", a file name, the tag and six letters or digits.
bool isTemporaryName(std::string_view name)
{
    constexpr std::string_view Letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    if (name.size() <= 1 + Tag.size() + TemporaryLetters.size() || name.front() != '.')
        return false;
    const std::size_t lettersAt = name.size() - TemporaryLetters.size();
    return name.substr(lettersAt - Tag.size(), Tag.size()) == Tag &&
           name.substr(lettersAt).find_first_not_of(Letters) == std::string_view::npos;
}

// Removes the abandoned copies in folder whose names start with prefix.
void removeAbandonedCopies(const std::string& folder, std::string_view prefix, std::time_t now)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(prefix) || !isTemporaryName(name))
            continue;
        // Never follows a link nor waits on a FIFO; a writer still at work
        // holds the copy's lock.
        const UniqueFd fd(::openat(dirFd, entry->d_name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
        struct stat held {};
        if (fd && ::fstat(fd.get(), &held) == 0 && S_ISREG(held.st_mode) &&
            now - held.st_mtim.tv_sec >= AbandonedAfter && ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0 &&
            StillNamed(dirFd, entry->d_name, held))
            ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(dir);
}

mode_t currentUmask()
{
    mode_t mask = umask(0);
    umask(mask);
    return mask;
}
} // namespace

AtomicFileWriter::~AtomicFileWriter()
{
    abort();
}

bool AtomicFileWriter::fail(const char* what)
{
    errno_ = errno;
    error_ = std::string(what) + " " + target_ + ": " + std::strerror(errno_);
    abort();
    return false;
}

bool AtomicFileWriter::open(const std::string& targetPath, std::optional<mode_t> permissions)
{
    abort();
    target_ = targetPath;
    error_.clear();
    errno_ = 0;
    changed_ = false;
    keepExisting_ = false;
    expected_.reset();
    std::string pattern = TaggedNameBeside(targetPath, TemporaryLetters);
    const std::size_t nameStart = pattern.rfind('/') + 1; // npos + 1 is 0
    removeAbandonedCopies(
        nameStart == 0 ? "." : pattern.substr(0, nameStart),
        std::string_view(pattern).substr(nameStart, pattern.size() - nameStart - TemporaryLetters.size()),
        std::time(nullptr));
    fd_ = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0)
        return fail("cannot create");
    temp_ = pattern;
    // A second descriptor of the same open file keeps the lock after fd_ is
    // closed, up to the rename.
    lockFd_ = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
    if (lockFd_ < 0 || ::flock(lockFd_, LOCK_EX | LOCK_NB) != 0)
        return fail("cannot create");
    struct stat st;
    mode_t mode = permissions                              ? *permissions
                  : (::stat(targetPath.c_str(), &st) == 0) ? (st.st_mode & 07777)
                                                           : (0666 & ~currentUmask());
    fchmod(fd_, mode);
    buffer_.reserve(BufferSize);
    return true;
}

bool AtomicFileWriter::writeAll(std::string_view data)
{
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        ssize_t n = ::write(fd_, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail("cannot write");
        }
        p += n;
        left -= std::size_t(n);
    }
    return true;
}

bool AtomicFileWriter::flushBuffer()
{
    if (!writeAll(buffer_))
        return false;
    buffer_.clear();
    return true;
}

bool AtomicFileWriter::write(std::string_view data)
{
    if (fd_ < 0)
        return false;
    if (buffer_.size() + data.size() > BufferSize && !flushBuffer())
        return false;
    if (data.size() >= BufferSize)
        return writeAll(data);
    buffer_.append(data);
    return true;
}

bool AtomicFileWriter::checkWritten(const std::function<bool(int fd)>& check)
{
    if (fd_ < 0 || !flushBuffer())
        return false;
    if (::lseek(fd_, 0, SEEK_SET) != 0)
        return fail("cannot read back");
    return check(fd_);
}

bool AtomicFileWriter::commit()
{
    if (fd_ < 0)
        return false;
    if (!flushBuffer())
        return false;
    if (::fsync(fd_) != 0 && errno != EINVAL)
        return fail("cannot flush");
    if (::close(fd_) != 0) {
        fd_ = -1;
        return fail("cannot close");
    }
    fd_ = -1;
    if (auto& hook = BeforeReplace())
        hook(target_);
    if (expected_ && IdentityOf(target_) != expected_) {
        changed_ = true;
        errno_ = ESTALE;
        error_ = target_ + " changed meanwhile; nothing was written";
        abort();
        return false;
    }
    if ((keepExisting_ ? RenameNoReplace(temp_, target_) : ::rename(temp_.c_str(), target_.c_str())) != 0)
        return fail("cannot replace");
    temp_.clear();
    abort(); // lets the lock go
    return true;
}

void AtomicFileWriter::abort()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
    if (lockFd_ >= 0) {
        ::close(lockFd_);
        lockFd_ = -1;
    }
    buffer_.clear();
}

std::function<void(const std::string&)>& AtomicFileWriter::BeforeReplace()
{
    static std::function<void(const std::string&)> hook;
    return hook;
}

void RemoveAbandonedTemporaryFiles(const std::string& folder, std::time_t now)
{
    removeAbandonedCopies(folder, ".", now);
}

bool WriteFileAtomically(const std::string& path, std::string_view data, int* errorCode)
{
    AtomicFileWriter w;
    bool ok = w.open(path) && w.write(data) && w.commit();
    if (!ok && errorCode)
        *errorCode = w.errorCode();
    return ok;
}

std::size_t FileNameLimit(const std::string& folder)
{
    long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? std::size_t(limit) : NAME_MAX;
}

std::string TaggedNameBeside(const std::string& path, std::string_view what)
{
    const std::size_t baseStart = path.rfind('/') + 1; // npos + 1 is 0
    const std::size_t limit = FileNameLimit(baseStart == 0 ? "." : path.substr(0, baseStart));
    const std::size_t added = 1 + Tag.size() + what.size();
    const std::size_t room = limit > added ? limit - added : 0;
    return path.substr(0, baseStart) + "." + path.substr(baseStart, room) + std::string(Tag) + std::string(what);
}

bool ResolveWriteTarget(const std::string& path, std::string& target, int* errorCode)
{
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        target = path;
        return true;
    }
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) {
        if (errorCode)
            *errorCode = errno;
        return false;
    }
    target = resolved;
    std::free(resolved);
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& out, int* errorCode, std::size_t maxSize, FileIdentity* readAs)
{
    out.clear();
    auto fail = [&](int err) {
        if (errorCode)
            *errorCode = err;
        return false;
    };
    // Non-blocking: a FIFO must not wait for a writer that never comes.
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0)
        return fail(errno);
    struct stat st;
    if (::fstat(fd.get(), &st) != 0)
        return fail(errno);
    if (!S_ISREG(st.st_mode))
        return fail(EINVAL);
    if (std::uint64_t(st.st_size) > maxSize)
        return fail(EFBIG);
    if (readAs)
        *readAs = IdentityOf(st);
    out.reserve(std::size_t(st.st_size));
    char buf[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (n == 0)
            return true;
        // A file that grows while it is read stops at the limit too.
        if (out.size() + std::size_t(n) > maxSize)
            return fail(EFBIG);
        out.append(buf, std::size_t(n));
    }
}
