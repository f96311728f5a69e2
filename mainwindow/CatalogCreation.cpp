#include "mainwindow/CatalogCreation.h"

#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CommentCodec.h"
#include "engine/problem/Problem.h"
#include "engine/scan/CatalogScan.h"
#include "engine/settings/AppSettings.h"
#include "engine/start/AppFolders.h"
#include "engine/text/PathHelpers.h"
#include "gui/AppContext.h"
#include "gui/WindowRegistry.h"
#include "gui/WindowState.h"
#include "gui/jobs/JobRunner.h"
#include "gui/services/Clock.h"
#include "gui/services/Ejector.h"
#include "gui/services/Services.h"
#include "language/LangText.h"
#include "mainwindow/CatLayer.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/SaveCatalogDialog.h"
#include "platform/prompter/Prompter.h"
#include "platform/text/Messages.h"

#include <QLocale>

#include <chrono>

namespace {
QString FilesFound(qint64 bodyLines)
{
    return QLocale().toString(bodyLines) + QStringLiteral(" files found");
}
} // namespace

CatalogCreation::CatalogCreation(AppContext& app, MainWindow& window) : app_(app), window_(window)
{
    connect(&app_.jobs, &JobRunner::progress, this, [this](qint64 n) {
        if (isBusy())
            showProgress(n);
    });
    connect(&app_.jobs, &JobRunner::ended, this, [this](const QObject* owner) {
        if (owner == this)
            emit finished();
    });
}

CatalogCreation::~CatalogCreation() = default;

bool CatalogCreation::isBusy() const
{
    return app_.jobs.runsFor(this);
}

void CatalogCreation::stop()
{
    if (isBusy())
        app_.jobs.stop();
}

void CatalogCreation::create(const QString& folder)
{
    if (app_.jobs.isBusy() || folder.isEmpty())
        return;
    // Gone since it was chosen: said as the batch mode says it, rather than
    // offering an empty catalog.
    if (!DirExist(folder.toStdString())) {
        app_.services.prompter.message(MessageText(MessageId::DirectoryMissing), "CorvaneDisk", MsgIcon::Exclamation);
        return;
    }
    const ScanRequest asked = window_.catLayer().scanRequest();
    ScanOptions opts;
    opts.RecursiveDir = asked.recursive;
    opts.SearchZipContent = asked.archiveContents;
    opts.EnableComment = asked.comments;
    opts.RootDir = folder.toStdString();
    opts.FilePatterns = asked.patterns.toStdString();
    const auto start = app_.services.clock.steadyTime();

    window_.catLayer().setStatus(app_.texts.text(TextId::ScanRunning), folder);
    folder_ = folder;

    JobOptions options{.owner = this, .wait = [this] { FormStayOnTop(&window_, app_.settings.OnTop); }};
    options.stopped = [this] {
        window_.catLayer().setStatus(QStringLiteral("Cataloguing stopped"), folder_);
        ejectIfAsked();
    };
    app_.jobs.start(
        std::move(options),
        [this, opts](JobControl& job) {
            auto session = std::make_shared<ScanSession>(job.stopFlag());
            // A problem shows while the scan waits for it, then the scan goes on.
            session->problems = ProblemsShownBy(app_.services.prompter);
            session->onProgress = [this, &job](std::size_t n, const std::string& nowReading) {
                {
                    std::lock_guard lock(readingMutex_);
                    reading_ = nowReading;
                }
                job.progress(qint64(n));
            };
            CreateCatalog(opts, *session);
            session->onProgress = nullptr;
            return session;
        },
        [this, start](std::shared_ptr<ScanSession> session) {
            const auto seconds =
                std::chrono::duration_cast<std::chrono::seconds>(app_.services.clock.steadyTime() - start).count();
            const qint64 body = qint64(session->lines.count()) - HeaderLineCount;
            window_.catLayer().setStatus({}, FilesFound(std::max<qint64>(body, 0)) +
                                                 app_.texts.text(TextId::ScanDoneIn) + ' ' + QString::number(seconds) +
                                                 app_.texts.text(TextId::ScanDoneSeconds));
            if (session->lines.count() > 0)
                save(*session);
            session.reset(); // the lines are gone before the disc is ejected
            ejectIfAsked();
        });
}

void CatalogCreation::ejectIfAsked()
{
    if (!window_.catLayer().ejectAsked())
        return;
    const EjectOutcome outcome = app_.services.ejector.ejectDiscHolding(folder_.toStdString());
    if (!outcome.opened)
        app_.services.prompter.message("The disc could not be ejected: " + outcome.reason, "CorvaneDisk",
                                       MsgIcon::Exclamation);
}

void CatalogCreation::showProgress(qint64 bodyLines)
{
    QString reading;
    {
        std::lock_guard lock(readingMutex_);
        reading = QString::fromStdString(reading_);
    }
    window_.catLayer().showProgress(FilesFound(bodyLines), reading);
}

void CatalogCreation::save(ScanSession& session)
{
    auto& dialog = app_.windows.get<SaveCatalogDialog>();
    FormStayOnTop(&window_, false);
    std::optional<SaveAnswer> answer = dialog.ask(QString::fromStdString(session.VolumeLabel).trimmed());
    if (app_.settings.OnTop)
        FormStayOnTop(&window_, true);
    if (!answer || answer->name.isEmpty())
        return;
    session.lines.line(std::size_t(HeaderLine::Comment)) =
        MakeHeaderLine(HeaderLine::Comment, EncodeHeaderComment(answer->comment.toStdString()));
    SaveFile(session.lines, app_.folders.LibPath + answer->name.toStdString() + ".dat", session.problems);
}
