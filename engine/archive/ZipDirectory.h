#pragma once
// What libzip does not tell about a ZIP archive's members, read from its
// central directory: the MS-DOS date as stored, whether the name is marked
// UTF-8, and the system that wrote it.

#include "engine/archive/ArchiveBytes.h"

#include <cstdint>
#include <string>
#include <vector>

struct ZipEntryFacts {
    std::uint16_t dosDate = 0;
    bool utf8Name = false;  // general purpose flag bit 11
    std::uint8_t host = 0;  // high byte of "version made by"
    std::string storedName; // the name's bytes as the directory holds them
};

// One record per central directory entry, in the directory's order (libzip's
// index order); empty when the directory cannot be found or read whole.
std::vector<ZipEntryFacts> ReadZipDirectory(ArchiveBytes& in);

// True when names written by host are in the DOS code page: the MS-DOS,
// OS/2, NTFS and VFAT systems of the ZIP format's list.
bool ZipHostUsesDosCodePage(std::uint8_t host);
