#pragma once
// The world the running program's windows live in, built once the
// application object exists: the real services, the settings, the texts,
// the window registry (every window defined), the skin and the runner of
// long work, handed to the windows as one AppContext.

#include "engine/settings/AppSettings.h"
#include "gui/AppContext.h"
#include "gui/WindowRegistry.h"
#include "gui/jobs/JobRunner.h"
#include "gui/services/ProgramServices.h"
#include "language/LangText.h"
#include "language/WindowTexts.h"
#include "skin/Skin.h"

class Prompter;

struct ProgramWorld {
    // prompter: how the services ask and tell (it outlives the world).
    explicit ProgramWorld(Prompter& prompter);
    ProgramWorld(const ProgramWorld&) = delete;
    ProgramWorld& operator=(const ProgramWorld&) = delete;

    ProgramServices services;
    AppSettings settings;
    LangText texts;
    WindowRegistry windows;
    WindowTexts windowTexts;
    Skin skin;
    JobRunner jobs;
    AppContext app;
};
