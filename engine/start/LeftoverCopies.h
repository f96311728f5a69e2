#pragma once
// A save or rewrite that was killed half-way leaves its unfinished copy, a
// hidden file of the program's own, beside the catalog; the catalog itself is
// whole.

#include <ctime>
#include <string>

// Removes from libPath the copies that nobody writes any more (see
// RemoveAbandonedTemporaryFiles). Catalogs and every other file stay.
void RemoveLeftoverCatalogCopies(const std::string& libPath, std::time_t now = std::time(nullptr));
