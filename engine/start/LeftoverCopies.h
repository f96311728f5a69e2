#pragma once
// A save or rewrite that was killed half-way leaves its unfinished copy
// beside the catalog (NAME.dat and six letters); the catalog itself is whole.

#include <ctime>
#include <string>

// Removes from libPath the copies that nobody writes any more: not changed
// for an hour (at now) and their catalog not locked. Catalogs and every
// other file stay.
void RemoveLeftoverCatalogCopies(const std::string& libPath, std::time_t now = std::time(nullptr));
