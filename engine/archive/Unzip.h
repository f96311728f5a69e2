#pragma once
// The scan reads a ZIP archive through libzip once, for its member lines and
// its comment. Nothing is shared between calls, so reads may happen on any
// thread.

#include "engine/problem/Problem.h"
#include "platform/fs/FileAt.h"

#include <string>

class MemberListing;

// Reads the archive once: each member to members (when given; folder
// entries give none) and the archive's comment, its line breaks as CR LF,
// appended to comment (when given). An archive that cannot be read is one
// problem naming it, added to problems; false then, and what was listed
// stays.
bool ReadZipArchive(const FileAt& file, MemberListing* members, std::string* comment, Problems& problems);
