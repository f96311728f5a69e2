#pragma once
// Case folding of ASCII letters only: names are bytes, and other bytes
// (UTF-8 or Windows-1252 letters) stay as they are. Trimming of ASCII blanks.

#include <string>
#include <string_view>

constexpr char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

constexpr char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

constexpr bool AsciiEqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}

inline bool IsAscii(std::string_view s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

inline std::string AsciiLowerCopy(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = AsciiLower(c);
    return out;
}

inline std::string AsciiUpperCopy(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = AsciiUpper(c);
    return out;
}

// s without the blanks at its two ends: spaces only, unless told otherwise.
constexpr std::string_view TrimBlanks(std::string_view s, std::string_view blanks = " ")
{
    while (!s.empty() && blanks.find(s.front()) != std::string_view::npos)
        s.remove_prefix(1);
    while (!s.empty() && blanks.find(s.back()) != std::string_view::npos)
        s.remove_suffix(1);
    return s;
}
