#include "engine/scan/HtmlTitle.h"

#include "platform/prompter/ErrorBox.h"
#include "platform/text/Ascii.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
std::string_view trimSpace(std::string_view s)
{
    std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos)
        return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

constexpr std::size_t kMaxLine = 1 << 20;

// Reads a file line by line (CR, LF or CR LF end a line) without loading it whole.
class LineReader {
public:
    explicit LineReader(int fd) : fd_(fd) {}
    bool next(std::string& line)
    {
        line.clear();
        for (;;) {
            if (pos_ == len_) {
                if (eof_)
                    return !line.empty();
                ssize_t n;
                do
                    n = ::read(fd_, buf_, sizeof buf_);
                while (n < 0 && errno == EINTR);
                if (n < 0)
                    RaiseFromErrno(errno, {});
                pos_ = 0;
                len_ = std::size_t(n);
                eof_ = n == 0;
                continue;
            }
            char c = buf_[pos_++];
            if (skipLf_) {
                skipLf_ = false;
                if (c == '\n')
                    continue;
            }
            if (c == '\n' || c == '\r') {
                skipLf_ = c == '\r';
                return true;
            }
            // A page without line breaks must not fill the memory.
            if (line.size() < kMaxLine)
                line += c;
        }
    }

private:
    int fd_;
    char buf_[1 << 16];
    std::size_t pos_ = 0, len_ = 0;
    bool eof_ = false;
    bool skipLf_ = false;
};
} // namespace

std::string TitleHTML(const std::string& nativePath)
{
    constexpr std::string_view open = "<title>", close = "</title>";
    int fd = ::open(nativePath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    try {
        if (fd < 0)
            RaiseFromErrno(errno, nativePath);
        LineReader reader(fd);
        std::string line, result;
        while (reader.next(line)) {
            std::string l = AsciiLowerCopy(line);
            std::size_t p = l.find(open);
            if (p == std::string::npos)
                continue;
            std::size_t start = p + open.size();
            std::size_t q = l.find(close);
            if (q != std::string::npos) {
                if (q > start)
                    result = line.substr(start, q - start);
                break;
            }
            // The title runs over several lines: its pieces joined by one blank.
            std::string title(trimSpace(std::string_view(line).substr(start)));
            bool closed = false;
            while (!closed && reader.next(line)) {
                std::size_t end = AsciiLowerCopy(line).find(close);
                closed = end != std::string::npos;
                std::string_view piece = trimSpace(std::string_view(line).substr(0, end));
                if (!piece.empty() && !title.empty())
                    title += ' ';
                title += piece;
            }
            if (closed)
                result = title;
            break;
        }
        ::close(fd);
        return result;
    } catch (const std::exception& e) {
        if (fd >= 0)
            ::close(fd);
        ShowErrorBox(e, "modFindFile", "TitleHTML");
        return {};
    }
}
