// Times a search whose every line is a hit, from a click on the Search button
// of the real main window until the last row is shown in the results window:
// the search on its worker, the rows handed over block by block, the model,
// the list painted at its end. Run it on a display (e.g. under xvfb-run) or
// with QT_QPA_PLATFORM=offscreen.   results_bench [HITS] [--sorted]
#include "bench/BenchCatalog.h"
#include "bench/ProgramHome.h"
#include "engine/start/AppFolders.h"
#include "gui/AppIcons.h"
#include "gui/AppStyle.h"
#include "gui/widgets/ButtonWeb.h"
#include "gui/widgets/CheckBoxWeb.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ProgramWorld.h"
#include "platform/prompter/ConsolePrompter.h"
#include "results/FindResultsModel.h"
#include "results/SearchResultsWindow.h"
#include "tests/support/NamedControl.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTreeView>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/resource.h>

int main(int argc, char** argv)
{
    const int hits = argc > 1 && argv[1][0] != '-' ? std::atoi(argv[1]) : 200000;
    const bool sorted = argc > 1 && std::strcmp(argv[argc - 1], "--sorted") == 0;
    std::string tmpl = (std::filesystem::temp_directory_path() / "corvane-results-bench-XXXXXX").string();
    char* home = tmpl.data();
    if (!mkdtemp(home))
        return 1;
    setenv("CORVANEDISK_HOME", home, 1);
    setenv("XDG_CONFIG_HOME", home, 1);
    SetAppFolders(std::string(home) + "/");
    CreateOutputFolders();
    CopyLanguageFile(Folders().AppPath);
    WriteBenchCatalog(Folders().LibPath + "Bench.dat", hits + 11);

    QApplication qapp(argc, argv);
    UseDesktopIconTheme();
    UseProgramStyle();
    ProgramWorld world;
    auto& main = world.start();
    main.finishStartUp();
    main.showLayer(MainWindow::Layer::Find);
    Control<QComboBox>(main, "cboFind").setEditText(QStringLiteral("kb")); // in every size
    Control<CheckBoxWeb>(main, "CBWIgnoreMaxHit").setValue(true);
    Control<CheckBoxWeb>(main, "CBWSort").setValue(sorted);
    QApplication::processEvents();

    QElapsedTimer clock;
    clock.start();
    Control<ButtonWeb>(main, "BWFind").click();
    while (main.isBusy())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    auto& results = world.app().windows.get<SearchResultsWindow>();
    auto& list = Control<QTreeView>(results, "LVFind");
    list.scrollToBottom();
    list.viewport()->repaint();
    const qint64 ms = clock.elapsed();

    const int rows = results.results().rowCount();

    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf("%d rows%s shown in the results window %lld ms after the click; peak memory %ld MiB\n", rows,
                sorted ? " (sorted)" : "", static_cast<long long>(ms), ru.ru_maxrss / 1024);
    std::filesystem::remove_all(home);
    return rows == hits ? 0 : 1;
}
