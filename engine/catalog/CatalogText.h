#pragma once
// Catalog files hold bytes: ours are UTF-8, older ones Windows-1252. A file
// that is valid UTF-8 reads as UTF-8, any other as Windows-1252.

#include "platform/text/Encoding.h"

#include <string>
#include <string_view>

enum class CatalogEncoding { Utf8, Windows1252 };

CatalogEncoding DetectCatalogEncoding(std::string_view fileBytes);
// Text of a catalog in that encoding, as UTF-8 for display.
std::string CatalogTextToUtf8(std::string_view bytes, CatalogEncoding encoding);
