#include "engine/search/BlockMatcher.h"

#include "platform/text/Encoding.h"
#include "platform/text/TextCase.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {
constexpr std::size_t npos = std::string_view::npos;

std::string longestAsciiRun(std::string_view word)
{
    std::string_view best;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= word.size(); ++i) {
        if (i == word.size() || static_cast<unsigned char>(word[i]) >= 0x80) {
            if (i - start > best.size())
                best = word.substr(start, i - start);
            start = i + 1;
        }
    }
    return std::string(best);
}

void foldAscii(std::string_view in, std::string& out)
{
    out.resize(in.size());
    const auto* src = reinterpret_cast<const unsigned char*>(in.data());
    auto* dst = reinterpret_cast<unsigned char*>(out.data());
    for (std::size_t i = 0, n = in.size(); i < n; ++i) {
        unsigned char c = src[i];
        dst[i] = c + (static_cast<unsigned char>(c - 'A') < 26 ? 32 : 0);
    }
}

std::size_t firstHighByte(std::string_view s, std::size_t from)
{
    std::size_t i = from;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, s.data() + i, 8);
        if (w & 0x8080808080808080ULL)
            break;
    }
    for (; i < s.size(); ++i)
        if (static_cast<unsigned char>(s[i]) >= 0x80)
            return i;
    return npos;
}
} // namespace

BlockMatcher::BlockMatcher(const SearchExpr& expression)
    : expression_(expression), found_(expression.terms().size())
{
    for (const SearchExpr::Term& term : expression.terms())
        anchors_.push_back(longestAsciiRun(term.text));
    next_.resize(anchors_.size());
}

std::size_t BlockMatcher::findTerm(std::size_t term, std::size_t from) const
{
    const std::string& anchor = anchors_[term];
    if (anchor.empty()) // a word of other letters only: a line must hold some
        return firstHighByte(folded_, from);
    if (from >= folded_.size())
        return npos;
    const void* at = memmem(folded_.data() + from, folded_.size() - from, anchor.data(), anchor.size());
    return at ? std::size_t(static_cast<const char*>(at) - folded_.data()) : npos;
}

bool BlockMatcher::test(std::string_view block, std::size_t start, std::size_t end,
                        const std::function<bool(std::string_view)>& onMatch)
{
    std::size_t length = end - start;
    if (length > 0 && block[end - 1] == '\r')
        --length;
    if (length == 0)
        return true;
    std::string_view raw = block.substr(start, length);
    std::string_view utf8 = raw;
    std::string_view lowered = std::string_view(folded_).substr(start, length);
    if (firstHighByte(raw, 0) != npos) {
        if (!IsValidUtf8(raw)) {
            utf8_ = Windows1252ToUtf8(raw);
            utf8 = utf8_;
        }
        lowered_.clear();
        AppendLowerText(utf8, lowered_);
        lowered = lowered_;
    }
    const auto& terms = expression_.terms();
    for (std::size_t i = 0; i < terms.size(); ++i)
        found_[i] = lowered.find(terms[i].text) != npos;
    return !expression_.evaluate(found_) || onMatch(utf8);
}

bool BlockMatcher::forEachMatch(std::string_view block,
                                const std::function<bool(std::string_view)>& onMatch)
{
    foldAscii(block, folded_);
    auto lineEnd = [&](std::size_t from) {
        const void* nl = std::memchr(block.data() + from, '\n', block.size() - from);
        return nl ? std::size_t(static_cast<const char*>(nl) - block.data()) : block.size();
    };
    if (expression_.matchesWithoutTerms()) {
        for (std::size_t start = 0; start < block.size();) {
            std::size_t end = lineEnd(start);
            if (!test(block, start, end, onMatch))
                return false;
            start = end + 1;
        }
        return true;
    }
    // Only lines that hold some word can match: go from one place of a word
    // to the next, whichever word comes first.
    for (std::size_t t = 0; t < next_.size(); ++t)
        next_[t] = findTerm(t, 0);
    std::size_t done = 0; // where the lines not looked at yet begin
    for (;;) {
        std::size_t at = *std::min_element(next_.begin(), next_.end());
        if (at == npos)
            return true;
        const void* nl = memrchr(block.data() + done, '\n', at - done);
        std::size_t start = nl ? std::size_t(static_cast<const char*>(nl) - block.data()) + 1 : done;
        std::size_t end = lineEnd(at);
        if (!test(block, start, end, onMatch))
            return false;
        done = end + 1;
        for (std::size_t t = 0; t < next_.size(); ++t)
            if (next_[t] < done)
                next_[t] = findTerm(t, done);
    }
}
