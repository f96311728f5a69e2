// The settings file that starts and exits leave behind, byte for byte: a key,
// value name, type or default that drifted would strand what every user's
// store already holds.
#include "browser/CatalogBrowser.h"
#include "engine/registry/Registry.h"
#include "results/SearchResultsWindow.h"
#include "tests/mainwindow/StartMainWindow.h"
#include "tests/support/SameLines.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {
std::string Expected(const char* name)
{
    return ReadFileBytes(std::string(CORVANE_FIXTURES "/settings/") + name);
}

// One run of the program: start-up, the secondary windows opened, exit.
void RunOnce(TestWorld& world)
{
    world.settings = AppSettings{};
    MainWindow& main = StartMainWindow(world);
    world.windows.get<SearchResultsWindow>();
    world.windows.get<CatalogBrowser>();
    main.close();
    world.windows.unloadAll();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

TEST(SettingsFileTest, AFirstAndASecondRunWriteTheFileTheyAlwaysWrote)
{
    TestWorld world;
    world.home.write("skin/Other.zip", world.home.read("skin/CorvaneDisk.zip"));
    RunOnce(world);
    EXPECT_PRED_FORMAT2(SameLines, ReadFileBytes(world.registryFile()), Expected("first-run.reg"));

    // Edited by hand in between: a count that reads as empty and two searches.
    const std::string search = std::string(AppRegKey) + "\\Search";
    SetKeyValue(HKEY_LOCAL_MACHINE, search, "", "", REG_SZ);
    for (const char* recent : {"Recent1", "Recent2"}) {
        CreateNewKey(HKEY_LOCAL_MACHINE, search + "\\" + recent);
        SetKeyValue(HKEY_LOCAL_MACHINE, search + "\\" + recent, "", recent, REG_SZ);
    }
    RunOnce(world);
    EXPECT_PRED_FORMAT2(SameLines, ReadFileBytes(world.registryFile()), Expected("second-run.reg"));
}
