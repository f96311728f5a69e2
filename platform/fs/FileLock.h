#pragma once
// What keeps two processes from replacing one file at once: a lock per file,
// held over a whole read-modify-write.

#include <string>

// The exclusive lock of a file: flock on an empty lock file beside it, under
// a hidden name of the program's own (LockPath), which goes again when the
// lock is released. A lock file removed while another process waited for it
// is noticed and taken anew, so only one holder at a time ever counts.
// Whatever else is found under that name (a folder, a link, a FIFO, a file
// with data) is neither taken as the lock nor removed: the lock then fails.
class FileLock {
public:
    FileLock() = default;
    // Waits until the lock of file is ours. held() is false when the lock
    // file cannot be made or something else is in its place (errno in
    // error(), what is in the way in problem()).
    explicit FileLock(const std::string& file);
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    ~FileLock();

    bool held() const { return fd_ >= 0; }
    int error() const { return errno_; }
    // What kept the lock from being had, naming the lock file; error() tells
    // the rest ("" when nothing did).
    const std::string& problem() const { return problem_; }
    // The lock file that goes with file.
    static std::string LockPath(const std::string& file);

private:
    bool acquire(const std::string& file);
    bool fail(int err);
    void release();

    std::string lockPath_;
    std::string problem_;
    int fd_ = -1;
    int errno_ = 0;
};

// Where a replacement of path is written (a link is written through, see
// ResolveWriteTarget), locked for the caller until lock goes. False, with
// errno in errorCode and nothing locked, when a link leads nowhere, the
// lock cannot be taken, or the file has no write permission: a read-only
// file is refused as a write into it would be.
bool LockForReplacing(const std::string& path, std::string& target, FileLock& lock, int* errorCode);
