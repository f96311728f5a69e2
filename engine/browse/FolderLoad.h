#pragma once
// Loading a catalog into the browser's model: the file is read once, every
// file line is filed under its folder, then the folder tree is built with the
// ancestors it needs. Safe on a worker thread: it shares nothing, shows
// nothing, and can be stopped.

#include "engine/browse/CatalogFolders.h"
#include "engine/problem/Problem.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

struct FolderLoadControl {
    // Set from any thread to end the load early.
    std::atomic<bool> Stop{false};
    // Told the percentage done (0 to 100) each time it grows, on the loading thread.
    std::function<void(int)> onProgress;
};

struct FolderLoadStatus {
    enum class Outcome { Loaded, Stopped, Failed };
    Outcome outcome = Outcome::Loaded;
    std::size_t malformed = 0;  // body lines that are no catalog line, skipped
    std::size_t duplicates = 0; // file lines of a name already filed in their folder, skipped
    // In the order the user hears of them: why the load failed, then, once
    // each, the malformed and the duplicate lines skipped.
    std::vector<Problem> problems;
};

struct FolderLoad {
    CatalogFolders folders; // empty unless the outcome is Loaded
    FolderLoadStatus status;
};

// catalogPath: LibraryCatalogPath of the catalog's name for a library catalog.
// A file that does not start with the eleven header lines fails as "Invalid
// file format"; archive members and blank lines are left out.
FolderLoad LoadCatalogFolders(const std::string& catalogPath, FolderLoadControl& control);
