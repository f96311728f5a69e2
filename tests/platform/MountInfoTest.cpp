#include "platform/volume/MountInfo.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {
std::string fixture()
{
    return ReadFileBytes(CORVANE_FIXTURES "/mountinfo/desktop.txt");
}

std::vector<std::string> volumePoints(const std::vector<MountInfoEntry>& table)
{
    std::vector<std::string> points;
    for (const MountInfoEntry& e : table)
        if (IsVolumeMount(e))
            points.push_back(e.mountPoint);
    return points;
}

const MountInfoEntry* byPoint(const std::vector<MountInfoEntry>& table, const std::string& point)
{
    for (const MountInfoEntry& e : table)
        if (e.mountPoint == point)
            return &e;
    return nullptr;
}
} // namespace

TEST(MountInfo, DesktopTableKeepsOnlyVolumesWithEscapesDecoded)
{
    std::vector<MountInfoEntry> table = ParseMountInfo(fixture());
    ASSERT_EQ(table.size(), 21u);
    // Pseudo file systems, portals, overlays and the snaps' loop devices are
    // left out; an NFS share is a volume.
    EXPECT_EQ(volumePoints(table), (std::vector<std::string>{"/", "/boot/efi", "/home", "/mnt/nas",
                                                             "/media/ann/USB STICK", "/media/ann/Tab\tand\\slash"}));
    const MountInfoEntry* stick = byPoint(table, "/media/ann/USB STICK");
    ASSERT_TRUE(stick);
    EXPECT_EQ(stick->id, 650);
    EXPECT_EQ(stick->majorMinor, "8:17");
    EXPECT_EQ(stick->fsType, "vfat");
    EXPECT_EQ(stick->device, "/dev/sdb1");
    const MountInfoEntry* nas = byPoint(table, "/mnt/nas");
    ASSERT_TRUE(nas);
    EXPECT_EQ(nas->device, "nas.local:/export/photo library");
}

TEST(MountInfo, DamagedLinesAreSkippedAndTheRestKept)
{
    const std::string text = "garbage\n"
                             "\n"
                             "x 1 8:1 / /a rw - ext4 /dev/sda1 rw\n"      // id not a number
                             "12 1 8:1 / /b rw shared:1 ext4 /dev/sda1\n" // no separator
                             "13 1 8:1 / /c rw -\n"                       // nothing after it
                             "14 1 81 / /d rw - ext4 /dev/sda1 rw\n"      // no major:minor
                             "15 1 8:2 / /ok\\040one rw - ext4 /dev/sda2 rw\n"
                             "16 1 8:3 / /trailing\\04 rw - ext4 /dev/sda3 rw\n"
                             "17 1 8:4 / /cut rw master:3 - xfs /dev/sda4"; // no final newline
    std::vector<MountInfoEntry> table = ParseMountInfo(text);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].mountPoint, "/ok one");
    EXPECT_EQ(table[1].mountPoint, "/trailing\\04"); // an incomplete escape stays as it is
    EXPECT_EQ(table[2].mountPoint, "/cut");
    EXPECT_EQ(table[2].fsType, "xfs");
    EXPECT_TRUE(ParseMountInfo("").empty());
    EXPECT_TRUE(ReadMountInfo("/nonexistent/mountinfo").empty());
}

TEST(MountInfo, NewVolumesBetweenTwoTables)
{
    std::vector<MountInfoEntry> before = ParseMountInfo(fixture());
    std::string changed = fixture();
    // The stick is pulled (its id 650 is free again), a disc is ejected, a
    // camera card takes the id, a new snap appears on a loop device, and a
    // tmpfs is mounted.
    auto drop = [&changed](const std::string& start) {
        std::size_t at = changed.find(start);
        changed.erase(at, changed.find('\n', at) + 1 - at);
    };
    drop("650 28 8:17");
    drop("661 28 11:0");
    changed += "650 28 8:33 / /media/ann/EOS_DIGITAL rw - exfat /dev/sdc1 rw\n"
               "700 28 7:5 / /snap/gimp/1 ro - squashfs /dev/loop5 ro\n"
               "701 26 0:70 / /run/lock rw - tmpfs tmpfs rw\n"
               "702 28 8:33 /DCIM /home/ann/photos rw - exfat /dev/sdc1 rw\n" // a bind mount
               // a btrfs disk mounted by its subvolume, then a folder of it bound elsewhere
               "703 28 0:80 /@data /media/ann/Backup rw - btrfs /dev/sde1 rw,subvol=/@data\n"
               "704 28 0:80 /@data/old /home/ann/old rw - btrfs /dev/sde1 rw,subvol=/@data\n";
    std::vector<MountInfoEntry> after = ParseMountInfo(changed);

    std::vector<MountInfoEntry> fresh = NewVolumeMounts(before, after);
    ASSERT_EQ(fresh.size(), 2u);
    EXPECT_EQ(fresh[0].mountPoint, "/media/ann/EOS_DIGITAL");
    EXPECT_EQ(fresh[0].device, "/dev/sdc1");
    EXPECT_EQ(fresh[1].mountPoint, "/media/ann/Backup");
    EXPECT_TRUE(NewVolumeMounts(after, after).empty());
    // Everything a watcher sees at start is already there, nothing is new.
    EXPECT_TRUE(NewVolumeMounts(before, before).empty());
}

TEST(MountInfo, MountHoldingAFolderIsTheLongestWholeComponentPrefix)
{
    std::vector<MountInfoEntry> table = ParseMountInfo(fixture());
    auto pointOf = [&table](const std::string& folder) {
        std::optional<MountInfoEntry> m = MountHolding(folder, table);
        return m ? m->mountPoint : std::string("(none)");
    };
    EXPECT_EQ(pointOf("/media/ann/USB STICK/photos/2023"), "/media/ann/USB STICK");
    EXPECT_EQ(pointOf("/media/ann/USB STICK"), "/media/ann/USB STICK");
    EXPECT_EQ(pointOf("/media/ann/USB STICKS"), "/");
    EXPECT_EQ(pointOf("/home/ann"), "/home");
    EXPECT_EQ(pointOf("/run/user/1000/gvfs/smb"), "/run/user/1000/gvfs");
    EXPECT_EQ(pointOf("/"), "/");
    // A second mount on the same point hides the first.
    table.push_back(ParseMountInfo("900 64 8:49 / /home rw - btrfs /dev/sdd1 rw").front());
    EXPECT_EQ(MountHolding("/home/ann", table)->device, "/dev/sdd1");
    EXPECT_FALSE(MountHolding("/x", {}).has_value());
}
