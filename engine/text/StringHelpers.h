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

// The n-th (1-based) field of list cut at separator, blanks trimmed; "" for a
// field that does not exist or for n < 1.
std::string sListPos(std::string_view list, std::string_view separator, int n);
// Fields 1 to fields.size() of list in one pass, as sListPos gives them, as
// views into list (hot paths).
void sListFields(std::string_view list, std::string_view separator, std::span<std::string_view> fields);

// Whole kilobytes of a byte count as catalogs store them: the whole part,
// plus one when the first decimal digit of bytes / 1024 is not 0.
std::uint64_t SizeRound(std::uint64_t bytes);

// The decimal separator of the user's locale (LC_NUMERIC), one character.
std::string GetDecimalSeparator();

// Every digit d becomes 9 - d, every "-" a blank; other characters stay.
std::string InvNumber(std::string_view text);

// 1-based position of the last occurrence of ch in text; 0 when absent or
// when ch is not exactly one character.
std::size_t BInStr(std::string_view text, std::string_view ch);

// Takes the text before the first NUL off buffer and returns it (buffer
// loses it and the NUL); returns "" and leaves buffer as it is without a NUL.
std::string StripItem(std::string& buffer);

// The text before the first NUL; the whole text when there is none.
std::string TrimNull(std::string_view text);

// Every occurrence of the character ch replaced by replacement.
std::string ReplaceCar(std::string_view text, std::string_view ch, std::string_view replacement);

// Every "\" doubled.
std::string DoubleBackslash(std::string_view text);
