#pragma once
// The files on disk a catalog path can stand for. The scan writes each byte a
// line cannot hold in a name as "?" (ToCatalogPath), so names that differ only
// there share one catalog path; an action may take a line's file only when one
// file fits, never guess between several.

#include <string>
#include <string_view>
#include <vector>

// The native paths of the files that are there (links followed, folders left
// out) whose catalog form is the path part of catalogPath: for an archive's
// member, the archive. In byte order. A path that is not absolute here (a
// Windows catalog's "C:\...") has none.
std::vector<std::string> FilesCatalogedAs(std::string_view catalogPath);
