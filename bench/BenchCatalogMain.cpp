// Writes a generated catalog for the benchmarks.
//   bench_catalog PATH [LINES] [--one-folder | --folders-per-file F]
//   (default 1,000,000 lines; F = 0.37 makes about 370,000 folders of a million lines)

#include "bench/BenchCatalog.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_catalog PATH [LINES] [--one-folder | --folders-per-file F]\n");
        return 2;
    }
    int lines = 1'000'000;
    bool oneFolder = false;
    double foldersPerFile = 0;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--one-folder")
            oneFolder = true;
        else if (arg == "--folders-per-file" && i + 1 < argc)
            foldersPerFile = std::stod(argv[++i]);
        else
            lines = std::stoi(arg);
    }
    WriteBenchCatalog(argv[1], lines, oneFolder, foldersPerFile);
    return 0;
}
