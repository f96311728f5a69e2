#include "mainwindow/SingleInstance.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestWorld.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <gtest/gtest.h>

#include <future>
#include <unistd.h>

namespace {
using Claim = SingleInstance::Claim;

// A lock as a copy of the program leaves it, naming the process pid.
void LeaveLock(const QString& folder, qint64 pid)
{
    QDir().mkpath(folder);
    QFile lock(folder + "/window.lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + "\nCorvaneDisk\n" + QSysInfo::machineHostName().toUtf8() + "\n");
}

// Calls the copy listening for settings from a worker while this thread runs
// the events that answer it.
bool CallAnswered(SingleInstance& later, SingleInstance& first)
{
    QSignalSpy called(&first, &SingleInstance::calledAgain);
    auto answered = std::async(std::launch::async, [&] { return later.callRunning(); });
    const bool heard = TestWorld::waitFor([&] { return called.count() == 1; });
    TestWorld::waitFor([&] { return answered.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
    return answered.get() && heard;
}
} // namespace

TEST(SingleInstance, ALaterStartWithTheSameSettingsCallsTheFirstAndAnotherFolderRunsBeside)
{
    TempDir dir;
    const QString settings = QString::fromStdString(dir.file("config"));
    SingleInstance first(settings);
    ASSERT_EQ(first.claim(), Claim::First);

    SingleInstance second(settings);
    EXPECT_EQ(second.claim(), Claim::Running);
    EXPECT_TRUE(CallAnswered(second, first));

    SingleInstance elsewhere(QString::fromStdString(dir.file("other")));
    EXPECT_EQ(elsewhere.claim(), Claim::First);
}

TEST(SingleInstance, ALockLeftByADeadProcessDoesNotStandInTheWay)
{
    TempDir dir;
    const QString settings = QString::fromStdString(dir.file("config"));
    LeaveLock(settings, 999999);
    SingleInstance start(settings);
    EXPECT_EQ(start.claim(), Claim::First);

    SingleInstance unanswered(QString::fromStdString(dir.file("quiet")));
    SingleInstance later(QString::fromStdString(dir.file("quiet")));
    ASSERT_EQ(unanswered.claim(), Claim::First);
    // The first never runs its event loop here: the later start gives up.
    EXPECT_EQ(later.claim(), Claim::Running);
    EXPECT_FALSE(later.callRunning(300));
}

TEST(SingleInstance, InAFolderThatCannotBeWrittenOnlyALiveCopyHoldsTheLock)
{
    TempDir dir;
    const QString live = QString::fromStdString(dir.file("live"));
    SingleInstance holder(live);
    ASSERT_EQ(holder.claim(), Claim::First);
    const QString dead = QString::fromStdString(dir.file("dead"));
    LeaveLock(dead, 999999);
    // A process of the number that is no copy of the program: the number was taken anew.
    const QString reused = QString::fromStdString(dir.file("reused"));
    LeaveLock(reused, ::getppid());
    const QString unlocked = QString::fromStdString(dir.file("unlocked"));
    QDir().mkpath(unlocked);
    std::vector<std::unique_ptr<ReadOnlyFolder>> readOnly;
    for (const char* name : {"live", "dead", "reused", "unlocked"}) {
        readOnly.push_back(std::make_unique<ReadOnlyFolder>(dir.file(name)));
        if (!readOnly.back()->made())
            GTEST_SKIP() << "no folder can be made read-only here";
    }

    SingleInstance later(live);
    EXPECT_EQ(later.claim(), Claim::Running);
    EXPECT_TRUE(CallAnswered(later, holder));
    for (const QString& folder : {dead, reused, unlocked}) {
        SingleInstance start(folder);
        EXPECT_EQ(start.claim(), Claim::Unlocked) << folder.toStdString();
    }
    EXPECT_TRUE(QFile::exists(dead + "/window.lock"));
}

TEST(SingleInstance, AStartWithoutTheLockStillAnswersLaterStarts)
{
    TempDir dir;
    const QString settings = QString::fromStdString(dir.file("config"));
    QDir().mkpath(settings);
    ReadOnlyFolder readOnly(dir.file("config"));
    if (!readOnly.made())
        GTEST_SKIP() << "no folder can be made read-only here";
    SingleInstance first(settings);
    ASSERT_EQ(first.claim(), Claim::Unlocked);
    EXPECT_FALSE(first.callRunning(300)); // nobody runs yet
    first.listen();

    SingleInstance second(settings);
    ASSERT_EQ(second.claim(), Claim::Unlocked);
    EXPECT_TRUE(CallAnswered(second, first));
}
