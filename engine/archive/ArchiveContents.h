#pragma once
// What the scan asks of the archive listers: the member lines of an archive
// found on disk, and the comment its own line takes.

#include "engine/archive/ArchiveBytes.h"
#include "engine/catalog/CatalogBuffer.h"
#include "engine/problem/Problem.h"
#include "platform/fs/FileAt.h"

#include <optional>
#include <string>
#include <string_view>

struct ArchiveFile {
    FileAt file;             // the archive on disk (a regular file)
    std::string catalogPath; // its path in catalog form: the first part of each member line
    std::string name;        // its file name without folder, catalog-safe ("Found in ...:" + name)
};

enum class ArchiveKind { None, Zip, Rar, Arj, Lzh, Ace, Cab };

// From the upper-cased extension: "ZIP", "RAR", "ARJ", "LZH", "ACE", "CAB",
// and "C" with two digits (numbered ACE volumes).
ArchiveKind ArchiveKindFromExtension(std::string_view upperExt);

struct ArchiveReading {
    bool members = true;     // the member lines
    bool zipComment = false; // a ZIP archive's comment
    // The bytes read from the file at once (tests make it tiny, so that
    // every header is read across the window's edge).
    std::size_t window = ArchiveBytes::DefaultWindow;
};

// Reads the archive once for what is asked: its member lines are appended
// to out, stopping quietly when out is full (a damaged archive yields the
// members read so far, and a problem naming it is added to problems).
// Returns the comment the archive's own line takes (a RAR archive's comment
// with its members, a ZIP archive's when asked and not empty), raw text, if
// any.
std::optional<std::string> ReadArchive(ArchiveKind kind, const ArchiveFile& archive, CatalogBuffer& out,
                                       Problems& problems, ArchiveReading what = {});
