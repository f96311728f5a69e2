// Writes the benchmarks' generated catalog into a library folder.
//   make_bench_catalog FOLDER [LINES]   (writes FOLDER/Bench.dat, 1,000,000 lines by default)

#include "bench/BenchCatalog.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make_bench_catalog FOLDER [LINES]\n");
        return 2;
    }
    int lines = argc == 3 ? std::atoi(argv[2]) : 1'000'000;
    if (lines < 11) {
        std::fprintf(stderr, "LINES must be 11 or more\n");
        return 2;
    }
    WriteBenchCatalog(std::string(argv[1]) + "/Bench.dat", lines);
    return 0;
}
