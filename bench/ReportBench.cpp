// Writes the HTML and the text report of a generated catalog of 1,000,000
// lines and compares the time with awk splitting the same file.
//   ReportBench [work folder]   (default: a fresh folder under /tmp)

#include "bench/BenchCatalog.h"
#include "engine/report/CatalogReport.h"
#include "engine/report/ReportOptions.h"
#include "engine/start/AppFolders.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
constexpr int kLines = 1'000'000;
constexpr int kRuns = 3;

struct Timing {
    double wall = 1e9;
    double cpu = 1e9; // user + system, of this process or of the children
};

double cpuSeconds(int who)
{
    rusage u{};
    getrusage(who, &u);
    auto sec = [](timeval t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return sec(u.ru_utime) + sec(u.ru_stime);
}

// Best of kRuns; the wall time includes flushing the report to the disk.
Timing best(const std::function<void()>& run, int who)
{
    Timing t;
    for (int i = 0; i < kRuns; ++i) {
        double cpu = cpuSeconds(who);
        auto start = std::chrono::steady_clock::now();
        run();
        std::chrono::duration<double> d = std::chrono::steady_clock::now() - start;
        t.wall = std::min(t.wall, d.count());
        t.cpu = std::min(t.cpu, cpuSeconds(who) - cpu);
    }
    return t;
}

double fileMiB(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? double(st.st_size) / (1 << 20) : 0;
}
} // namespace

int main(int argc, char** argv)
{
    std::string home = argc > 1 ? argv[1] : "";
    if (home.empty()) {
        char tmpl[] = "/tmp/corvane-bench-XXXXXX";
        home = mkdtemp(tmpl);
    }
    SetAppFolders(home);
    CreateOutputFolders();
    const std::string catalog = Folders().LibPath + "Bench.dat";
    WriteBenchCatalog(catalog, kLines);
    std::printf("catalog: %d lines, %.1f MiB\n", kLines, fileMiB(catalog));

    const std::string awk = "awk -F'>' '{print $1}' '" + catalog + "' >/dev/null";
    Timing awkTime = best(
        [&] {
            if (std::system(awk.c_str()) != 0)
                std::fprintf(stderr, "awk failed\n");
        },
        RUSAGE_CHILDREN);
    std::printf("awk -F'>' '{print $1}': %.3f s wall, %.3f s cpu\n", awkTime.wall, awkTime.cpu);

    ReportCaptions captions{"Report", {"File", "Directory", "Size", "Date", "DiskID", "Comment"}};
    for (bool allColumns : {false, true}) {
        ReportOptions options; // the defaults: File, Directory, Size, Date
        if (allColumns)
            options.IncludeDisk = options.IncludeComment = 1;
        for (bool html : {true, false}) {
            options.StyleHTML = html;
            ReportLayout layout = LayoutFromReportOptions(options, captions);
            std::string report = Folders().ReportPath + (html ? "Bench.html" : "Bench.txt");
            Timing t = best([&] { WriteCatalogReport("Bench.dat", layout, report); }, RUSAGE_SELF);
            std::printf("%s, %s columns, %4.0f MiB: %.3f s wall (%.2f x awk), %.3f s cpu "
                        "(%.2f x awk)\n",
                        html ? "HTML" : "text", allColumns ? "all six" : "default four",
                        fileMiB(report), t.wall, t.wall / awkTime.wall, t.cpu,
                        t.cpu / awkTime.cpu);
        }
    }
    if (argc <= 1)
        std::filesystem::remove_all(home);
    return 0;
}
