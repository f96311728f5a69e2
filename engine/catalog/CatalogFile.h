#pragma once
// What every reader and rewriter of a saved catalog checks before trusting
// it: the file is named inside the library, and it starts with the eleven
// header lines (each begins with ">").

#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CatalogText.h"
#include "engine/problem/Problem.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

class CatalogLineReader;

// Why a catalog or report name cannot be used ("" when it can): it must
// stay inside its folder (not empty, no "/", not "." or "..") and hold no
// control character (a line feed would break every list that shows it).
std::string CatalogNameProblem(std::string_view catalogName);
// The check for a catalog about to be made or renamed (its name without
// ".dat"), the same wherever a name is typed: CatalogNameProblem's rules,
// no "\" or ">" (they would read as a folder or a field in lists and
// reports), and the file name no longer than the library folder takes.
std::string NewCatalogNameProblem(std::string_view name, const std::string& folder);
// Raises AppError for a name that CatalogNameProblem refuses.
void CheckCatalogName(std::string_view catalogName);
// LibPath & name, after CheckCatalogName.
std::string LibraryCatalogPath(std::string_view catalogName);

// AppError "Invalid file format" naming the file and what is wrong with it.
[[noreturn]] void RaiseNotACatalog(std::string_view path, std::string_view reason);

// AppError "Invalid file format": the file ends after linesRead of the
// eleven header lines.
[[noreturn]] void RaiseShortHeader(std::string_view path, int linesRead);

// The problem that count body lines of the catalog at path were no entries
// (hasEntryFields) and were left out; nothing when none.
std::optional<Problem> SkippedLinesProblem(std::size_t count, const std::string& path, std::string_view module,
                                           std::string_view procedure);

// Longer lines (without their line end) mean the file is no catalog: every
// reader and rewrite refuses them, so memory stays bounded.
inline constexpr std::size_t MaxCatalogLineLength = std::size_t(16) << 20;

// Raises AppError "Invalid file format" when line is longer than the limit.
void CheckLineLength(std::string_view line, std::string_view path);
[[noreturn]] void RaiseLineTooLong(std::string_view path);

// Raises unless line number n (1-based) of path can be a header line.
void CheckHeaderLine(std::string_view line, int n, std::string_view path);

using CatalogHeaderLines = std::array<std::string, HeaderLineCount>;

// Reads the eleven header lines; raises when the file is empty, ends early
// or does not start like a catalog.
CatalogHeaderLines ReadHeaderLines(CatalogLineReader& reader);

// The offset of line 12 in a whole catalog text (its size when the header is
// all there is); raises like ReadHeaderLines, and for an over-long line.
std::size_t CatalogBodyOffset(std::string_view text, std::string_view path);
