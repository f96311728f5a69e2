#include "engine/catalog/CatalogLine.h"
#include "engine/scan/CatalogScan.h"
#include "gui/jobs/JobRunner.h"
#include "gui/jobs/UiThreadPrompter.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

namespace {
// Runs the UI thread's event loop until ready() or ms passed.
bool waitFor(const std::function<bool()>& ready, int ms = 10000)
{
    QElapsedTimer t;
    t.start();
    while (!ready() && t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    return ready();
}
bool WaitWindowShown()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmWait" && w->isVisible())
            return true;
    return false;
}

// A job that runs until released, and what came of it.
struct GatedJob {
    std::atomic<bool> release{false};
    int done = 0, stopped = 0, failed = 0, waitEnded = 0;

    JobOptions options(QObject* owner, bool wait)
    {
        JobOptions o{.owner = owner};
        if (wait)
            o.wait = [this] { ++waitEnded; };
        o.stopped = [this] { ++stopped; };
        o.failed = [this] { ++failed; };
        return o;
    }
    bool start(JobRunner& runner, QObject* owner, bool wait, bool throws = false)
    {
        return runner.start(
            options(owner, wait),
            [this, throws](JobControl& job) {
                while (!release && !job.stopRequested())
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                if (throws)
                    throw std::runtime_error("disk gone");
                return 7;
            },
            [this](int) { ++done; });
    }
    int outcomes() const { return done + stopped + failed; }
};
} // namespace

TEST(JobRunner, EveryJobEndsInOneOutcomeForALivingOwnerAndTheWaitWindowGoesFirst)
{
    RecordingPrompter recorder;
    JobRunner runner(recorder);
    QObject owner;
    int ended = 0; // told after the outcome, once the owner's job no longer runs
    QObject::connect(&runner, &JobRunner::ended, [&](const QObject* o) { ended += o == &owner && !runner.runsFor(o); });
    enum class End { Done, Stop, Throw };
    for (End end : {End::Done, End::Stop, End::Throw}) {
        GatedJob job;
        ASSERT_TRUE(job.start(runner, &owner, true, end == End::Throw));
        EXPECT_TRUE(WaitWindowShown());
        EXPECT_TRUE(runner.runsFor(&owner));
        if (end == End::Stop)
            runner.stop();
        else
            job.release = true;
        ASSERT_TRUE(waitFor([&] { return job.outcomes() > 0; }));
        waitFor([] { return false; }, 100); // nothing more comes
        EXPECT_EQ(job.done, end == End::Done ? 1 : 0);
        EXPECT_EQ(job.stopped, end == End::Stop ? 1 : 0);
        EXPECT_EQ(job.failed, end == End::Throw ? 1 : 0);
        EXPECT_EQ(job.waitEnded, 1);
        EXPECT_FALSE(WaitWindowShown());
        EXPECT_FALSE(runner.isBusy());
        EXPECT_FALSE(runner.runsFor(&owner));
    }
    EXPECT_EQ(recorder.boxes.size(), 1u); // the error, once
    EXPECT_EQ(ended, 3);

    GatedJob quiet; // no wait window unless asked
    ASSERT_TRUE(quiet.start(runner, &owner, false));
    EXPECT_FALSE(WaitWindowShown());
    quiet.release = true;
    ASSERT_TRUE(waitFor([&] { return quiet.done == 1; }));
}

TEST(JobRunner, AnOwnerGoneWhileItsJobRunsHearsNothingAndTheRunnerIsFreeAgain)
{
    RecordingPrompter recorder;
    JobRunner runner(recorder);
    int ended = 0;
    QObject::connect(&runner, &JobRunner::ended, [&] { ++ended; });
    for (bool throws : {false, true}) {
        GatedJob job;
        auto owner = std::make_unique<QObject>();
        ASSERT_TRUE(job.start(runner, owner.get(), true, throws));
        owner.reset();
        job.release = true;
        ASSERT_TRUE(waitFor([&] { return !runner.isBusy(); }));
        waitFor([] { return false; }, 100);
        EXPECT_EQ(job.outcomes(), 0);
        EXPECT_EQ(job.waitEnded, 0);
        EXPECT_FALSE(WaitWindowShown());
    }
    EXPECT_EQ(recorder.boxes.size(), 1u); // an error is still shown
    EXPECT_EQ(ended, 0);
    bool next = false;
    ASSERT_TRUE(runner.start(
        JobOptions{.owner = &runner}, [](JobControl&) {}, [&] { next = true; }));
    EXPECT_TRUE(waitFor([&] { return next; }));
}

TEST(JobRunner, WorkRunsOnAWorkerAndItsResultComesBackOnTheUiThread)
{
    RecordingPrompter recorder;
    JobRunner runner(recorder);
    std::vector<qint64> counts;
    QObject::connect(&runner, &JobRunner::progress, [&](qint64 n) { counts.push_back(n); });
    const auto ui = std::this_thread::get_id();
    std::thread::id workedOn, doneOn;
    std::optional<std::string> result;

    ASSERT_TRUE(runner.start(
        JobOptions{.owner = &runner},
        [&](JobControl& job) {
            workedOn = std::this_thread::get_id();
            // 350 ms of counting: a handful of signals, not thousands.
            const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(350);
            qint64 n = 0;
            while (std::chrono::steady_clock::now() < until)
                job.progress(++n);
            return std::to_string(n);
        },
        [&](std::string r) {
            doneOn = std::this_thread::get_id();
            result = std::move(r);
        }));
    EXPECT_TRUE(runner.isBusy());
    EXPECT_FALSE(runner.start(
        JobOptions{.owner = &runner}, [](JobControl&) {}, [] {})); // one job at a time
    ASSERT_TRUE(waitFor([&] { return result.has_value(); }));

    EXPECT_NE(workedOn, ui);
    EXPECT_EQ(doneOn, ui);
    EXPECT_FALSE(runner.isBusy());
    ASSERT_FALSE(counts.empty());
    EXPECT_LE(counts.size(), 6u);
    EXPECT_EQ(std::to_string(counts.back()), *result); // the last count is never held back
}

