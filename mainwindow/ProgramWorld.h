#pragma once
// The world of the program with its windows: the dialog prompter (carried to
// the UI thread for work on workers), the real services, the settings, the
// texts, the windows, the skin and the runner of long work. Build it once the
// application object exists.

#include "engine/settings/AppSettings.h"
#include "gui/AppContext.h"
#include "gui/WindowRegistry.h"
#include "gui/jobs/JobRunner.h"
#include "gui/jobs/UiThreadPrompter.h"
#include "gui/services/ProgramServices.h"
#include "language/LangText.h"
#include "language/WindowTexts.h"
#include "platform/gui/DialogPrompter.h"
#include "skin/Skin.h"

class MainWindow;

class ProgramWorld {
public:
    ProgramWorld();
    ~ProgramWorld();
    ProgramWorld(const ProgramWorld&) = delete;
    ProgramWorld& operator=(const ProgramWorld&) = delete;

    AppContext& app() { return app_; }
    // Makes the main window, runs its start-up and shows it; the rest of the
    // start-up follows once the event loop runs.
    MainWindow& start();

private:
    DialogPrompter dialogs_;
    UiThreadPrompter prompter_;
    ScopedPrompter prompterInUse_;
    ProgramServices services_;
    AppSettings settings_;
    LangText texts_;
    WindowRegistry windows_;
    WindowTexts windowTexts_;
    Skin skin_;
    JobRunner jobs_;
    AppContext app_;
};
