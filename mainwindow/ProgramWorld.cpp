#include "mainwindow/ProgramWorld.h"

#include "engine/start/AppFolders.h"
#include "mainwindow/WindowMode.h"

ProgramWorld::ProgramWorld(Prompter& prompter)
    : services(prompter, Folders().AppPath), windowTexts(windows, texts, settings.FontLabel, settings.FontTitle),
      app{services.services(), settings, texts, windowTexts, windows, skin, jobs}
{
    DefineWindows(app);
}
