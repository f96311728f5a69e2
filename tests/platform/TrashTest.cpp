#include "platform/fs/RenameNoReplace.h"
#include "platform/fs/Trash.h"
#include "platform/prompter/ErrorBox.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// A temporary folder with the home data folder on the root mount and "vol"
// standing for a disk of its own, as a mount table tells it.
struct Disks {
    TempDir dir;
    ScopedEnv data{"XDG_DATA_HOME", dir.file("home/data")};
    std::string uid = std::to_string(::getuid());
    std::string table = dir.write("mountinfo", "21 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
                                               "650 21 8:17 / " +
                                                   dir.file("vol") + " rw,nosuid - vfat /dev/sdb1 rw\n");

    std::string trashed(const std::string& path) const
    {
        MoveToTrash(path, table);
        return path;
    }
    std::vector<std::string> under(const std::string& folder) const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& e : fs::directory_iterator(dir.file(folder)))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string pathLine(const std::string& info) const
    {
        const std::string text = dir.read(info);
        const std::size_t start = text.find("\nPath=");
        return start == std::string::npos ? text : text.substr(start + 6, text.find('\n', start + 1) - start - 6);
    }
};
} // namespace

TEST(Trash, AFileReachedThroughALinkedFolderGoesToItsVolumesTopFolder)
{
    Disks d;
    d.dir.write("vol/data/Music/Caf\xE9 50%.mp3", "song");
    fs::create_directories(d.dir.file("home"));
    fs::create_symlink(d.dir.file("vol/data/Music"), d.dir.file("home/Music"));
    const std::string typed = d.trashed(d.dir.file("home/Music/Caf\xE9 50%.mp3"));

    EXPECT_FALSE(fs::exists(d.dir.file("vol/data/Music/Caf\xE9 50%.mp3")));
    EXPECT_EQ(d.under("vol/data/Music"), std::vector<std::string>{}) << "no trash in the middle of the volume";
    EXPECT_FALSE(fs::exists(d.dir.file("home/data/Trash")));
    const std::string trash = "vol/.Trash-" + d.uid;
    EXPECT_EQ(d.dir.read(trash + "/files/Caf\xE9 50%.mp3"), "song");
    // Relative to the top folder, so the disk restores wherever it is mounted.
    EXPECT_EQ(d.pathLine(trash + "/info/Caf\xE9 50%.mp3.trashinfo"), "data/Music/Caf%E9%2050%25.mp3");

    // A file at the top itself, and one on the home's volume for comparison.
    d.trashed(d.dir.write("vol/top.txt", "top"));
    EXPECT_EQ(d.pathLine(trash + "/info/top.txt.trashinfo"), "top.txt");
    const std::string home = d.trashed(d.dir.write("elsewhere/a b.txt", "home"));
    EXPECT_EQ(d.dir.read("home/data/Trash/files/a b.txt"), "home");
    EXPECT_EQ(d.pathLine("home/data/Trash/info/a b.txt.trashinfo"), d.dir.path() + "/elsewhere/a%20b.txt");
}

TEST(Trash, TheAdministratorsTrashIsUsedOnlyWhenItIsAStickyFolderOfItsOwn)
{
    Disks d;
    const std::string own = "vol/.Trash-" + d.uid;
    // A link to a sticky folder, then a folder without the sticky bit: both passed over.
    fs::create_directories(d.dir.file("vol/elsewhere"));
    ::chmod(d.dir.file("vol/elsewhere").c_str(), 01777);
    fs::create_directory_symlink(d.dir.file("vol/elsewhere"), d.dir.file("vol/.Trash"));
    d.trashed(d.dir.write("vol/x/linked.txt", "1"));
    EXPECT_EQ(d.dir.read(own + "/files/linked.txt"), "1");
    EXPECT_TRUE(fs::is_empty(d.dir.file("vol/elsewhere")));

    fs::remove(d.dir.file("vol/.Trash"));
    fs::create_directory(d.dir.file("vol/.Trash"));
    ::chmod(d.dir.file("vol/.Trash").c_str(), 0777);
    d.trashed(d.dir.write("vol/x/plain.txt", "2"));
    EXPECT_EQ(d.dir.read(own + "/files/plain.txt"), "2");
    EXPECT_TRUE(fs::is_empty(d.dir.file("vol/.Trash")));

    ::chmod(d.dir.file("vol/.Trash").c_str(), 01777);
    d.trashed(d.dir.write("vol/x/sticky.txt", "3"));
    EXPECT_EQ(d.dir.read("vol/.Trash/" + d.uid + "/files/sticky.txt"), "3");
    EXPECT_EQ(d.pathLine("vol/.Trash/" + d.uid + "/info/sticky.txt.trashinfo"), "x/sticky.txt");
}

TEST(Trash, ANameAsLongAsTheSystemAllowsIsTrashedUnderAShorterOneThatStaysUnique)
{
    Disks d;
    const std::string longName = std::string(251, 'L') + ".txt";
    d.trashed(d.dir.write("one/" + longName, "first"));
    d.trashed(d.dir.write("two/" + longName, "second"));
    // Two-byte characters are never cut in half.
    std::string accents;
    for (int i = 0; i < 125; ++i)
        accents += "\xC3\xA9";
    accents += ".txt";
    d.trashed(d.dir.write("one/" + accents, "third"));

    EXPECT_FALSE(fs::exists(d.dir.file("one/" + longName)));
    const std::vector<std::string> files = d.under("home/data/Trash/files");
    ASSERT_EQ(files.size(), 3u);
    std::vector<std::string> contents, paths;
    for (const std::string& name : files) {
        EXPECT_LE(name.size() + 10, 255u) << name;
        EXPECT_FALSE((name.back() & 0xC0) == 0xC0) << "a character cut in half";
        contents.push_back(d.dir.read("home/data/Trash/files/" + name));
        paths.push_back(d.pathLine("home/data/Trash/info/" + name + ".trashinfo"));
    }
    std::sort(contents.begin(), contents.end());
    EXPECT_EQ(contents, (std::vector<std::string>{"first", "second", "third"}));
    std::sort(paths.begin(), paths.end());
    std::string encoded;
    for (int i = 0; i < 125; ++i)
        encoded += "%C3%A9";
    EXPECT_EQ(paths, (std::vector<std::string>{d.dir.path() + "/one/" + encoded + ".txt",
                                               d.dir.path() + "/one/" + longName, d.dir.path() + "/two/" + longName}));
}

