#include "gui/jobs/JobRunner.h"

#include "gui/dialogs/WaitWindow.h"
#include "platform/prompter/ErrorBox.h"

#include <QApplication>

#include <utility>

void JobControl::reset()
{
    stop_ = false;
    latest_ = 0;
    sent_ = 0;
    anySent_ = false;
}

void JobControl::progress(qint64 done)
{
    latest_.store(done, std::memory_order_relaxed);
    const auto now = std::chrono::steady_clock::now();
    if (anySent_ && now - lastSent_ < JobRunner::ProgressInterval)
        return;
    anySent_ = true;
    lastSent_ = now;
    sent_ = done;
    JobRunner* runner = &runner_;
    QMetaObject::invokeMethod(
        runner, [runner, done] { emit runner->progress(done); }, Qt::QueuedConnection);
}

JobRunner::JobRunner(Prompter& prompter, QObject* parent) : QObject(parent), prompter_(prompter) {}

JobRunner::~JobRunner()
{
    if (!worker_.joinable())
        return;
    destroying_ = true;
    control_.stop_ = true;
    // The worker may be waiting for an answer from this thread.
    while (!workerDone_)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    worker_.join();
    leaveWait(options_);
}

void JobRunner::stop()
{
    if (busy_)
        control_.stop_ = true;
}

bool JobRunner::launch(JobOptions options, std::function<Completion(JobControl&)> job)
{
    if (busy_)
        return false;
    busy_ = true;
    options_ = std::move(options);
    owner_ = options_.owner.data();
    if (options_.waitCursor)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    if (options_.wait)
        wait_ = std::make_unique<WaitWindow>([owner = options_.owner, restore = options_.wait] {
            if (owner)
                restore();
        });
    control_.reset();
    workerDone_ = false;
    emit busyChanged(true);
    worker_ = std::thread([this, job = std::move(job)] {
        Completion completion;
        std::exception_ptr error;
        try {
            completion = job(control_);
        } catch (...) {
            // Engine calls report their own errors; this is what escaped them
            // (std::bad_alloc on a huge catalog, a library's exception).
            error = std::current_exception();
        }
        QMetaObject::invokeMethod(
            this, [this, completion = std::move(completion), error]() mutable { finish(std::move(completion), error); },
            Qt::QueuedConnection);
        workerDone_ = true;
    });
    return true;
}

namespace {
void ShowJobError(Prompter& prompter, const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        ShowErrorBox(prompter, e, "JobRunner", "start");
    } catch (...) {
        ShowErrorBox(prompter, ErrPathFileAccess, "an error of unknown kind", "JobRunner", "start", __LINE__);
    }
}
} // namespace

void JobRunner::leaveWait(const JobOptions& options)
{
    wait_.reset();
    if (options.waitCursor)
        QApplication::restoreOverrideCursor();
}

void JobRunner::finish(Completion completion, const std::exception_ptr& error)
{
    if (worker_.joinable())
        worker_.join();
    if (destroying_)
        return;
    // The last count, when the throttle held it back.
    const qint64 last = control_.latest_.load();
    if (!control_.anySent_ || last != control_.sent_)
        emit progress(last);
    busy_ = false;
    const JobOptions options = std::exchange(options_, {});
    // Stop counts until the outcome is delivered: a job that ended just
    // after Stop was asked still ends as stopped.
    const bool stopped = control_.stop_;
    // Before any outcome, so that what it shows is seen.
    leaveWait(options);
    emit busyChanged(false);
    if (options.owner) {
        if (error) {
            if (options.failed)
                options.failed();
        } else if (stopped && options.stopped) {
            completion = nullptr; // the early result is not wanted: free it first
            options.stopped();
        } else {
            completion();
        }
    }
    if (!busy_) // the outcome may have started the next job
        owner_ = nullptr;
    if (error)
        ShowJobError(prompter_, error);
    if (options.owner)
        emit ended(options.owner);
}
