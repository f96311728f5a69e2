// Times the painting and packing of the default skin, and its application
// to the six windows (stand-ins with the real controls), offscreen.
//   skin_bench [runs]   (default 20)

#include "engine/start/AppFolders.h"
#include "gui/WindowRegistry.h"
#include "platform/prompter/ConsolePrompter.h"
#include "platform/settings/RegStore.h"
#include "skin/LoadSkin.h"
#include "skin/Skin.h"
#include "skin/default/DefaultSkinPackage.h"
#include "tests/skin/SkinTestWindows.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {
// The fastest and the middle of runs of f, in milliseconds.
void time(const char* what, int runs, const std::function<void()>& f)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        f();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-42s fastest %8.2f ms   median %8.2f ms   (%d runs)\n", what, ms.front(), ms[ms.size() / 2], runs);
}
} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::string home = (std::filesystem::temp_directory_path() / "corvane-skin-bench-XXXXXX").string();
    if (!mkdtemp(home.data()))
        return 1;
    SetAppFolders(home);
    RegStore::SetInstancePath(home + "/registry.reg");

    time("paint and pack the default skin", runs, [] { BuildDefaultSkinPackage(); });
    std::string error;
    if (!WriteDefaultSkinPackage(Folders().SkinPath + DefaultSkinName, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }

    WindowRegistry windows;
    DefineSkinTestWindows(windows);
    windows.instance("frmCorvaneDisk");
    Skin skin;
    const SkinContext context;
    ConsolePrompter prompter;
    time("LoadSkin at start-up (six windows)", runs,
         [&] { LoadSkin(prompter, skin, windows, context, Folders().SkinPath, DefaultSkinName, true); });
    time("LoadSkin while running (six windows)", runs, [&] {
        LoadSkin(prompter, skin, windows, context, Folders().SkinPath, DefaultSkinName, false);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });

    WindowRegistry mainOnly;
    DefineMainTestWindow(mainOnly);
    mainOnly.instance("frmCorvaneDisk");
    Skin fresh;
    time("LoadSkin at start-up (main window only)", runs,
         [&] { LoadSkin(prompter, fresh, mainOnly, context, Folders().SkinPath, DefaultSkinName, true); });
    std::filesystem::remove_all(home);
    return 0;
}
