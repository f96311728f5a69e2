#pragma once
// A generated catalog for the benchmarks: photos in dated folders, HTML pages
// with comments and ZIP archive members, CR LF lines, all ASCII.

#include <string>

// Writes lines lines (the eleven header lines included) to path.
void WriteBenchCatalog(const std::string& path, int lines);
