// Times a recursive catalogue of a generated tree against find(1) on the same
// tree. Usage: scan_bench [folder-for-the-tree] [FOLDERS]   (default 5,000 folders)
#include "bench/BenchTree.h"
#include "engine/scan/CatalogScan.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {
template <class F> double bestOf(int runs, F f)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        auto t0 = std::chrono::steady_clock::now();
        f();
        double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        best = std::min(best, s);
    }
    return best;
}
} // namespace

int main(int argc, char** argv)
{
    fs::path base = argc > 1 && argv[1][0] ? fs::path(argv[1]) : fs::temp_directory_path();
    const int folders = argc > 2 ? std::max(1, std::atoi(argv[2])) : BenchTreeFolders;
    fs::path root = base / "corvane-scan-bench";
    fs::remove_all(root);
    std::printf("building %d files in %d folders under %s ...\n", folders * BenchTreeFilesPerFolder, folders,
                root.c_str());
    BuildBenchTree(root, folders);

    std::size_t lines = 0;
    double scan = bestOf(9, [&] {
        ScanSession s;
        ScanOptions o;
        o.RootDir = root.string();
        o.FilePatterns = "*.*";
        o.RecursiveDir = true;
        CreateCatalog(o, s);
        lines = s.lines.count();
    });
    std::string cmd = "find '" + root.string() + "' -type f -printf '%p %s %TD\\n' >/dev/null";
    double find = bestOf(9, [&] { (void)std::system(cmd.c_str()); });

    rusage ru;
    getrusage(RUSAGE_SELF, &ru);
    std::printf("catalogue: %.3f s (%zu lines)\nfind:      %.3f s\nratio:     %.2f\n"
                "peak memory: %ld MiB\n",
                scan, lines, find, scan / find, ru.ru_maxrss / 1024);
    fs::remove_all(root);
    return 0;
}
