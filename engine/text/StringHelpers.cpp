#include "engine/text/StringHelpers.h"

#include <algorithm>

void TrimmedFields(std::string_view list, std::string_view separator, std::span<std::string_view> fields)
{
    std::fill(fields.begin(), fields.end(), std::string_view());
    std::string_view rest = list;
    for (std::string_view& field : fields) {
        // One-character separators (catalog fields, lists) take the memchr road.
        std::size_t p = separator.size() == 1 ? rest.find(separator[0])
                        : separator.empty()   ? std::string_view::npos
                                              : rest.find(separator);
        field = TrimBlanks(rest.substr(0, p));
        if (p == std::string_view::npos)
            return;
        rest = TrimBlanks(rest.substr(p + separator.size()));
    }
}

std::uint64_t SizeRound(std::uint64_t bytes)
{
    std::uint64_t whole = bytes / 1024;
    std::uint64_t rest = bytes % 1024;
    // The first decimal of rest / 1024 is not 0 exactly when rest * 10 >= 1024.
    return rest * 10 >= 1024 ? whole + 1 : whole;
}

std::string TrimNull(std::string_view text)
{
    return std::string(text.substr(0, text.find('\0')));
}
