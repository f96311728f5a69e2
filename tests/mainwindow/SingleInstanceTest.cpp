#include "mainwindow/SingleInstance.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestWorld.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <gtest/gtest.h>

#include <future>

TEST(SingleInstance, ALaterStartWithTheSameSettingsCallsTheFirstAndAnotherFolderRunsBeside)
{
    TempDir dir;
    const QString settings = QString::fromStdString(dir.file("config"));
    SingleInstance first(settings);
    ASSERT_TRUE(first.claim());
    QSignalSpy called(&first, &SingleInstance::calledAgain);

    SingleInstance second(settings);
    EXPECT_FALSE(second.claim());
    auto answered = std::async(std::launch::async, [&] { return second.callRunning(); });
    ASSERT_TRUE(TestWorld::waitFor([&] { return called.count() == 1; }));
    TestWorld::waitFor([&] { return answered.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
    EXPECT_TRUE(answered.get());

    SingleInstance elsewhere(QString::fromStdString(dir.file("other")));
    EXPECT_TRUE(elsewhere.claim());
}

TEST(SingleInstance, ALockLeftByADeadProcessDoesNotStandInTheWay)
{
    TempDir dir;
    const QString settings = QString::fromStdString(dir.file("config"));
    QDir().mkpath(settings);
    // What a crashed start leaves: a lock naming a process that no longer runs.
    QFile lock(settings + "/window.lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("999999\nCorvaneDisk\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    SingleInstance start(settings);
    EXPECT_TRUE(start.claim());

    SingleInstance unanswered(QString::fromStdString(dir.file("quiet")));
    SingleInstance later(QString::fromStdString(dir.file("quiet")));
    ASSERT_TRUE(unanswered.claim());
    // The first never runs its event loop here: the later start gives up.
    EXPECT_FALSE(later.claim());
    EXPECT_FALSE(later.callRunning(300));
}
