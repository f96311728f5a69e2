#pragma once

#include <string>

// What to catalogue and how.
struct ScanOptions {
    bool RecursiveDir = false;
    bool SearchZipContent = false;
    bool EnableComment = false;
    std::string RootDir;      // native folder; header line 6 shows its catalog form
    std::string FilePatterns; // patterns separated by ";"
};
