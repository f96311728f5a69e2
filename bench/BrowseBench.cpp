// Loads a catalog into the browser's model and builds its tree.
//   browse_bench CATALOG
// stdout: "folders N" (tree nodes) and "files M" (file rows); stderr: the
// time against awk reading the same file, the listing of the largest folder
// and the peak memory against the file's size.

#include "bench/BenchCatalog.h"
#include "engine/browse/FolderLoad.h"

#include <cstdio>
#include <optional>
#include <sys/resource.h>

namespace {
constexpr int kRuns = 3;

double peakMiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: browse_bench CATALOG\n");
        return 2;
    }
    const std::string catalog = argv[1];
    std::optional<FolderLoad> load;
    Timing loadTime = BestOf(
        kRuns,
        [&] {
            load.reset(); // one model at a time, or the peak would count two
            FolderLoadControl control;
            load = LoadCatalogFolders(catalog, control);
        },
        RUSAGE_SELF);
    const FolderLoadStatus& status = load->status;
    if (status.outcome != FolderLoadStatus::Outcome::Loaded) {
        std::fprintf(stderr, "%s\n", status.problems.empty() ? "stopped" : status.problems[0].text.c_str());
        return 1;
    }
    const CatalogFolders& folders = load->folders;
    std::printf("folders %zu\nfiles %zu\n", folders.CountFolder(), folders.CountFile());
    std::fflush(stdout);

    FolderId largest = 0;
    for (FolderId f = 0; f < folders.CountFolder(); ++f)
        if (folders.CountFile(f) > folders.CountFile(largest))
            largest = f;
    Timing listTime = BestOf(
        kRuns, [&] { (void)folders.Files(largest); }, RUSAGE_SELF);
    const double peak = peakMiB();
    Timing awkTime = TimeAwk(catalog, kRuns);

    const double size = FileMiB(catalog);
    std::fprintf(stderr,
                 "catalog: %.1f MiB; %zu malformed and %zu duplicate lines skipped\n"
                 "load and tree: %.3f s wall (%.2f x awk), %.3f s cpu (%.2f x awk); first run %.3f s\n"
                 "awk -F'>' '{print $1}': %.3f s wall, %.3f s cpu\n"
                 "largest folder: %zu files listed in %.3f s\n"
                 "peak memory: %.1f MiB (%.2f x the file)\n",
                 size, status.malformed, status.duplicates, loadTime.wall, loadTime.wall / awkTime.wall, loadTime.cpu,
                 loadTime.cpu / awkTime.cpu, loadTime.firstWall, awkTime.wall, awkTime.cpu, folders.CountFile(largest),
                 listTime.wall, peak, peak / size);
    return 0;
}