TEST(JobRunner, StopEndsTheJobEarlyAndItsCompletionStillComes)
{
    RecordingPrompter recorder;
    JobRunner runner(recorder);
    bool done = false;
    ASSERT_TRUE(runner.start(
        JobOptions{.owner = &runner},
        [](JobControl& job) {
            while (!job.stopRequested())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            return true;
        },
        [&](bool stopped) { done = stopped; }));
    runner.stop();
    ASSERT_TRUE(waitFor([&] { return done; }));
    // And the runner takes the next job.
    bool second = false;
    ASSERT_TRUE(runner.start(
        JobOptions{.owner = &runner}, [](JobControl&) { return 1; }, [&](int) { second = true; }));
    EXPECT_TRUE(waitFor([&] { return second; }));
}

TEST(JobRunner, AJobThatThrowsFailsOnceWithItsErrorShownAndTheRunnerGoesOn)
{
    RecordingPrompter recorder;
    UiThreadPrompter carrier(recorder);
    JobRunner runner(carrier);
    struct NotAnException {};
    const std::function<void()> throws[] = {[] { throw std::bad_alloc(); }, [] { throw NotAnException{}; }};
    for (const auto& raise : throws) {
        recorder.boxes.clear();
        int done = 0, failed = 0;
        bool busyWhenFailed = true;
        JobOptions options{.owner = &runner};
        options.failed = [&] {
            ++failed;
            busyWhenFailed = runner.isBusy();
            EXPECT_TRUE(recorder.boxes.empty()); // the caller's wait window goes first
        };
        ASSERT_TRUE(runner.start(
            options,
            [&](JobControl&) {
                raise();
                return 1;
            },
            [&](int) { ++done; }));
        ASSERT_TRUE(waitFor([&] { return failed > 0; }));
        waitFor([] { return false; }, 100); // nothing more comes
        EXPECT_EQ(done, 0);
        EXPECT_EQ(failed, 1);
        EXPECT_FALSE(busyWhenFailed);
        ASSERT_EQ(recorder.boxes.size(), 1u);
        EXPECT_EQ(recorder.boxes[0].title, "Error");
        EXPECT_FALSE(runner.isBusy());
    }
    EXPECT_NE(recorder.boxes[0].text.find("JobRunner"), std::string::npos);
    bool next = false;
    ASSERT_TRUE(runner.start(
        JobOptions{.owner = &runner}, [](JobControl&) {}, [&] { next = true; }));
    EXPECT_TRUE(waitFor([&] { return next; }));
}

TEST(JobRunner, AScanOnAWorkerAsksEveryQuestionOnTheUiThreadOnceInOrder)
{
    // Three damaged ZIP archives among ordinary files: each one is reported,
    // as the windows do it, in a message box while the scan runs on the worker.
    TempDir d;
    std::string zip;
    {
        std::ifstream in(std::string(CORVANE_FIXTURES) + "/archives/sample.zip", std::ios::binary);
        zip.assign(std::istreambuf_iterator<char>(in), {});
    }
    for (const char* name : {"disk/c.zip", "disk/a.zip", "disk/sub/b.zip"})
        d.write(name, zip.substr(0, zip.size() / 2));
    d.write("disk/notes.txt", "x");
    d.write("disk/good.zip", zip);

    RecordingPrompter recorder;
    recorder.answers = {true};
    UiThreadPrompter carrier(recorder);

    ScanOptions opts;
    opts.RootDir = d.file("disk");
    opts.FilePatterns = "*.*";
    opts.RecursiveDir = opts.SearchZipContent = opts.EnableComment = true;
    JobRunner runner(carrier);
    std::optional<ScanSession> scanned;
    bool answer = false;
    ASSERT_TRUE(runner.start(
        JobOptions{.owner = &runner},
        [&](JobControl& job) {
            ScanSession session(job.stopFlag());
            session.problems = ProblemsShownBy(carrier);
            CreateCatalog(opts, session);
            answer = carrier.askYesNo("Save it?", "CorvaneDisk", MsgIcon::Question);
            return session;
        },
        [&](ScanSession session) { scanned.emplace(std::move(session)); }));
    ASSERT_TRUE(waitFor([&] { return scanned.has_value(); }));

    const auto ui = std::this_thread::get_id();
    ASSERT_EQ(recorder.boxes.size(), 4u);
    const char* order[] = {"a.zip", "c.zip", "sub/b.zip"}; // files before sub-folders
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(recorder.boxes[i].kind, "message");
        EXPECT_NE(recorder.boxes[i].text.find(d.file(std::string("disk/") + order[i])), std::string::npos)
            << recorder.boxes[i].text;
        EXPECT_EQ(recorder.boxes[i].thread, ui);
    }
    EXPECT_EQ(recorder.boxes[3].kind, "question");
    EXPECT_EQ(recorder.boxes[3].thread, ui);
    EXPECT_TRUE(answer);
    // The good archive's members and the files are all there.
    EXPECT_EQ(scanned->lines.count(), HeaderLineCount + 5 + 5);
}
