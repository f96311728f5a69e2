#pragma once
// Text that comes from disk is bytes: UTF-8 where it is valid, else the
// Windows-1252 of files made on Windows.

#include <string>
#include <string_view>

bool IsValidUtf8(std::string_view bytes);
std::string Windows1252ToUtf8(std::string_view bytes);
// The way back, for text written into a Windows-1252 file. A character that
// code page cannot hold becomes "?" and the result is false. Text that is not
// valid UTF-8 is taken to be Windows-1252 already and copied.
bool Utf8ToWindows1252(std::string_view utf8, std::string& out);
// bytes as UTF-8: kept when valid, else converted from Windows-1252.
inline std::string BytesToUtf8(std::string_view bytes)
{
    return IsValidUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes);
}
// Names from archives made on MS-DOS or Windows: the DOS code page 437;
// bytes below 0x80 stay as they are (control characters included).
std::string DosCodePageToUtf8(std::string_view bytes);
// UTF-16 code units as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view units);
// One code point (at most U+10FFFF) as UTF-8, onto out.
void AppendUtf8(std::string& out, char32_t cp);
