#include "engine/scan/Wildcard.h"

#include "engine/text/StringHelpers.h"
#include "platform/text/Ascii.h"

namespace {
// Iterative glob with one backtrack point: linear in practice, no recursion.
bool globMatch(std::string_view p, std::string_view n)
{
    std::size_t pi = 0, ni = 0, starP = std::string_view::npos, starN = 0;
    while (ni < n.size()) {
        if (pi < p.size() && (p[pi] == '?' || AsciiLower(p[pi]) == AsciiLower(n[ni]))) {
            ++pi;
            ++ni;
        } else if (pi < p.size() && p[pi] == '*') {
            starP = pi++;
            starN = ni;
        } else if (starP != std::string_view::npos) {
            pi = starP + 1;
            ni = ++starN;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == '*')
        ++pi;
    return pi == p.size();
}
} // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name)
{
    if (pattern == "*" || pattern == "*.*")
        return true;
    if (globMatch(pattern, name))
        return true;
    // "name.*" also finds "name".
    if (pattern.size() >= 2 && pattern.ends_with(".*") && name.find('.') == std::string_view::npos)
        return globMatch(pattern.substr(0, pattern.size() - 2), name);
    return false;
}

std::vector<std::string> FilterPatterns(std::string_view filter)
{
    std::vector<std::string> patterns;
    for (int n = 1;; ++n) {
        std::string pattern = sListPos(filter, ";", n);
        if (pattern.empty())
            return patterns;
        patterns.push_back(std::move(pattern));
    }
}
