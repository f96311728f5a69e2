// Writes the HTML and the text report of a generated catalog of 1,000,000
// lines and compares the time with awk splitting the same file.
//   report_bench [work folder] [LINES]   (default: a fresh folder under $TMPDIR, 1,000,000 lines)

#include "bench/BenchCatalog.h"
#include "bench/BenchLibrary.h"
#include "engine/report/CatalogReport.h"
#include "engine/report/ReportOptions.h"
#include "engine/start/AppFolders.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>

namespace {
constexpr int kRuns = 3;
} // namespace

int main(int argc, char** argv)
{
    const BenchLibrary library(argc, argv, argc > 2 ? std::max(12, std::atoi(argv[2])) : 1'000'000);
    const std::string& catalog = library.catalog();

    Timing awkTime = TimeAwk(catalog, kRuns);
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
            Timing t = BestOf(
                kRuns, [&] { WriteCatalogReport("Bench.dat", layout, report); }, RUSAGE_SELF);
            std::printf("%s, %s columns, %4.0f MiB: %.3f s wall (%.2f x awk), %.3f s cpu "
                        "(%.2f x awk)\n",
                        html ? "HTML" : "text", allColumns ? "all six" : "default four", FileMiB(report), t.wall,
                        t.wall / awkTime.wall, t.cpu, t.cpu / awkTime.cpu);
        }
    }
    return 0;
}
