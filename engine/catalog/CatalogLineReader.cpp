#include "engine/catalog/CatalogLineReader.h"

#include "engine/catalog/CatalogFile.h"
#include "platform/fs/ReadSome.h"
#include "platform/prompter/ErrorBox.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CatalogLineReader::CatalogLineReader(const std::string& path, std::size_t chunk) : path_(path), buffer_(chunk)
{
    // Non-blocking open: a FIFO given as a catalog must not hang the program.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0)
        RaiseFromErrno(errno, path);
    struct stat st;
    if (::fstat(fd_, &st) != 0) {
        int err = errno;
        ::close(fd_);
        RaiseFromErrno(err, path);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd_);
        RaiseNotACatalog(path, "not a regular file");
    }
}

CatalogLineReader::~CatalogLineReader()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool CatalogLineReader::fill()
{
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size()) {
        // The buffer holds one unfinished line: at the limit, a CR and an LF still fit.
        if (end_ > MaxCatalogLineLength + 1)
            RaiseLineTooLong(path_);
        buffer_.resize(std::min(buffer_.size() * 2, MaxCatalogLineLength + 2));
    }
    const std::size_t n = ReadSome(fd_, buffer_.data() + end_, buffer_.size() - end_, path_);
    eof_ = n == 0;
    end_ += n;
    return n > 0;
}

bool CatalogLineReader::next(std::string_view& line)
{
    std::size_t scanned = begin_;
    for (;;) {
        const char* base = buffer_.data();
        auto* nl = static_cast<const char*>(std::memchr(base + scanned, '\n', end_ - scanned));
        std::size_t stop = nl ? std::size_t(nl - base) : end_;
        if (nl || (eof_ && begin_ < end_)) {
            std::size_t len = stop - begin_;
            if (len > 0 && base[begin_ + len - 1] == '\r')
                --len;
            line = std::string_view(base + begin_, len);
            CheckLineLength(line, path_);
            begin_ = nl ? stop + 1 : end_;
            return true;
        }
        if (eof_)
            return false;
        std::size_t done = end_ - begin_;
        fill();
        scanned = begin_ + done;
    }
}

bool CatalogLineReader::nextBlock(std::string_view& block)
{
    for (;;) {
        const char* base = buffer_.data();
        auto* nl = static_cast<const char*>(memrchr(base + begin_, '\n', end_ - begin_));
        std::size_t stop = nl ? std::size_t(nl - base) + 1 : (eof_ ? end_ : begin_);
        if (stop > begin_) {
            block = std::string_view(base + begin_, stop - begin_);
            checkLines(block);
            begin_ = stop;
            return true;
        }
        if (eof_)
            return false;
        fill();
    }
}

void CatalogLineReader::checkLines(std::string_view block) const
{
    // Only a buffer grown past the limit can hold a line that breaks it.
    if (buffer_.size() <= MaxCatalogLineLength)
        return;
    while (!block.empty()) {
        std::size_t nl = block.find('\n');
        std::string_view line = block.substr(0, nl);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        CheckLineLength(line, path_);
        block.remove_prefix(nl == std::string_view::npos ? block.size() : nl + 1);
    }
}
