#pragma once
// The scan's reading of a ZIP archive: its member lines and its comment, both
// from the central directory, in one reading. (A skin package is read in
// memory by skin/SkinPackage through ZipArchive.h.)

#include "engine/archive/ArchiveBytes.h"
#include "engine/problem/Problem.h"
#include "platform/fs/FileAt.h"

#include <string>

class MemberListing;

// Reads the archive once: each member to members (when given; folder
// entries give none) and the archive's comment, its line breaks as CR LF,
// appended to comment (when given). An archive that cannot be read is one
// problem naming it, added to problems; false then, and nothing is listed.
// window: the bytes read from the file at once.
bool ReadZipArchive(const FileAt& file, MemberListing* members, std::string* comment, Problems& problems,
                    std::size_t window = ArchiveBytes::DefaultWindow);
