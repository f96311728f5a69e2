#include "gui/jobs/JobRunner.h"

#include "platform/prompter/ErrorBox.h"

#include <QCoreApplication>

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
    QMetaObject::invokeMethod(runner, [runner, done] { emit runner->progress(done); }, Qt::QueuedConnection);
}

JobRunner::JobRunner(QObject* parent) : QObject(parent) {}

JobRunner::~JobRunner()
{
    if (!worker_.joinable())
        return;
    destroying_ = true;
    control_.stop_ = true;
    // The worker may be waiting for an answer from this thread.
    while (!workerDone_)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker_.join();
}

void JobRunner::stop()
{
    if (busy_)
        control_.stop_ = true;
}

bool JobRunner::launch(std::function<Completion(JobControl&)> job, Completion failed)
{
    if (busy_)
        return false;
    busy_ = true;
    failed_ = std::move(failed);
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
            this, [this, completion, error] { finish(completion, error); }, Qt::QueuedConnection);
        workerDone_ = true;
    });
    return true;
}

namespace {
void ShowJobError(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        ShowErrorBox(e, "JobRunner", "start");
    } catch (...) {
        ShowErrorBox(ErrPathFileAccess, "an error of unknown kind", "JobRunner", "start", __LINE__);
    }
}
} // namespace

void JobRunner::finish(const Completion& completion, const std::exception_ptr& error)
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
    const Completion failed = std::exchange(failed_, nullptr);
    emit busyChanged(false);
    if (!error) {
        completion();
        return;
    }
    // The caller first leaves its busy state (its wait window closes), so
    // that the error is seen.
    failed();
    ShowJobError(error);
}
