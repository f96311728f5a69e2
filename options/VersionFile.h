#pragma once
// The update server's version file: three lines, the newest version as its
// digits joined (2.1.0 is 210), the name of the file to fetch and its size.

#include "options/ProgramVersion.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct VersionFile {
    std::string newest;
    std::string fileName;
    std::string size;
};

// Lines 1 to 3, blanks trimmed; lines may end with CR LF or LF alone.
VersionFile ReadVersionFile(std::string_view reply);

// A number of plain decimal digits (no sign, at most 18, so it never
// overflows); nullopt for anything else.
std::optional<std::uint64_t> DecimalNumber(std::string_view text);

// The digits of major, minor and revision joined: {2, 1, 0} gives "210".
std::string VersionDigits(const ProgramVersion& version);

// True for a name the server may give the downloaded file: a plain name that
// stays in the program's folder and replaces none of the program's own files.
bool IsAcceptableUpdateFileName(std::string_view name);
