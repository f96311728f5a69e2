#include "tests/support/SameLines.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {
// Lines split at "\n"; a CR stays on its line, so a lost CR is a difference.
std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end == std::string_view::npos ? text.size() : end + 1));
        text.remove_prefix(lines.back().size());
    }
    return lines;
}

// Control characters and bytes past ASCII as \r, \n or \xNN: a difference in
// them shows.
std::string shown(std::string_view line)
{
    std::string out;
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (byte < 0x20 || byte >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        } else
            out += c;
    }
    return out;
}
} // namespace

testing::AssertionResult SameLines(const char* actualExpr, const char* expectedExpr, const std::string& actual,
                                   const std::string& expected)
{
    if (actual == expected)
        return testing::AssertionSuccess();
    const auto a = splitLines(actual);
    const auto e = splitLines(expected);
    // The longest common subsequence, so that one missing line is one
    // difference rather than every line after it.
    std::vector<std::vector<int>> common(e.size() + 1, std::vector<int>(a.size() + 1, 0));
    for (std::size_t i = e.size(); i-- > 0;)
        for (std::size_t j = a.size(); j-- > 0;)
            common[i][j] = e[i] == a[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);

    auto failure = testing::AssertionFailure();
    failure << actualExpr << " differs from " << expectedExpr << " (- expected line, + actual line):\n";
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < e.size() || j < a.size()) {
        if (i < e.size() && j < a.size() && e[i] == a[j]) {
            ++i;
            ++j;
        } else if (j == a.size() || (i < e.size() && common[i + 1][j] >= common[i][j + 1])) {
            failure << "- " << i + 1 << ": " << shown(e[i]) << "\n";
            ++i;
        } else {
            failure << "+ " << j + 1 << ": " << shown(a[j]) << "\n";
            ++j;
        }
    }
    return failure;
}
