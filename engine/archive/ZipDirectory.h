#pragma once
// A ZIP archive's central directory, read as unzip reads it when it lists:
// the end record is the last one whose directory is where it says, or where
// it must be when bytes were put before the archive (a self-extractor's
// program, offsets left as they were); bytes after the end record are
// allowed. Only the directory is read, never a member's data.

#include "engine/archive/ArchiveBytes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ZipMember {
    std::string storedName;  // the name's bytes as the directory holds them
    std::string unicodeName; // the UTF-8 name of a Unicode path field made for storedName; "" when none
    std::uint64_t size = 0;  // uncompressed
    std::uint16_t dosDate = 0;
    bool utf8Name = false; // general purpose flag bit 11
    std::uint8_t host = 0; // high byte of "version made by"
};

struct ZipDirectory {
    std::vector<ZipMember> members; // in the directory's order
    std::string comment;            // the archive's comment as stored
};

// nullopt, with error saying why in the words the reports have always used,
// when no end record leads to a directory or the directory does not read whole.
std::optional<ZipDirectory> ReadZipDirectory(ArchiveBytes& in, std::string& error);

// True when names written by host are in the DOS code page: the MS-DOS,
// OS/2, NTFS and VFAT systems of the ZIP format's list.
bool ZipHostUsesDosCodePage(std::uint8_t host);
