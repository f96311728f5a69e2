#pragma once
// Facts about the volume that holds a folder, as a catalog header records
// them: the kind of drive, its label and serial, its free and total space.

#include <cstdint>
#include <string>

// Where the facts come from; tests point these at fake trees.
struct VolumeSources {
    std::string mountinfo = "/proc/self/mountinfo";
    std::string devDisk = "/dev/disk";          // by-label/, by-uuid/ links
    std::string sysDevBlock = "/sys/dev/block"; // MAJ:MIN -> device folder
};

struct VolumeFacts {
    // "Removable", "Fixed", "Remote", "Cd-Rom", "Ram Disk" or "Unknown".
    std::string driveType = "Unknown";
    bool found = false;    // a mount holding the folder was found
    std::string label;     // "" when the volume has none
    std::string serialHex; // upper-case hex without leading zeros, "" when unknown
    bool sizesKnown = false;
    std::uint64_t freeBytes = 0;
    std::uint64_t totalBytes = 0;
};

VolumeFacts ProbeVolume(const std::string& folder, const VolumeSources& sources = {});

// The serial a UUID stands for: its first 32 bits as upper-case hex without
// leading zeros ("ABCD-1234" gives "ABCD1234"); "" when it holds no hex digits.
std::string SerialFromUuid(const std::string& uuid);

// Bytes to whole megabytes, a half going to the even neighbour.
std::uint64_t RoundMegabytes(std::uint64_t bytes);
