#pragma once
// Turns a folder into the lines of a catalog: the header from the volume's
// facts and the request, then one line per matching file (and the members of
// the archives among them), walked once per pattern of the filter.
//
// A scan shares nothing with other scans: it may run on a worker thread
// while the caller's thread stays free. It tells the user nothing itself: its
// problems go to the session, and to the caller's sink as they arise.

#include "engine/catalog/CatalogBuffer.h"
#include "engine/problem/Problem.h"
#include "engine/scan/ScanOptions.h"
#include "platform/volume/VolumeInfo.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>

struct ScanSession {
    ScanSession() = default;
    // stop: the caller's Stop request (a button, from any thread); the walk
    // unwinds once it reads true.
    explicit ScanSession(const std::atomic<bool>& stop) : StopScan(&stop) {}

    CatalogBuffer lines; // the catalog being made
    const std::atomic<bool>* StopScan = &NeverStopped;
    // Told the number of body lines found so far and the folder just read,
    // after each folder.
    std::function<void(std::size_t found, const std::string& folder)> onProgress;
    // The label written to header line 3: a window proposes it as the name.
    std::string VolumeLabel;
    // Folders that could not be read, a full catalog, files that could not be
    // looked into: each said once.
    Problems problems;
    // Where the volume's facts come from (tests point them at fake trees).
    VolumeSources volumeSources;

    // The catalog reached its capacity: lines were left out.
    bool incomplete() const { return lines.overflowed(); }

private:
    static constexpr std::atomic<bool> NeverStopped{false};
};

// Fills session.lines; header line 11 holds ">" until the caller sets the comment.
void CreateCatalog(const ScanOptions& opts, ScanSession& session);

// Writes the lines to path atomically (the old file stays whole on failure);
// a failure is added to problems and gives false.
bool SaveFile(const CatalogBuffer& lines, const std::string& nativePath, Problems& problems);
