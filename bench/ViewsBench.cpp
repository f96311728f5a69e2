// The browser and the viewer on real windows:
//   views_bench [DIVISOR]   (under a display, or with QT_QPA_PLATFORM=offscreen)
// prints the time to list a folder of 100,000 files in the browser (the list
// filled and painted), to list a root folder of 10 MB and a file with a name
// of 10 MB (tree and list painted), to show the hex view of a 1 MiB file (read,
// dumped by libQuexel.so and painted), and to show a file of two million short
// lines as text and as its dump, best of three each; every size divided by
// DIVISOR (default 1).

#include "bench/BenchCatalog.h"
#include "browser/CatalogBrowser.h"
#include "engine/settings/AppSettings.h"
#include "engine/start/AppFolders.h"
#include "gui/AppContext.h"
#include "gui/WindowRegistry.h"
#include "gui/dialogs/CommentDialog.h"
#include "gui/jobs/JobRunner.h"
#include "gui/services/ProgramServices.h"
#include "language/LangText.h"
#include "language/WindowTexts.h"
#include "platform/prompter/ConsolePrompter.h"
#include "skin/Skin.h"
#include "tests/support/NamedControl.h"
#include "viewer/FileViewer.h"
#include "viewer/LineView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace {
constexpr int Runs = 3;
constexpr int CatalogLines = 111'123; // 100,000 files: every tenth line is an archive member
constexpr int LongName = 10'000'000;
constexpr int HexBytes = 1 << 20;
constexpr int ShortLines = 2'000'000;

double BestMs(const std::function<void()>& prepare, const std::function<void()>& run)
{
    double best = 1e9;
    for (int i = 0; i < Runs; ++i) {
        prepare();
        QApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        run();
        best = std::min(best, double(clock.nsecsElapsed()) / 1e6);
    }
    return best;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    const int divisor = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    const int catalogLines = std::max(12, CatalogLines / divisor);
    const int longName = LongName / divisor;
    const int hexBytes = HexBytes / divisor;
    const int shortLines = ShortLines / divisor;
    std::string tmpl = (std::filesystem::temp_directory_path() / "views_bench.XXXXXX").string();
    char* folder = tmpl.data();
    if (!mkdtemp(folder))
        return 1;
    const std::string home = std::string(folder) + "/";
    SetAppFolders(home);
    CreateOutputFolders();
    WriteBenchCatalog(Folders().LibPath + "One.dat", catalogLines, true);
    {
        const std::string root = "\\" + std::string(longName, 'r');
        std::ofstream(Folders().LibPath + "Huge.dat", std::ios::binary)
            << ">Fixed\r\n>Serial 1\r\n>Volume V\r\n>Free 1 MB\r\n>Total 2 MB\r\n>Root Dir " << root
            << "\r\n>Recursive Dir True\r\n>Search zip content True\r\n>Enable comment True\r\n>Search *.*\r\n"
               ">Comment \r\n"
            << root << "\\a.txt>1 Kb/01/01/2020\r\n"
            << "\\" << std::string(longName, 'n') << ".jpg>2 Kb/01/01/2020\r\n";
    }
    std::string bytes(hexBytes, '\0');
    std::mt19937 random(7);
    for (char& c : bytes)
        c = char(random());
    std::ofstream(home + "one-mib.bin", std::ios::binary) << bytes;

    ConsolePrompter prompter;
    ScopedPrompter prompterInUse(prompter);
    ProgramServices services(prompter, home);
    AppSettings settings;
    LangText texts;
    WindowRegistry windows;
    WindowTexts windowTexts(windows, texts, settings.FontLabel, settings.FontTitle);
    Skin skin;
    JobRunner jobs(prompter);
    AppContext app{services.services(), Folders(), settings, texts, windowTexts, windows, skin, jobs};
    windows.define(CatalogBrowser::WindowName, [&app] { return new CatalogBrowser(app); });
    windows.define(FileViewer::WindowName, [&app] { return new FileViewer(app, QUEXEL_DIR); });
    windows.define(CommentDialog::WindowName, [&app] { return new CommentDialog(app); });

    auto& lib = windows.get<CatalogBrowser>();
    auto& tree = Control<QTreeView>(lib, "TVPath");
    auto& list = Control<QTreeView>(lib, "LVPath");
    lib.resize(900, 700);
    lib.openCatalog("One.dat");
    while (jobs.runsFor(&lib))
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    const QModelIndex root = tree.model()->index(0, 0);
    const QModelIndex photos = tree.model()->index(0, 0, root);
    const double listMs = BestMs([&] { tree.setCurrentIndex(root); },
                                 [&] {
                                     tree.setCurrentIndex(photos);
                                     list.viewport()->repaint();
                                 });
    std::printf("folder of %d files listed in %.1f ms\n", list.model()->rowCount(), listMs);

    lib.openCatalog("Huge.dat");
    while (jobs.runsFor(&lib))
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    for (int row : {0, 1}) {
        const QModelIndex node = tree.model()->index(row, 0);
        const double ms = BestMs([&] { tree.clearSelection(); },
                                 [&] {
                                     tree.setCurrentIndex(node);
                                     tree.viewport()->repaint();
                                     list.viewport()->repaint();
                                 });
        std::printf("%s of %.1f MB listed in %.1f ms\n", row == 0 ? "root" : "file name", longName / 1e6, ms);
    }

    auto& viewer = windows.get<FileViewer>();
    auto& textBox = Control<LineView>(viewer, "rtf");
    viewer.resize(900, 700);
    viewer.show();
    viewer.viewFile(home + "one-mib.bin");
    const double hexMs = BestMs([&] { viewer.viewFile(home + "one-mib.bin"); },
                                [&] {
                                    viewer.toggleHexView();
                                    textBox.viewport()->repaint();
                                });
    std::printf("hex view of %d KiB shown in %.1f ms (%lld characters)\n", hexBytes / 1024, hexMs,
                static_cast<long long>(textBox.toPlainText().size()));

    // The first 4 MiB of a file of short lines: two million of them.
    std::string lines;
    lines.reserve(std::size_t(shortLines) * 2);
    for (int i = 0; i < shortLines; ++i)
        lines += i % 2 ? "b\n" : "a\n";
    std::ofstream(home + "short-lines.txt", std::ios::binary) << lines;
    const double textMs = BestMs([&] { viewer.viewFile(home + "one-mib.bin"); },
                                 [&] {
                                     viewer.viewFile(home + "short-lines.txt");
                                     textBox.viewport()->repaint();
                                 });
    std::printf("text view of %d short lines shown in %.1f ms\n", shortLines, textMs);
    const double shortHexMs = BestMs([&] { viewer.viewFile(home + "short-lines.txt"); },
                                     [&] {
                                         viewer.toggleHexView();
                                         textBox.viewport()->repaint();
                                     });
    std::printf("hex view of those %.1f MiB shown in %.1f ms\n", double(lines.size()) / (1 << 20), shortHexMs);
    windows.unloadAll();
    std::filesystem::remove_all(folder);
    return 0;
}
