// Writes a generated catalog for the benchmarks.
//   bench_catalog PATH [LINES] [--one-folder]   (default 1,000,000 lines)

#include "bench/BenchCatalog.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_catalog PATH [LINES] [--one-folder]\n");
        return 2;
    }
    int lines = 1'000'000;
    bool oneFolder = false;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--one-folder")
            oneFolder = true;
        else
            lines = std::stoi(arg);
    }
    WriteBenchCatalog(argv[1], lines, oneFolder);
    return 0;
}
