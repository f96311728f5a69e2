#pragma once
// Text helpers shared by every part of the program. Texts are bytes; every
// comparison is exact and case-sensitive. "Trim" removes the space character
// only, never tabs or line breaks.

#include "platform/text/Ascii.h" // TrimBlanks

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The field separator of list and combo items that carry a hidden value.
inline constexpr char ListSep = '\t';

// The first fields.size() fields of list cut at separator, as views into
// list: blanks round each field trimmed (so a blank separator takes a run of
// blanks as one), fields the list does not have "". Catalog lines and skin
// values are read so.
void TrimmedFields(std::string_view list, std::string_view separator, std::span<std::string_view> fields);

// Whole kilobytes of a byte count as catalogs store them: the whole part,
// plus one when the first decimal digit of bytes / 1024 is not 0.
std::uint64_t SizeRound(std::uint64_t bytes);

// The text before the first NUL; the whole text when there is none.
std::string TrimNull(std::string_view text);
