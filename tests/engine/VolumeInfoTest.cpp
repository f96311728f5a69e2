#include "engine/catalog/CatalogLine.h"
#include "engine/scan/CatalogScan.h"
#include "platform/volume/VolumeInfo.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// A fake machine: a mount table, udev links and a /sys tree.
struct FakeMachine {
    TempDir d;
    VolumeSources sources;
    FakeMachine()
    {
        sources.mountinfo = d.file("mountinfo");
        sources.devDisk = d.file("dev/disk");
        sources.sysDevBlock = d.file("sys/dev/block");
        fs::create_directories(sources.devDisk + "/by-label");
        fs::create_directories(sources.devDisk + "/by-uuid");
        fs::create_directories(sources.sysDevBlock);
    }
    // A block device: disk/partition folders under sys/devices and the MAJ:MIN link.
    void device(const std::string& majMin, const std::string& devPath, bool partition, const std::string& removable)
    {
        std::string dir = d.file("sys/devices/" + devPath);
        fs::create_directories(dir);
        if (partition) {
            d.write("sys/devices/" + devPath + "/partition", "1\n");
            d.write("sys/devices/" + devPath.substr(0, devPath.rfind('/')) + "/removable", removable);
        } else {
            d.write("sys/devices/" + devPath + "/removable", removable);
        }
        fs::create_symlink(dir, sources.sysDevBlock + "/" + majMin);
    }
    void link(const std::string& kind, const std::string& name, const std::string& dev)
    {
        fs::create_symlink("../../" + dev, sources.devDisk + "/" + kind + "/" + name);
    }
};
} // namespace

TEST(VolumeInfo, LongestMountPrefixDecidesTypeLabelAndSerial)
{
    FakeMachine m;
    m.d.write("mountinfo", "21 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                           "30 21 0:40 / /tmp rw - tmpfs tmpfs rw\n"
                           "31 21 11:0 / /media/my\\040cd ro - iso9660 /dev/sr0 ro\n"
                           "32 21 8:17 / /media/stick rw - vfat /dev/sdb1 rw\n"
                           "33 21 0:50 / /mnt/share rw - cifs //server/share rw\n"
                           "34 21 8:33 / /media/usbdisk rw - ext4 /dev/sdc1 rw\n");
    m.device("8:1", "pci/ata/block/sda/sda1", true, "0\n");
    m.device("11:0", "pci/ata/block/sr0", false, "1\n");
    m.device("8:17", "pci/block/sdb/sdb1", true, "1\n");
    m.device("8:33", "pci/usb1/1-1/block/sdc/sdc1", true, "0\n");
    m.link("by-label", "ROOT", "sda1");
    m.link("by-uuid", "0a1b2c3d-1111-2222-3333-444455556666", "sda1");
    m.link("by-label", "HOLIDAY\\x2004", "sr0");
    m.link("by-uuid", "2004-07-01-10-00-00-00", "sr0");
    m.link("by-uuid", "ABCD-1234", "sdb1");

    auto probe = [&](const std::string& folder) { return ProbeVolume(folder, m.sources); };
    VolumeFacts root = probe("/home/ann");
    EXPECT_EQ(root.driveType, "Fixed");
    EXPECT_EQ(root.label, "ROOT");
    EXPECT_EQ(root.serialHex, "A1B2C3D"); // no leading zeros

    VolumeFacts cd = probe("/media/my cd/photos");
    EXPECT_EQ(cd.driveType, "Cd-Rom");
    EXPECT_EQ(cd.label, "HOLIDAY 04");
    EXPECT_EQ(cd.serialHex, "20040701");

    VolumeFacts stick = probe("/media/stick");
    EXPECT_EQ(stick.driveType, "Removable");
    EXPECT_EQ(stick.label, "");
    EXPECT_EQ(stick.serialHex, "ABCD1234");

    EXPECT_EQ(probe("/media/usbdisk/x").driveType, "Removable");
    EXPECT_EQ(probe("/mnt/share/docs").driveType, "Remote");
    EXPECT_EQ(probe("/tmp/x").driveType, "Ram Disk");
    EXPECT_EQ(probe("/media/sticky").driveType, "Fixed"); // a prefix of the name is not the mount
}

TEST(VolumeInfo, NoMountTableMeansUnknown)
{
    VolumeSources none;
    none.mountinfo = "/nonexistent/mountinfo";
    VolumeFacts f = ProbeVolume("/", none);
    EXPECT_EQ(f.driveType, "Unknown");
    EXPECT_FALSE(f.found);
    EXPECT_TRUE(f.sizesKnown); // space still comes from the folder itself
}

TEST(VolumeInfo, SerialsAndMegabytes)
{
    EXPECT_EQ(SerialFromUuid("ABCD-1234"), "ABCD1234");
    EXPECT_EQ(SerialFromUuid("00000000-0000"), "0");
    EXPECT_EQ(SerialFromUuid("----"), "");
    const std::uint64_t MB = 1 << 20;
    EXPECT_EQ(RoundMegabytes(2 * MB + MB / 2), 2u); // half to even
    EXPECT_EQ(RoundMegabytes(3 * MB + MB / 2), 4u);
    EXPECT_EQ(RoundMegabytes(3 * MB + MB / 2 + 1), 4u);
    EXPECT_EQ(RoundMegabytes(MB / 2 - 1), 0u);
}

TEST(VolumeInfo, ALabelHoldingALineFeedCannotBreakTheCatalogHeader)
{
    // ext4 labels may hold a line feed; udev writes it as \x0a in the link name.
    FakeMachine m;
    m.d.write("mountinfo", "21 1 8:1 / / rw - ext4 /dev/sda1 rw\n");
    m.device("8:1", "pci/ata/block/sda/sda1", true, "0\n");
    m.link("by-label", "two\\x0alines>x", "sda1");
    EXPECT_EQ(ProbeVolume("/", m.sources).label, "two\nlines>x");

    ScanSession s;
    s.volumeSources = m.sources;
    ScanOptions o;
    o.RootDir = m.d.file("nothing-here");
    o.FilePatterns = "*.*";
    CreateCatalog(o, s);
    ASSERT_EQ(s.lines.count(), std::size_t(HeaderLineCount));
    EXPECT_EQ(s.lines.line(3), ">Volume two?lines?x");
    EXPECT_EQ(s.VolumeLabel, "two?lines?x");
}
