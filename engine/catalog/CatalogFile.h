#pragma once
// What every reader and rewriter of a saved catalog checks before trusting
// it: the file is named inside the library, and it starts with the eleven
// header lines (each begins with ">").

#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CatalogText.h"

#include <array>
#include <string>
#include <string_view>

class CatalogLineReader;

// A catalog or report name must stay inside its folder: not empty, no "/",
// no NUL, not "." or "..".
bool IsSafeCatalogName(std::string_view catalogName);
// Raises AppError for a name that IsSafeCatalogName refuses.
void CheckCatalogName(std::string_view catalogName);
// LibPath & name, after CheckCatalogName.
std::string LibraryCatalogPath(std::string_view catalogName);

// AppError "Invalid file format" naming the file and what is wrong with it.
[[noreturn]] void RaiseNotACatalog(std::string_view path, std::string_view reason);

// Raises unless line number n (1-based) of path can be a header line.
void CheckHeaderLine(std::string_view line, int n, std::string_view path);

using CatalogHeaderLines = std::array<std::string, HeaderLineCount>;

// Reads the eleven header lines; raises when the file is empty, ends early
// or does not start like a catalog.
CatalogHeaderLines ReadHeaderLines(CatalogLineReader& reader);

// The encoding of a whole catalog file (CatalogText's rule), read in runs of
// whole lines: a line break never falls inside a UTF-8 character.
CatalogEncoding ReadCatalogEncoding(const std::string& path);

// The offset of line 12 in a whole catalog text (its size when the header is
// all there is); raises like ReadHeaderLines.
std::size_t CatalogBodyOffset(std::string_view text, std::string_view path);