TEST(Trash, AFileInTheTrashsFilesFolderIsNeverReplaced)
{
    Disks d;
    // One put there by hand, and one that steps in between the look and the move.
    d.dir.write("home/data/Trash/files/a.txt", "by hand");
    BeforeRenameNoReplace() = [&](const std::string& to) {
        if (to.ends_with("/files/a.txt.2"))
            d.dir.write("home/data/Trash/files/a.txt.2", "meanwhile");
    };
    d.trashed(d.dir.write("a.txt", "trashed"));
    BeforeRenameNoReplace() = nullptr;

    EXPECT_FALSE(fs::exists(d.dir.file("a.txt")));
    EXPECT_EQ(d.dir.read("home/data/Trash/files/a.txt"), "by hand");
    EXPECT_EQ(d.dir.read("home/data/Trash/files/a.txt.2"), "meanwhile");
    EXPECT_EQ(d.dir.read("home/data/Trash/files/a.txt.3"), "trashed");
    EXPECT_EQ(d.under("home/data/Trash/info"), std::vector<std::string>{"a.txt.3.trashinfo"});
}

TEST(Trash, AnInfoFileWithoutItsFileIsNeverReplaced)
{
    Disks d;
    // Another program's info file, its file still on the way.
    d.dir.write("home/data/Trash/info/a.txt.trashinfo", "[Trash Info]\nPath=/elsewhere/a.txt\n");
    d.trashed(d.dir.write("a.txt", "trashed"));

    EXPECT_EQ(d.dir.read("home/data/Trash/info/a.txt.trashinfo"), "[Trash Info]\nPath=/elsewhere/a.txt\n");
    EXPECT_EQ(d.dir.read("home/data/Trash/files/a.txt.2"), "trashed");
    EXPECT_EQ(d.pathLine("home/data/Trash/info/a.txt.2.trashinfo"), d.dir.path() + "/a.txt");
    EXPECT_EQ(d.under("home/data/Trash/files"), std::vector<std::string>{"a.txt.2"});
}

// After "mount --bind vol/sub bound" the top of bound is a folder inside the
// volume: a trash made there is lost to file managers once the bind is gone.
// A btrfs subvolume mounted whole is a volume of its own, and a home on a
// bind mount keeps its home trash.
TEST(Trash, ABindMountOfAFolderInsideAVolumeGetsNoTrashOfItsOwn)
{
    Disks d;
    // The fields before the mount point, the folder, the fields after it.
    auto row = [&d](const std::string& head, const char* folder, const std::string& tail) {
        return head + " " + d.dir.file(folder) + " rw - " + tail + "\n";
    };
    const std::string pool = "btrfs /dev/sdc1 rw,space_cache=v2,subvolid=257,subvol=/my\\040data";
    d.table = d.dir.write("mountinfo", "21 1 8:1 / / rw - ext4 /dev/sda1 rw\n" +
                                           row("650 21 8:17 /", "vol", "ext4 /dev/sdb1 rw") +
                                           row("651 21 8:17 /sub", "bound", "ext4 /dev/sdb1 rw") +
                                           row("652 21 8:1 /srv/homes", "home", "ext4 /dev/sda1 rw") +
                                           row("660 21 0:45 /my\\040data", "pool", pool) +
                                           row("661 21 0:45 /my\\040data/sub", "poolsub", pool));
    for (const char* folder : {"bound", "poolsub"}) {
        const std::string file = d.dir.write(std::string(folder) + "/a.txt", "kept");
        try {
            MoveToTrash(file, d.table);
            ADD_FAILURE() << folder << " took a trash";
        } catch (const AppError& e) {
            EXPECT_EQ(std::string(e.what()), d.dir.file(folder) + " is a bind mount of a folder inside a volume, "
                                                                  "and no file manager looks for a trash there");
        }
        EXPECT_EQ(d.dir.read(std::string(folder) + "/a.txt"), "kept");
        EXPECT_EQ(d.under(folder), std::vector<std::string>{"a.txt"});
    }
    EXPECT_FALSE(fs::exists(d.dir.file("home/data/Trash")));

    d.trashed(d.dir.write("pool/x/b.txt", "subvolume"));
    EXPECT_EQ(d.dir.read("pool/.Trash-" + d.uid + "/files/b.txt"), "subvolume");
    EXPECT_EQ(d.pathLine("pool/.Trash-" + d.uid + "/info/b.txt.trashinfo"), "x/b.txt");
    d.trashed(d.dir.write("home/docs/c.txt", "home"));
    EXPECT_EQ(d.dir.read("home/data/Trash/files/c.txt"), "home");
    EXPECT_EQ(d.pathLine("home/data/Trash/info/c.txt.trashinfo"), d.dir.path() + "/home/docs/c.txt");
}
