#pragma once
// Shared by the archive tests: fixtures, and an archive listed the way the
// scan lists it.

#include "engine/archive/ArchiveContents.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

std::string ArchiveFixture(std::string_view name);
// The names of every archive among the fixtures, sorted.
std::vector<std::string> ArchiveFixtures();

// A window smaller than any header: nearly every read moves it, so a view of
// a header kept across another read is a stale one.
constexpr std::size_t TinyWindow = 5;

// Writes an archive of count members of kind (see make-large-archive.sh) to
// path; false when that fails.
bool MakeLargeArchive(std::string_view kind, int count, const std::string& path);

// The archive at nativePath as the scan describes it, catalogued below "\disk\".
ArchiveFile ArchiveAt(const std::string& nativePath);

struct Listed {
    std::vector<std::string> lines;
    std::optional<std::string> comment;
    std::vector<Problem> problems;
};

// The kind comes from the file's extension, as in the scan.
Listed ListArchive(const std::string& nativePath, ArchiveReading what = {});
