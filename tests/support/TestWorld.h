#pragma once
// A whole program world for window tests: fake services, a fresh program
// folder (library, work folder, the default skin and the English texts) and
// a settings store of its own. Windows are made through the registry.

#include "engine/settings/AppSettings.h"
#include "engine/start/AppFolders.h"
#include "gui/AppContext.h"
#include "gui/WindowRegistry.h"
#include "gui/jobs/JobRunner.h"
#include "language/LangText.h"
#include "language/WindowTexts.h"
#include "skin/Skin.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempDir.h"

#include <atomic>
#include <functional>
#include <string>

class TestWorld {
public:
    TestWorld();
    ~TestWorld();

    std::string lib() const; // the library folder, ending with "/"
    std::string registryFile() const;
    // Runs events until done() holds or ms pass; false on timeout.
    static bool waitFor(const std::function<bool()>& done, int ms = 10000);
    // Acts on the next modal dialog once it is shown (from its own loop).
    static void whenModal(std::function<void(QWidget*)> act);
    // Keeps the job runner busy until release is set; done runs at its end.
    bool holdJobs(
        std::atomic<bool>& release, std::function<void()> done = [] {});

    TempDir home;
    FakeServices fakes;
    AppSettings settings;
    LangText texts;
    WindowRegistry windows;
    WindowTexts windowTexts{windows, texts, settings.FontLabel, settings.FontTitle};
    Skin skin;
    JobRunner jobs{fakes.prompter};
    AppContext app{fakes.services, Folders(), settings, texts, windowTexts, windows, skin, jobs};
};
