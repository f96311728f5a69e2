// Times cataloguing a generated tree of 100,000 files (FOLDERS x 20) from the main window
// (the scan on a worker, its progress shown, up to the save dialog) against
// the same scan called directly, as the batch mode does.
// Usage: window_scan_bench [folder-for-the-tree] [FOLDERS]   (runs offscreen)
#include "bench/BenchTree.h"
#include "bench/ProgramHome.h"
#include "engine/scan/CatalogScan.h"
#include "engine/start/AppFolders.h"
#include "gui/widgets/CheckBoxWeb.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ProgramWorld.h"
#include "tests/support/NamedControl.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
template <class F> double BestOf(int runs, F f)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i)
        best = std::min(best, f());
    return best;
}
} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const fs::path base = argc > 1 && argv[1][0] ? fs::path(argv[1]) : fs::temp_directory_path();
    const int folders = argc > 2 ? std::max(1, std::atoi(argv[2])) : BenchTreeFolders;
    const fs::path work = base / "corvane-window-scan-bench";
    fs::remove_all(work);
    fs::create_directories(work / "config");
    setenv("CORVANEDISK_HOME", (work / "program").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (work / "config").c_str(), 1);
    SetAppFolders(DefaultAppPath());
    CreateOutputFolders();
    CopyLanguageFile(Folders().AppPath);
    const fs::path tree = work / "tree";
    BuildBenchTree(tree, folders);

    ScanOptions opts;
    opts.RootDir = tree.string();
    opts.FilePatterns = "*.*";
    opts.RecursiveDir = true;
    const double batch = BestOf(5, [&] {
        const auto t0 = std::chrono::steady_clock::now();
        ScanSession s;
        CreateCatalog(opts, s);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    });

    QApplication app(argc, argv);
    ProgramWorld world;
    MainWindow& main = world.start();
    QApplication::processEvents();
    Control<CheckBoxWeb>(main, "CBWRecursive").setValue(true);
    const double window = BestOf(5, [&] {
        QElapsedTimer clock;
        double seconds = 0;
        // The scan is done when the save dialog asks for a name.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                seconds = clock.nsecsElapsed() / 1e9;
                dialog->reject();
            }
        });
        poll.start(1);
        clock.start();
        main.catalogueFolder(QString::fromStdString(tree.string()));
        while (main.isBusy())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        return seconds;
    });
    std::printf("batch scan:  %.3f s\nwindow scan: %.3f s\nratio:       %.2f\n", batch, window, window / batch);
    fs::remove_all(work);
    return 0;
}
