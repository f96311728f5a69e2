#pragma once
// A whole search: one catalog of the library or all of them, as the FIND
// layer asks for it. Safe on a worker thread: it touches nothing shared but
// the session, and hands rows and progress to its callbacks.

#include "engine/search/FindWordOnFile.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct FindRequest {
    std::string LibraryFolder;          // LibPath, native, ends with "/"
    std::optional<std::string> Catalog; // a file name with ".dat"; nothing: every catalog
    std::string Expression;
    std::optional<std::string> DriveType; // nothing: every disk type
    std::string FileFilter = "*.*";       // the patterns of the chosen filter
};

struct FindProgress {
    std::size_t catalogsDone = 0;
    std::size_t catalogCount = 0;
    std::string catalog; // the file name just searched
};

// Told after each catalog.
using FindProgressSink = std::function<void(const FindProgress&)>;

// The "*.dat" files of folder (the suffix in any case), in byte order of
// their names. A missing folder has none.

// Searches the catalogs one after another. The caller resets HitCount and,
// when session.limitReached() afterwards, says that the limit was reached.
// Errors (a library folder that cannot be listed, an unsafe catalog name,
// an unreadable catalog) are added to session.problems, once each.
void RunFind(const FindRequest& request, FindSession& session, const FindHitsSink& onHits,
             const FindProgressSink& onProgress = {});
