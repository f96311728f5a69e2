#include "engine/search/BlockMatcher.h"

#include "platform/text/Ascii.h"
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

void foldAscii(std::string_view ascii, std::string& out)
{
    out.resize(ascii.size());
    std::transform(ascii.begin(), ascii.end(), out.begin(), AsciiLower);
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

// A pass over the raw bytes, no copy: three letters of the word (its first,
// middle and last) are tested at 64 places at a time, in loops the compiler
// turns into vector code; the whole word only where all three fit.
CaselessFinder::CaselessFinder(std::string lowerAscii) : word_(std::move(lowerAscii))
{
    for (std::size_t i = 0; i < 3 && !word_.empty(); ++i) {
        std::size_t at = i * (word_.size() - 1) / 2;
        char c = word_[at];
        probes_[i] = {at, static_cast<unsigned char>(c), static_cast<unsigned char>(c >= 'a' && c <= 'z' ? 0x20 : 0)};
    }
}

std::size_t CaselessFinder::find(std::string_view text, std::size_t from) const
{
    if (word_.empty())
        return firstHighByte(text, from);
    if (text.size() < word_.size())
        return npos;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t lastStart = text.size() - word_.size();
    const auto [at0, c0, case0] = probes_[0];
    const auto [at1, c1, case1] = probes_[1];
    const auto [at2, c2, case2] = probes_[2];
    // In bytes, so that one vector tests 16 places.
    auto probed = [&](std::size_t i) -> unsigned char {
        return static_cast<unsigned char>((p[i + at0] | case0) == c0) &
               static_cast<unsigned char>((p[i + at1] | case1) == c1) &
               static_cast<unsigned char>((p[i + at2] | case2) == c2);
    };
    auto fits = [&](std::size_t i) {
        for (std::size_t j = 0; j < word_.size(); ++j)
            if (AsciiLower(char(p[i + j])) != word_[j])
                return false;
        return true;
    };
    constexpr std::size_t Lanes = 16;
    constexpr std::size_t Stride = 4 * Lanes;
    for (std::size_t i = from; i <= lastStart;) {
        if (lastStart - i >= Stride) {
            unsigned char lanes[Lanes] = {};
            for (std::size_t j = 0; j < Stride; j += Lanes)
                for (std::size_t l = 0; l < Lanes; ++l)
                    lanes[l] |= probed(i + j + l);
            std::uint64_t low, high;
            std::memcpy(&low, lanes, 8);
            std::memcpy(&high, lanes + 8, 8);
            if ((low | high) == 0) {
                i += Stride;
                continue;
            }
        }
        for (const std::size_t end = std::min(i + Stride, lastStart + 1); i < end; ++i)
            if (probed(i) && fits(i))
                return i;
    }
    return npos;
}

BlockMatcher::BlockMatcher(const SearchExpr& expression) : expression_(expression), found_(expression.terms().size())
{
    for (const SearchExpr::Term& term : expression.terms())
        finders_.emplace_back(longestAsciiRun(term.text));
    next_.resize(finders_.size());
}

bool BlockMatcher::test(std::string_view block, std::size_t start, std::size_t end, const OnMatch& onMatch)
{
    std::size_t length = end - start;
    if (length > 0 && block[end - 1] == '\r')
        --length;
    if (length == 0)
        return true;
    const std::string_view raw = block.substr(start, length);
    std::string_view utf8 = raw;
    if (firstHighByte(raw, 0) == npos) {
        foldAscii(raw, lowered_);
    } else {
        if (!IsValidUtf8(raw)) {
            utf8_ = Windows1252ToUtf8(raw);
            utf8 = utf8_;
        }
        lowered_.clear();
        AppendLowerText(utf8, lowered_);
    }
    const std::string_view lowered = lowered_;
    const auto& terms = expression_.terms();
    for (std::size_t i = 0; i < terms.size(); ++i)
        found_[i] = lowered.find(terms[i].text) != npos;
    return !expression_.evaluate(found_) || onMatch(utf8, raw);
}

bool BlockMatcher::forEachMatch(std::string_view block, const OnMatch& onMatch)
{
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
        next_[t] = finders_[t].find(block, 0);
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
                next_[t] = finders_[t].find(block, done);
    }
}
