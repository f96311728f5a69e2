#include "mainwindow/SearchLaunch.h"

#include "engine/problem/Problem.h"
#include "engine/search/LibrarySearch.h"
#include "engine/settings/AppSettings.h"
#include "engine/settings/SettingPlace.h"
#include "engine/start/AppFolders.h"
#include "gui/AppContext.h"
#include "gui/WindowRegistry.h"
#include "gui/WindowState.h"
#include "gui/jobs/JobRunner.h"
#include "gui/services/Services.h"
#include "language/LangText.h"
#include "mainwindow/FindLayer.h"
#include "mainwindow/MainWindow.h"
#include "platform/prompter/Prompter.h"
#include "results/FindRow.h"
#include "results/SearchResultsWindow.h"

#include <mutex>

// Where the worker leaves the hits for the UI thread. The worker never
// touches the launcher: it posts to receiver, which the launcher withdraws
// when it goes.
struct SearchLaunch::Inbox {
    std::mutex mutex;
    QObject* receiver = nullptr;
    std::vector<std::vector<FindRow>> batches; // kept whole: no row is moved twice
    bool posted = false;

    void put(std::vector<FindRow>&& batch, SearchLaunch* launch)
    {
        std::lock_guard lock(mutex);
        if (!receiver)
            return;
        batches.push_back(std::move(batch));
        if (!posted) {
            posted = true;
            QMetaObject::invokeMethod(
                receiver, [launch] { launch->takeHits(); }, Qt::QueuedConnection);
        }
    }
    std::vector<std::vector<FindRow>> take()
    {
        std::lock_guard lock(mutex);
        posted = false;
        return std::exchange(batches, {});
    }
};

SearchLaunch::SearchLaunch(AppContext& app, MainWindow& window)
    : app_(app), window_(window), inbox_(std::make_shared<Inbox>())
{
    inbox_->receiver = this;
    connect(&app_.jobs, &JobRunner::ended, this, [this](const QObject* owner) {
        if (owner == this)
            emit finished();
    });
}

SearchLaunch::~SearchLaunch()
{
    std::lock_guard lock(inbox_->mutex);
    inbox_->receiver = nullptr;
    if (isBusy())
        app_.jobs.stop();
}

bool SearchLaunch::isBusy() const
{
    return app_.jobs.runsFor(this);
}

void SearchLaunch::stop()
{
    if (isBusy())
        app_.jobs.stop();
}

void SearchLaunch::startSearch()
{
    if (app_.jobs.isBusy())
        return;
    auto& results = app_.windows.get<SearchResultsWindow>();
    const SearchRequest asked = window_.findLayer().findRequest();
    results.clearResults(asked.sorted);
    rememberSearch(asked.text);

    FindRequest request;
    request.LibraryFolder = app_.folders.LibPath;
    request.Catalog = asked.catalog;
    request.DriveType = asked.driveType;
    if (!asked.patterns.isEmpty())
        request.FileFilter = asked.patterns.toStdString();
    request.Expression = asked.text.toStdString();
    auto session = std::make_shared<FindSession>();
    session->MaxHit = app_.settings.MaxHit;
    session->IgnoreMaxHit = app_.settings.IgnoreMaxHit;
    // A catalog that cannot be searched is said while the search waits, then it goes on.
    session->problems = ProblemsShownBy(app_.services.prompter);

    results.show();
    results.raise();
    JobOptions options{.owner = this, .wait = [this] { FormStayOnTop(&window_, app_.settings.OnTop); }};
    options.failed = [this] { takeHits(); }; // what was found before the error
    app_.jobs.start(
        std::move(options),
        [request, session, inbox = inbox_, launch = this](JobControl& job) {
            RunFind(
                request, *session,
                [&](std::vector<FindHit>&& hits) {
                    if (job.stopRequested())
                        session->StopFind = true;
                    inbox->put(FindRowsOf(hits), launch);
                },
                [&](const FindProgress&) {
                    if (job.stopRequested())
                        session->StopFind = true;
                });
        },
        [this, session] {
            takeHits();
            if (session->limitReached())
                app_.services.prompter.message(app_.texts[TextId::MaxHitReached], "CorvaneDisk", MsgIcon::Information);
        });
}

void SearchLaunch::takeHits()
{
    std::vector<std::vector<FindRow>> batches = inbox_->take();
    if (SearchResultsWindow* results = app_.windows.find<SearchResultsWindow>())
        results->appendRows(std::move(batches));
}

void SearchLaunch::rememberSearch(const QString& text)
{
    if (!window_.findLayer().addRecentSearch(text))
        return;
    for (int i = app_.settings.RecentCount; i >= 2; --i)
        RecentSearchPlace(i).write(RecentSearchPlace(i - 1).stored().text());
    RecentSearchPlace(1).write(text.toStdString());
}
