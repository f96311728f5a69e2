#pragma once
// What the scan asks of the archive listers: the member lines of an archive
// found on disk, and the comment of a ZIP archive.

#include "engine/catalog/CatalogBuffer.h"

#include <optional>
#include <string>
#include <string_view>

struct ArchiveFile {
    std::string nativePath;  // the archive on disk (a regular file)
    std::string catalogPath; // its path in catalog form: the first part of each member line
    std::string name;        // its file name without folder, catalog-safe ("Found in ...:" + name)
};

enum class ArchiveKind { None, Zip, Rar, Arj, Lzh, Ace, Cab };

// From the upper-cased extension: "ZIP", "RAR", "ARJ", "LZH", "ACE", "CAB",
// and "C" with two digits (numbered ACE volumes).
ArchiveKind ArchiveKindFromExtension(std::string_view upperExt);

// Appends the archive's member lines to out, stopping quietly when out is
// full. Returns the comment the archive's own file line takes (a RAR
// archive's comment, raw text), if any. A damaged archive yields the members
// read so far.
std::optional<std::string> ListArchiveMembers(ArchiveKind kind, const ArchiveFile& archive,
                                              CatalogBuffer& out);

// The comment of a ZIP archive as raw text ("" when it has none). A damaged
// archive shows its message and gives "".
std::string ZipArchiveComment(const ArchiveFile& archive);
