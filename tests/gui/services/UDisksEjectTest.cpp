// The disc's eject against a stand-in UDisks2 service on a private session
// bus (the test runs under dbus-run-session), never a real drive.
#include "gui/services/Ejector.h"
#include "tests/support/TempDir.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <filesystem>

namespace {
const QString kService = QStringLiteral("org.freedesktop.UDisks2");
// A device path that no machine has: the ioctl fallback can touch nothing.
const std::string kDevice = "/dev/corvane-test-sr9";

class FakeUDisks {
public:
    // Starts the stand-in, failing as mode says; nothing when mode is empty.
    explicit FakeUDisks(const QString& mode)
    {
        process_.start(QStringLiteral("/usr/bin/python3"),
                       {QStringLiteral(CORVANE_SOURCE_DIR "/tests/gui/services/fake-udisks2.py"), mode});
        QElapsedTimer t;
        t.start();
        while (!QDBusConnection::sessionBus().interface()->isServiceRegistered(kService) && t.elapsed() < 10000)
            QThread::msleep(20);
    }
    ~FakeUDisks()
    {
        // The record, for the test's log.
        for (const QString& line : calls())
            std::cerr << "UDisks2 stand-in answered: " << line.toStdString() << '\n';
        process_.kill();
        process_.waitForFinished();
        QElapsedTimer t;
        t.start();
        while (QDBusConnection::sessionBus().interface()->isServiceRegistered(kService) && t.elapsed() < 5000)
            QThread::msleep(20);
    }
    bool running() { return QDBusConnection::sessionBus().interface()->isServiceRegistered(kService); }
    // The calls it answered, after "ready".
    QStringList calls()
    {
        process_.waitForReadyRead(200);
        log_ += QString::fromUtf8(process_.readAllStandardOutput());
        QStringList lines = log_.split('\n', Qt::SkipEmptyParts);
        lines.removeAll(QStringLiteral("ready"));
        return lines;
    }

private:
    QProcess process_;
    QString log_;
};

struct UDisksEjectTest : ::testing::Test {
    void SetUp() override
    {
        if (!std::getenv("DBUS_SESSION_BUS_ADDRESS"))
            GTEST_SKIP() << "needs a session bus (run under dbus-run-session)";
        std::filesystem::create_directories(dir.file("disc/sub"));
        table = dir.write("mountinfo", "26 1 254:0 / / rw - ext4 /dev/vda rw\n"
                                       "40 26 11:0 / " +
                                           dir.file("disc") + " ro - iso9660 " + kDevice + " ro\n");
    }
    EjectOutcome eject()
    {
        return CdromEjector(table, std::getenv("DBUS_SESSION_BUS_ADDRESS")).ejectDiscHolding(dir.file("disc/sub"));
    }
    TempDir dir;
    std::string table;
};

const QString kBlock = QStringLiteral("/org/freedesktop/UDisks2/block_devices/sr0");
const QString kDrive = QStringLiteral("/org/freedesktop/UDisks2/drives/TEST_DVD_RW_0001");
} // namespace

TEST_F(UDisksEjectTest, TheDiscIsUnmountedThenItsDriveEjected)
{
    FakeUDisks udisks(QStringLiteral("none"));
    ASSERT_TRUE(udisks.running());
    const EjectOutcome outcome = eject();
    EXPECT_TRUE(outcome.opened) << outcome.reason;
    EXPECT_EQ(udisks.calls(),
              (QStringList{"Manager.ResolveDevice " + QString::fromStdString(kDevice), "Filesystem.Unmount " + kBlock,
                           "Properties.Get org.freedesktop.UDisks2.Block Drive", "Drive.Eject " + kDrive}));
}

TEST_F(UDisksEjectTest, ARefusalIsToldInTheServicesOwnWordsAndNothingMoreIsTried)
{
    struct Case {
        QString mode;
        std::string reason;
        qsizetype calls;
    };
    const Case cases[] = {
        {QStringLiteral("busy"), "Error unmounting /dev/sr0: target is busy", 2},
        {QStringLiteral("no-drive"), kDevice + " has no drive to open", 3},
        {QStringLiteral("eject-fails"), "Error ejecting /dev/sr0: medium is locked", 4},
    };
    for (const Case& c : cases) {
        FakeUDisks udisks(c.mode);
        ASSERT_TRUE(udisks.running());
        const EjectOutcome outcome = eject();
        EXPECT_FALSE(outcome.opened) << c.mode.toStdString();
        EXPECT_EQ(outcome.reason, c.reason);
        EXPECT_EQ(udisks.calls().size(), c.calls) << c.mode.toStdString();
    }
}

TEST_F(UDisksEjectTest, WithoutTheServiceTheDrivesOwnEjectIsTried)
{
    const EjectOutcome outcome = eject();
    EXPECT_FALSE(outcome.opened);
    EXPECT_EQ(outcome.reason, kDevice + ": No such file or directory");
}
