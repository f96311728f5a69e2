#include "engine/text/StringHelpers.h"

#include <algorithm>
#include <langinfo.h>
#include <locale.h>

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

std::string GetDecimalSeparator()
{
    std::string sep = ".";
    locale_t loc = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (loc == static_cast<locale_t>(0))
        return sep;
    const char* radix = nl_langinfo_l(RADIXCHAR, loc);
    if (radix && *radix)
        sep = radix;
    freelocale(loc);
    return sep;
}

std::string InvNumber(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= '0' && c <= '9')
            c = char('9' - (c - '0'));
        else if (c == '-')
            c = ' ';
    }
    return out;
}

std::string StripItem(std::string& buffer)
{
    std::size_t p = buffer.find('\0');
    if (p == std::string::npos)
        return {};
    std::string item = buffer.substr(0, p);
    buffer.erase(0, p + 1);
    return item;
}

std::string TrimNull(std::string_view text)
{
    return std::string(text.substr(0, text.find('\0')));
}

std::string ReplaceCar(std::string_view text, std::string_view ch, std::string_view replacement)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (ch.size() == 1 && c == ch[0])
            out += replacement;
        else
            out += c;
    }
    return out;
}

std::string DoubleBackslash(std::string_view text)
{
    return ReplaceCar(text, "\\", "\\\\");
}
