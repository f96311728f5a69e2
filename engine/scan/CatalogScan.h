#pragma once
// Turns a folder into the lines of a catalog: the header from the volume's
// facts and the request, then one line per matching file (and the members of
// the archives among them), walked once per pattern of the filter.

#include "engine/catalog/CatalogBuffer.h"
#include "engine/scan/ScanOptions.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>

struct ScanSession {
    CatalogBuffer lines; // the catalog being made
    // Set by a Stop button (from any thread); the walk unwinds when it sees it.
    std::atomic<bool> StopScan{false};
    // Told the number of body lines found so far, after each folder.
    std::function<void(std::size_t)> onProgress;
    // The label written to header line 3: a window proposes it as the name.
    std::string VolumeLabel;
};

// Fills session.lines; header line 11 holds ">" until the caller sets the comment.
void CreateCatalog(const ScanOptions& opts, ScanSession& session);

// Writes the lines to path atomically (the old file stays whole on failure);
// a failure shows the error box and returns false.
bool SaveFile(const CatalogBuffer& lines, const std::string& nativePath);
