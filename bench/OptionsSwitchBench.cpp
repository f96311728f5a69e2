// Times a language change and a skin change made on the options dialog while
// every window of the program is open (offscreen, on a world of fakes), the
// repaint included.
//   options_switch_bench [runs]   (default 20)

#include "mainwindow/MainWindow.h"
#include "mainwindow/WindowMode.h"
#include "options/FileChoiceList.h"
#include "options/OptionsDialog.h"
#include "tests/support/TestWorld.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

// Every window the program defines, open; a skin change reloads some hidden.
void ShowEveryWindow(WindowRegistry& windows)
{
    for (const char* name :
         {"frmCorvaneDisk", "frmSaveIDX", "frmEditComment", "frmFind", "frmLib", "frmViewImg", "frmOption", "frmAbout"})
        if (windows.isDefined(name))
            windows.instance(name).show();
    QApplication::processEvents();
}

void Choose(FileChoiceList& list, const char* shown)
{
    list.setCurrentItem(list.findItems(QString::fromLatin1(shown), Qt::MatchExactly).value(0));
    QApplication::processEvents(); // the windows repaint
}

// The fastest and the middle of runs, in milliseconds.
void Time(const char* what, int runs, const std::function<void()>& prepare, const std::function<void(int)>& f)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        f(i);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s fastest %8.2f ms   median %8.2f ms   slowest %8.2f ms   (%d runs)\n", what, ms.front(),
                ms[ms.size() / 2], ms.back(), runs);
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(2, std::atoi(argv[1])) : 20;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("CORVANEDISK_CONSOLE", "1");
    QApplication app(argc, argv);

    TestWorld world;
    std::filesystem::copy_file(CORVANE_SOURCE_DIR "/tests/fixtures/language/CorD_deu.lng",
                               world.home.file("language/CorD_deu.lng"));
    std::filesystem::copy_file(CORVANE_SOURCE_DIR "/tests/fixtures/skins/Slate.zip", world.home.file("skin/Slate.zip"));
    DefineWindows(world.app);
    auto& main = world.windows.get<MainWindow>();
    main.startUp();
    main.show();
    main.finishStartUp();
    ShowEveryWindow(world.windows);
    auto& options = world.windows.get<OptionsDialog>();
    auto* languages = options.findChild<FileChoiceList*>(QStringLiteral("lstLang"));
    auto* skins = options.findChild<FileChoiceList*>(QStringLiteral("lstSkins"));

    Time(
        "language: English <-> Deutsch", runs, [] {},
        [&](int i) { Choose(*languages, i % 2 ? "English" : "Deutsch"); });
    Time(
        "skin: CorvaneDisk <-> Slate", runs, [&] { ShowEveryWindow(world.windows); },
        [&](int i) { Choose(*skins, i % 2 ? "CorvaneDisk" : "Slate"); });
    std::printf("windows open: %zu\n", world.windows.loadedNames().size());
    return 0;
}
