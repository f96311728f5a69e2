#include "gui/services/MountWatcher.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {
const std::string kBase = "26 1 254:0 / / rw - ext4 /dev/vda rw\n"
                          "27 26 0:22 / /dev/shm rw - tmpfs tmpfs rw\n";

std::string volumeLine(int id, const std::string& point, const std::string& device)
{
    return std::to_string(id) + " 26 8:" + std::to_string(id) + " / " + point + " rw - vfat " + device + " rw\n";
}

struct Recorder {
    explicit Recorder(MountWatcher& w)
    {
        QObject::connect(&w, &MountWatcher::mounted,
                         [this](const MountInfoEntry& m) { points.push_back(m.mountPoint); });
    }
    std::vector<std::string> points;
};
} // namespace

TEST(ProcMountWatcher, SignalsEachNewVolumeOnceAndNothingThatWasThereAtStart)
{
    TempDir dir;
    std::string table = dir.write("mountinfo", kBase + volumeLine(40, "/media/old", "/dev/sdb1"));
    ProcMountWatcher watcher(QString::fromStdString(table));
    Recorder seen(watcher);

    watcher.reread();
    EXPECT_TRUE(seen.points.empty());

    dir.write("mountinfo", kBase + volumeLine(40, "/media/old", "/dev/sdb1") +
                               volumeLine(41, "/media/ann/NEW\\040DISK", "/dev/sdc1") +
                               "50 26 7:3 / /snap/x/1 ro - squashfs /dev/loop3 ro\n");
    watcher.reread();
    watcher.reread();
    EXPECT_EQ(seen.points, (std::vector<std::string>{"/media/ann/NEW DISK"}));

    // Pulled and plugged in again: new once more.
    dir.write("mountinfo", kBase);
    watcher.reread();
    dir.write("mountinfo", kBase + volumeLine(41, "/media/ann/NEW\\040DISK", "/dev/sdc1"));
    watcher.reread();
    EXPECT_EQ(seen.points.size(), 2u);
}

TEST(ProcMountWatcher, AStormOfMountsIsAnnouncedInOrderWithoutRepeats)
{
    TempDir dir;
    std::string table = dir.write("mountinfo", kBase);
    ProcMountWatcher watcher(QString::fromStdString(table));
    std::vector<std::string> seen;
    // The first announcement's handler (a dialog's event loop, say) reads the
    // table again before the others are announced: none may come twice.
    QObject::connect(&watcher, &MountWatcher::mounted, [&](const MountInfoEntry& m) {
        seen.push_back(m.mountPoint);
        if (seen.size() == 1)
            watcher.reread();
    });
    std::string storm = kBase;
    for (int i = 0; i < 20; ++i)
        storm += volumeLine(100 + i, "/media/m" + std::to_string(i), "/dev/sd" + std::to_string(i));
    dir.write("mountinfo", storm);
    watcher.reread();
    ASSERT_EQ(seen.size(), 20u);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(seen[std::size_t(i)], "/media/m" + std::to_string(i));
}

TEST(ProcMountWatcher, AMissingOrEmptiedTableAnnouncesNothing)
{
    ProcMountWatcher missing(QStringLiteral("/nonexistent/mountinfo"));
    Recorder none(missing);
    missing.reread();
    EXPECT_TRUE(none.points.empty());

    TempDir dir;
    std::string table = dir.write("mountinfo", kBase + volumeLine(40, "/media/a", "/dev/sdb1"));
    ProcMountWatcher watcher(QString::fromStdString(table));
    Recorder seen(watcher);
    dir.write("mountinfo", "");
    watcher.reread();
    dir.write("mountinfo", std::string(5000, '\xff') + "\n" + kBase);
    watcher.reread();
    EXPECT_TRUE(seen.points.empty());
}

TEST(ProcMountWatcher, TheSystemTableHasNothingNewAtStart)
{
    ProcMountWatcher watcher;
    Recorder seen(watcher);
    watcher.reread();
    EXPECT_TRUE(seen.points.empty());
}

TEST(ProcMountWatcher, AnAnnouncedVolumeIsMountedUntilItLeavesTheTable)
{
    TempDir dir;
    std::string table = dir.write("mountinfo", kBase);
    ProcMountWatcher watcher(QString::fromStdString(table));
    std::vector<MountInfoEntry> announced;
    QObject::connect(&watcher, &MountWatcher::mounted, [&](const MountInfoEntry& m) { announced.push_back(m); });
    dir.write("mountinfo", kBase + volumeLine(41, "/media/stick", "/dev/sdc1"));
    watcher.reread();
    ASSERT_EQ(announced.size(), 1u);
    EXPECT_TRUE(watcher.isMounted(announced[0]));
    // Pulled, then another stick on the same point with the id reused: not the one announced.
    dir.write("mountinfo", kBase);
    EXPECT_FALSE(watcher.isMounted(announced[0]));
    dir.write("mountinfo", kBase + volumeLine(41, "/media/stick", "/dev/sdd1"));
    EXPECT_FALSE(watcher.isMounted(announced[0]));
}
