#pragma once
// Catalog files hold bytes: ours are UTF-8, older ones Windows-1252. A file
// that is valid UTF-8 reads as UTF-8, any other as Windows-1252.

#include <string>
#include <string_view>

enum class CatalogEncoding { Utf8, Windows1252 };

bool IsValidUtf8(std::string_view bytes);
CatalogEncoding DetectCatalogEncoding(std::string_view fileBytes);
std::string Windows1252ToUtf8(std::string_view bytes);
// The way back, for text written into a Windows-1252 catalog. A character
// that code page cannot hold becomes "?" and the result is false. Text that
// is not valid UTF-8 is taken to be Windows-1252 already and copied.
bool Utf8ToWindows1252(std::string_view utf8, std::string& out);
// Text of a catalog in that encoding, as UTF-8 for display.
std::string CatalogTextToUtf8(std::string_view bytes, CatalogEncoding encoding);
