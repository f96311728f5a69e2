#include "engine/archive/ArchiveBytes.h"

#include "platform/prompter/ErrorBox.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::size_t WindowSize = 64 * 1024;
}

ArchiveBytes::ArchiveBytes(const FileAt& file) : fd_(OpenForReading(file)), path_(file.path)
{
    if (!fd_)
        RaiseFromErrno(errno, path_);
    struct stat st {};
    if (::fstat(fd_.get(), &st) == 0 && S_ISREG(st.st_mode))
        size_ = std::uint64_t(st.st_size);
}

bool ArchiveBytes::read(std::uint64_t offset, std::size_t n, std::string_view& out)
{
    if (offset > size_ || n > size_ - offset)
        return false;
    if (offset < windowStart_ || offset + n > windowStart_ + window_.size()) {
        std::size_t want = std::size_t(std::min<std::uint64_t>(std::max(n, WindowSize), size_ - offset));
        window_.resize(want);
        std::size_t got = 0;
        while (got < want) {
            ssize_t r = ::pread(fd_.get(), window_.data() + got, want - got, off_t(offset + got));
            if (r < 0 && errno == EINTR)
                continue;
            if (r < 0) {
                window_.clear();
                RaiseFromErrno(errno, path_);
            }
            if (r == 0)
                break; // the file shrank while we read it
            got += std::size_t(r);
        }
        window_.resize(got);
        windowStart_ = offset;
        if (got < n)
            return false;
    }
    out = std::string_view(window_).substr(std::size_t(offset - windowStart_), n);
    return true;
}

bool ArchiveBytes::readUntilNul(std::uint64_t offset, std::size_t maxLength, std::string_view& out)
{
    std::string_view span;
    std::size_t n = std::size_t(std::min<std::uint64_t>(maxLength + 1, offset <= size_ ? size_ - offset : 0));
    if (!read(offset, n, span))
        return false;
    std::size_t nul = span.find('\0');
    if (nul == std::string_view::npos)
        return false;
    out = span.substr(0, nul);
    return true;
}
