#include "mainwindow/ProgramWorld.h"

#include "engine/start/AppFolders.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/UsageWindow.h"
#include "mainwindow/WindowMode.h"

#include <QTimer>

ProgramWorld::ProgramWorld()
    : dialogs_([](std::string_view text) {
          UsageWindow usage(QString::fromUtf8(text.data(), qsizetype(text.size())));
          usage.exec();
      }),
      prompter_(dialogs_), prompterInUse_(prompter_), services_(prompter_, Folders().AppPath),
      windowTexts_(windows_, texts_, settings_.FontLabel, settings_.FontTitle),
      jobs_(prompter_), app_{services_.services(), Folders(), settings_, texts_, windowTexts_, windows_, skin_, jobs_}
{
    DefineWindows(app_);
}

ProgramWorld::~ProgramWorld()
{
    windows_.unloadAll();
}

MainWindow& ProgramWorld::start()
{
    auto& main = windows_.get<MainWindow>();
    main.startUp();
    main.show();
    QTimer::singleShot(0, &main, &MainWindow::finishStartUp);
    return main;
}
