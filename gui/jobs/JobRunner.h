#pragma once
// The one way windows run long work (a scan, loading a catalog, a search, a
// report). A job is a synchronous engine call that honours a stop flag and
// reports progress; the runner runs it on a worker thread, passes its
// progress on as queued signals at most about every 100 ms, and hands its
// result back by value on the UI thread. Every job ends in exactly one
// outcome there: done, stopped (Stop was asked; without a stopped handler
// done gets the early result) or failed (it threw; failed() runs, then the
// error is shown once). Outcomes reach the job's owner only while it lives;
// the wait window and wait cursor, when asked for, go before any outcome,
// and in every case. One job at a time: start() refuses a second one while
// isBusy().
//
//   JobOptions options{.owner = this, .wait = [this] { restoreOnTop(); }};
//   options.failed = [this] { leaveBusyState(); };            // it threw
//   runner.start(options,
//       [opts](JobControl& job) {                      // on the worker
//           ScanSession session(job.stopFlag());
//           session.onProgress = [&](std::size_t n) { job.progress(qint64(n)); };
//           CreateCatalog(opts, session);
//           return session;                            // moved to the UI thread
//       },
//       [this](ScanSession session) { saveCatalog(session); }); // on the UI thread
//   connect(&runner, &JobRunner::progress, this, &Window::showCount);
//   connect(stopButton, &QPushButton::clicked, &runner, &JobRunner::stop);
//
// Questions and boxes the job raises on the worker go through the prompter it
// is handed: a UiThreadPrompter asks them on the UI thread while the worker
// waits. An error that escapes the job is shown on the runner's prompter.

#include <QObject>
#include <QPointer>

#include <atomic>
#include <chrono>
#include <exception>
#include <functional>
#include <memory>
#include <thread>
#include <type_traits>

class JobRunner;
class Prompter;
class WaitWindow;

// Who a job works for and how it ends.
struct JobOptions {
    QPointer<QObject> owner{}; // needed: outcomes and wait() reach it only while it lives
    // Set: the wait window stands while the job runs; called when it goes, to
    // put the main window back on top as its setting says (may be a no-op).
    std::function<void()> wait{};
    bool waitCursor = false;
    std::function<void()> stopped{}; // empty: a stopped job ends in done
    std::function<void()> failed{};  // empty: the error is only shown
};

// What a running job sees of its runner.
class JobControl {
public:
    // Set by Stop; hand it to the engine call (a ScanSession takes it).
    const std::atomic<bool>& stopFlag() const { return stop_; }
    bool stopRequested() const { return stop_.load(std::memory_order_relaxed); }
    // How far the job is (a count); cheap, call it as often as you like.
    void progress(qint64 done);

private:
    friend class JobRunner;
    explicit JobControl(JobRunner& runner) : runner_(runner) {}
    void reset();

    JobRunner& runner_;
    std::atomic<bool> stop_{false};
    std::atomic<qint64> latest_{0};
    qint64 sent_ = 0; // worker only, read by the UI thread after the join
    bool anySent_ = false;
    std::chrono::steady_clock::time_point lastSent_;
};

class JobRunner : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds ProgressInterval{100};

    // prompter: where an error that escaped a job is shown.
    explicit JobRunner(Prompter& prompter, QObject* parent = nullptr);
    // A running job is asked to stop and waited for (questions it asks
    // meanwhile are still answered); its completion is not called.
    ~JobRunner() override;

    // work: Result(JobControl&), run on a worker thread. done: void(Result),
    // run on the UI thread with the result moved in (void(): no result).
    // False, and nothing started, while another job runs.
    template <class Work, class Done> bool start(JobOptions options, Work work, Done done);

    bool isBusy() const { return busy_; }
    // Whether owner's job runs or its outcome is being delivered.
    bool runsFor(const QObject* owner) const { return owner && owner_ == owner; }

public slots:
    // Asks the running job to stop (it returns early, its completion still comes).
    void stop();

signals:
    void progress(qint64 done);
    void busyChanged(bool busy);
    // After the outcome reached a living owner, once runsFor(owner) is false.
    void ended(const QObject* owner);

private:
    friend class JobControl;
    using Completion = std::function<void()>;
    bool launch(JobOptions options, std::function<Completion(JobControl&)> job);
    void finish(Completion completion, const std::exception_ptr& error);
    void leaveWait(const JobOptions& options);

    Prompter& prompter_;
    JobControl control_{*this};
    std::thread worker_;
    std::atomic<bool> workerDone_{false};
    JobOptions options_;
    const QObject* owner_ = nullptr; // as long as runsFor() says so
    std::unique_ptr<WaitWindow> wait_;
    bool busy_ = false;
    bool destroying_ = false;
};

template <class Work, class Done> bool JobRunner::start(JobOptions options, Work work, Done done)
{
    return launch(std::move(options),
                  [work = std::move(work), done = std::move(done)](JobControl& control) -> Completion {
                      using Result = std::invoke_result_t<Work&, JobControl&>;
                      if constexpr (std::is_void_v<Result>) {
                          work(control);
                          return [done] { done(); };
                      } else {
                          auto result = std::make_shared<Result>(work(control));
                          return [done, result] { done(std::move(*result)); };
                      }
                  });
}
