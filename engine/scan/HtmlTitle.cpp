#include "engine/scan/HtmlTitle.h"

#include "platform/fs/ReadSome.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Ascii.h"
#include "platform/text/Encoding.h"

#include <array>
#include <cerrno>
#include <unistd.h>

namespace {
constexpr std::string_view OpenTag = "<title>";
constexpr std::string_view CloseTag = "</title>";
constexpr std::size_t BlockSize = 64 * 1024;

// Finds a tag in a stream of blocks, case-insensitively, also across the
// border between two blocks.
class TagFinder {
public:
    explicit TagFinder(std::string_view tag) : tag_(tag) {}
    // Feeds one byte; true when it completes the tag.
    bool feed(char c)
    {
        // The tags hold no repeated prefix, so a mismatch restarts at 0 or 1.
        matched_ = AsciiLower(c) == tag_[matched_] ? matched_ + 1 : (AsciiLower(c) == tag_[0] ? 1 : 0);
        if (matched_ < tag_.size())
            return false;
        matched_ = 0;
        return true;
    }
    std::size_t matched() const { return matched_; }

private:
    std::string_view tag_;
    std::size_t matched_ = 0;
};

// Gathers the title's text: the line pieces of a title over several lines
// are trimmed and joined by one blank.
class TitleText {
public:
    void add(char c)
    {
        if (c == '\r' || c == '\n') {
            endPiece();
            multiLine_ = true;
        } else if (line_.size() < TitleLengthLimit) {
            line_ += c;
        } else {
            cut_ = true;
        }
    }

    std::string finish()
    {
        if (multiLine_)
            endPiece();
        std::string out = multiLine_ ? std::move(text_) : std::move(line_);
        if (out.size() > TitleLengthLimit) {
            out.resize(TitleLengthLimit);
            cut_ = true;
        }
        // A UTF-8 character cut in two by the limit is dropped whole.
        if (cut_ && !IsValidUtf8(out)) {
            std::size_t keep = out.size();
            for (std::size_t n = 1; n <= 3 && n < out.size(); ++n)
                if (IsValidUtf8(std::string_view(out).substr(0, out.size() - n))) {
                    keep = out.size() - n;
                    break;
                }
            out = out.substr(0, keep);
        }
        for (char& c : out)
            if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F')
                c = ' ';
        return out;
    }

private:
    void endPiece()
    {
        std::string_view piece = line_;
        std::size_t b = piece.find_first_not_of(" \t");
        piece =
            b == std::string_view::npos ? std::string_view() : piece.substr(b, piece.find_last_not_of(" \t") - b + 1);
        if (!piece.empty() && text_.size() <= TitleLengthLimit) {
            if (!text_.empty())
                text_ += ' ';
            text_ += piece;
        }
        line_.clear();
    }

    std::string line_;
    std::string text_;
    bool multiLine_ = false;
    bool cut_ = false;
};

std::string readTitle(int fd, const std::string& path)
{
    TagFinder open(OpenTag), close(CloseTag);
    TitleText title;
    bool inTitle = false;
    std::array<char, BlockSize> block;
    std::string held; // bytes that may be the start of "</title>"
    std::size_t done = 0;
    while (done < TitleSearchLimit) {
        const std::size_t n = ReadSome(fd, block.data(), std::min(block.size(), TitleSearchLimit - done), path);
        if (n == 0)
            break;
        done += n;
        for (std::size_t i = 0; i < n; ++i) {
            const char c = block[std::size_t(i)];
            if (!inTitle) {
                inTitle = open.feed(c);
                continue;
            }
            if (close.feed(c))
                return title.finish();
            held += c;
            const std::size_t keep = close.matched(); // 0, or 1 for a "<" that may start it
            if (keep < held.size()) {
                for (std::size_t k = 0; k + keep < held.size(); ++k)
                    title.add(held[k]);
                held.erase(0, held.size() - keep);
            }
        }
    }
    return {}; // no title, or one that is not closed in the page's first part
}
} // namespace

std::string TitleHTML(const FileAt& page, Problems& problems)
{
    std::string title;
    CatchProblem(problems, {"modFindFile", "TitleHTML"}, page.path, [&] {
        UniqueFd fd = OpenForReading(page);
        if (!fd)
            RaiseFromErrno(errno, page.path);
        title = readTitle(fd.get(), page.path);
    });
    return title;
}
