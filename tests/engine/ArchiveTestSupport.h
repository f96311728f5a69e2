#pragma once
// Shared by the archive tests: fixtures, and an archive listed the way the
// scan lists it.

#include "engine/archive/ArchiveContents.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

std::string ArchiveFixture(std::string_view name);

// The archive at nativePath as the scan describes it, catalogued below "\disk\".
ArchiveFile ArchiveAt(const std::string& nativePath);

struct Listed {
    std::vector<std::string> lines;
    std::optional<std::string> comment;
    std::vector<Problem> problems;
};

// The kind comes from the file's extension, as in the scan.
Listed ListArchive(const std::string& nativePath);
