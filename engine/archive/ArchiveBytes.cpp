#include "engine/archive/ArchiveBytes.h"

#include "platform/prompter/ErrorBox.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ArchiveBytes::ArchiveBytes(const FileAt& file, std::size_t window)
    : fd_(OpenForReading(file)), path_(file.path), windowSize_(std::max<std::size_t>(window, 1))
{
    if (!fd_)
        RaiseFromErrno(errno, path_);
    struct stat st {};
    if (::fstat(fd_.get(), &st) == 0 && S_ISREG(st.st_mode))
        size_ = std::uint64_t(st.st_size);
}

std::size_t ArchiveBytes::heldFrom(std::uint64_t offset) const
{
    if (offset < windowStart_ || offset - windowStart_ >= held_)
        return 0;
    return held_ - std::size_t(offset - windowStart_);
}

void ArchiveBytes::moveWindow(std::uint64_t offset, std::size_t n)
{
    const std::size_t want = std::size_t(std::min<std::uint64_t>(std::max(n, windowSize_), size_ - offset));
#ifdef CORVANE_SANITIZE
    // A fresh buffer at every move, the old one freed: a view kept across a
    // read then points into freed memory, which the sanitizer reports.
    const bool fresh = true;
#else
    const bool fresh = want > capacity_;
#endif
    if (fresh) {
        window_ = std::make_unique_for_overwrite<char[]>(want);
        capacity_ = want;
    }
    held_ = 0; // should the read fail
    windowStart_ = offset;
    held_ = readAt(offset, window_.get(), want);
}

std::size_t ArchiveBytes::readAt(std::uint64_t offset, char* to, std::size_t n)
{
    std::size_t got = 0;
    while (got < n) {
        const ssize_t r = ::pread(fd_.get(), to + got, n - got, off_t(offset + got));
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            RaiseFromErrno(errno, path_);
        if (r == 0)
            break; // the file shrank while we read it
        got += std::size_t(r);
    }
    return got;
}

bool ArchiveBytes::read(std::uint64_t offset, std::size_t n, std::string_view& out)
{
    if (offset > size_ || n > size_ - offset)
        return false;
    if (offset < windowStart_ || offset - windowStart_ + n > held_) {
        moveWindow(offset, n);
        if (held_ < n)
            return false;
    }
    out = std::string_view(window_.get() + (offset - windowStart_), n);
    return true;
}

bool ArchiveBytes::copy(std::uint64_t offset, std::size_t n, std::string& out)
{
    if (offset > size_ || n > size_ - offset)
        return false;
    out.resize(n);
    out.resize(readAt(offset, out.data(), n));
    return out.size() == n;
}

bool ArchiveBytes::readUntilNul(std::uint64_t offset, std::size_t maxLength, std::string_view& out)
{
    if (offset > size_)
        return false;
    const std::size_t limit = std::size_t(std::min<std::uint64_t>(std::uint64_t(maxLength) + 1, size_ - offset));
    // What the window holds first; then a window's worth, and twice as much
    // at each further try.
    std::size_t n = std::min(heldFrom(offset), limit);
    for (;;) {
        std::string_view span;
        if (!read(offset, n, span))
            return false;
        const std::size_t nul = span.find('\0');
        if (nul != std::string_view::npos) {
            out = span.substr(0, nul);
            return true;
        }
        if (n == limit)
            return false;
        n = std::min(limit, std::max(windowSize_, 2 * n));
    }
}
