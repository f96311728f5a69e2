#include "engine/scan/Wildcard.h"

#include "platform/text/Ascii.h"

#include <algorithm>
#include <vector>

namespace {
enum class Token : char { Literal, Star, DosStar, DosOne, DosDot };

Token tokenAt(std::string_view p, std::size_t i)
{
    const bool last = i + 1 == p.size();
    switch (p[i]) {
    case '?':
        return Token::DosOne;
    case '*':
        return !last && p[i + 1] == '.' ? Token::DosStar : Token::Star;
    case '.':
        return last || p.find_first_not_of("?*", i + 1) == std::string_view::npos ? Token::DosDot : Token::Literal;
    default:
        return Token::Literal;
    }
}
} // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name)
{
    if (pattern == "*" || pattern == "*.*")
        return true;
    const std::size_t n = name.size();
    const std::size_t lastDot = std::min(name.rfind('.'), n);
    // The positions in name that the pattern read so far can end at.
    std::vector<char> at(n + 1, 0), next(n + 1, 0);
    at[0] = 1;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        std::fill(next.begin(), next.end(), 0);
        const Token t = tokenAt(pattern, i);
        bool any = false;
        for (std::size_t k = 0; k <= n; ++k) {
            if (!at[k])
                continue;
            any = true;
            switch (t) {
            case Token::Literal:
                if (k < n && AsciiLower(name[k]) == AsciiLower(pattern[i]))
                    next[k + 1] = 1;
                break;
            case Token::Star:
                std::fill(next.begin() + std::ptrdiff_t(k), next.end(), 1);
                k = n; // every later position is set
                break;
            case Token::DosStar:
                for (std::size_t e = k; e <= std::max(k, lastDot); ++e)
                    next[e] = 1;
                break;
            case Token::DosOne:
                next[k < n && name[k] != '.' ? k + 1 : k] = 1;
                break;
            case Token::DosDot:
                if (k < n && name[k] == '.')
                    next[k + 1] = 1;
                else if (k == n)
                    next[k] = 1;
                break;
            }
        }
        if (!any)
            return false;
        std::swap(at, next);
    }
    return at[n] != 0;
}

std::vector<std::string> FilterPatterns(std::string_view filter)
{
    std::vector<std::string> patterns;
    for (std::string_view rest = filter;;) {
        const std::size_t semicolon = rest.find(';');
        const std::string_view pattern = TrimBlanks(rest.substr(0, semicolon));
        if (pattern.empty())
            return patterns;
        patterns.emplace_back(pattern);
        if (semicolon == std::string_view::npos)
            return patterns;
        rest = rest.substr(semicolon + 1);
    }
}
