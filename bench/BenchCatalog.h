#pragma once
// What the benchmarks share: a generated catalog and the timing of a run.

#include <functional>
#include <string>

// The header, then photos of twenty years in ninety-seven trips; every tenth
// line is an archive member and every tenth a page with a comment. With
// oneFolder every line lies in the same folder; with foldersPerFile above 0
// the lines are spread over that many folders per line, three or four levels
// deep, as in an archive of many small albums.
void WriteBenchCatalog(const std::string& path, int lines, bool oneFolder = false, double foldersPerFile = 0);

struct Timing {
    double wall = 1e9;
    double cpu = 1e9;     // user + system, of this process or of the children
    double firstWall = 0; // the first run, with fresh memory and caches
};

// Best of runs; who is RUSAGE_SELF or RUSAGE_CHILDREN.
Timing BestOf(int runs, const std::function<void()>& run, int who);

// awk -F'>' '{print $1}' over the file, the yardstick of reading a catalog.
Timing TimeAwk(const std::string& path, int runs);

double FileMiB(const std::string& path);
