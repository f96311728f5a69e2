#include "options/VersionFile.h"

#include "engine/text/StringHelpers.h"
#include "platform/text/Ascii.h"

#include <algorithm>
#include <array>

VersionFile ReadVersionFile(std::string_view reply)
{
    std::string text;
    text.reserve(reply.size());
    std::copy_if(reply.begin(), reply.end(), std::back_inserter(text), [](char c) { return c != '\r'; });
    std::array<std::string_view, 3> lines;
    TrimmedFields(text, "\n", lines);
    return {std::string(lines[0]), std::string(lines[1]), std::string(lines[2])};
}

std::optional<std::uint64_t> DecimalNumber(std::string_view text)
{
    if (text.empty() || text.size() > 18)
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + std::uint64_t(c - '0');
    }
    return value;
}

std::string VersionDigits(const ProgramVersion& version)
{
    return std::to_string(version.major) + std::to_string(version.minor) + std::to_string(version.revision);
}

bool IsAcceptableUpdateFileName(std::string_view name)
{
    // What lives in the program's folder; a download must never replace it.
    static constexpr std::array<std::string_view, 7> ownNames = {"corvanedisk", "libquexel.so", "dat",    "skin",
                                                                 "language",    "tmp",          "reports"};
    if (name.empty() || name.front() == '.' || name.find("..") != std::string_view::npos)
        return false;
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }))
        return false;
    std::string lower = AsciiLowerCopy(name);
    return std::find(ownNames.begin(), ownNames.end(), lower) == ownNames.end();
}
