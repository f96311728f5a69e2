// Lists a library of many large catalogs as the LIB layer does: reads every
// header (LoadListLib) and fills the list widget, offscreen.
//   library_list_bench [CATALOGS] [MB]    (default 2,000 catalogs of 10 MB)
// The catalogs are sparse files behind a real header, in a temporary folder.
// stdout: "catalogs N" and "rows M"; stderr: the times.

#include "bench/BenchCatalog.h"
#include "engine/library/LibraryLists.h"
#include "library/LibraryModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QTreeView>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {
constexpr int kRuns = 5;

void writeCatalog(const std::string& path, int n, off_t bytes)
{
    const std::string text = ">Fixed\r\n>Serial " + std::to_string(1000 + n) + "\r\n>Volume DISK" + std::to_string(n) +
                             "\r\n>Free " + std::to_string(n * 7 % 5000) +
                             " MB\r\n>Total 5000 MB\r\n>Root Dir \\media\\disk" + std::to_string(n) +
                             "\r\n>Recursive Dir True\r\n>Search zip content False\r\n"
                             ">Enable comment False\r\n>Search *.*\r\n>Comment backup number " +
                             std::to_string(n) + "\r\n\\media\\disk\\a.txt>1 Kb/01/02/2003\r\n";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, text.data(), text.size()) != ssize_t(text.size()) || ::ftruncate(fd, bytes) != 0) {
        std::perror(path.c_str());
        std::exit(1);
    }
    ::close(fd);
}
} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 2000;
    const off_t megabytes = argc > 2 ? std::atoll(argv[2]) : 10;
    std::string tmpl = (std::filesystem::temp_directory_path() / "library_bench.XXXXXX").string();
    char* pattern = tmpl.data();
    if (!::mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string lib = std::string(pattern) + "/";
    for (int i = 0; i < count; ++i)
        writeCatalog(lib + "Disk " + std::to_string(i) + ".dat", i, megabytes << 20);

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTreeView view;
    LibraryModel model;
    view.setModel(&model);
    view.setRootIsDecorated(false);
    view.setUniformRowHeights(true);
    view.resize(332, 185);
    view.show();
    model.sort(LibraryModel::Free, Qt::DescendingOrder); // a list the user sorted keeps its sort

    std::size_t rows = 0;
    Timing read = BestOf(
        kRuns, [&] { rows = LoadListLib(lib).size(); }, RUSAGE_SELF);
    Timing fill = BestOf(
        kRuns,
        [&] {
            model.setRows(LoadListLib(lib));
            QApplication::processEvents();
            view.viewport()->repaint(); // the view lays out and paints now
        },
        RUSAGE_SELF);
    std::printf("catalogs %d\nrows %zu\n", count, rows);
    std::fprintf(stderr,
                 "%d catalogs of %lld MB (sparse)\n"
                 "LoadListLib:          best %.3f s wall, %.3f s CPU (first run %.3f s)\n"
                 "LoadListLib + fill:   best %.3f s wall, %.3f s CPU (first run %.3f s)\n",
                 count, static_cast<long long>(megabytes), read.wall, read.cpu, read.firstWall, fill.wall, fill.cpu,
                 fill.firstWall);
    std::filesystem::remove_all(lib);
    return 0;
}
