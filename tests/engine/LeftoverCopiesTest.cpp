// Unfinished copies that killed saves left in the library go at the next
// start; catalogs, files of the user (whatever their names) and copies still
// being written stay.
#include "platform/fs/AtomicFile.h"
#include "tests/engine/TempLibrary.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {
void changedAt(const std::string& path, std::time_t when)
{
    const timespec times[2] = {{when, 0}, {when, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}
} // namespace

TEST(LeftoverCopies, OnlyAbandonedCopiesTheProgramMadeGo)
{
    TempLibrary lib;
    const std::time_t now = std::time(nullptr) + 2 * 60 * 60; // two hours on
    const std::time_t longAgo = now - 2 * 60 * 60;
    // A user's backups and notes, however much they look like a copy's
    // name, and copies of the old form, which cannot be told from them.
    const std::set<std::string> users = {"Photos.dat",
                                         "Photos.dat.backup",
                                         "Photos.dat.old123",
                                         "Music.dat.orig01",
                                         "notes.dat.README",
                                         "Disk.dat.QSgXAd",
                                         "Disk.DAT.Zz9Q1a",
                                         ".Disk.dat.corvane-abc12",
                                         ".Disk.dat.corvane-abc1234",
                                         ".Disk.dat.corvane-ab-123",
                                         "Disk.dat.corvane-abc123"};
    for (const std::string& name : users)
        lib.catalog(name, "x");
    std::set<std::string> stays = users;
    for (const char* name : {".Disk.dat.corvane-LnK123", ".sub.dat.corvane-Dir123", ".Recent.dat.corvane-Q1w2E3"})
        stays.insert(name);
    std::filesystem::create_symlink(lib.file("dat/Photos.dat"), lib.file("dat/.Disk.dat.corvane-LnK123"));
    std::filesystem::create_directory(lib.file("dat/.sub.dat.corvane-Dir123"));
    stays.insert(".Pipe.dat.corvane-Fi1234");
    ASSERT_EQ(::mkfifo(lib.file("dat/.Pipe.dat.corvane-Fi1234").c_str(), 0600), 0);
    lib.catalog(".Recent.dat.corvane-Q1w2E3", "maybe still being written"); // changed half an hour before "now"
    for (const char* name : {".Disk.dat.corvane-QSgXAd", ".Lost.dat.corvane-x0X9aa"})
        lib.catalog(name, "half a catalog");
    for (const auto& name : NamesIn(lib.file("dat")))
        if (name != ".Recent.dat.corvane-Q1w2E3")
            changedAt(lib.file("dat/" + name), longAgo);
    changedAt(lib.file("dat/.Recent.dat.corvane-Q1w2E3"), now - 30 * 60);

    // A save of Busy.dat still at work (its copy unchanged for long).
    const std::set<std::string> beforeSave = NamesIn(lib.file("dat"));
    AtomicFileWriter busy;
    ASSERT_TRUE(busy.open(lib.file("dat/Busy.dat")));
    ASSERT_TRUE(busy.write("saved"));
    std::string busyCopy;
    for (const auto& name : NamesIn(lib.file("dat")))
        if (!beforeSave.contains(name))
            busyCopy = name;
    ASSERT_FALSE(busyCopy.empty());
    changedAt(lib.file("dat/" + busyCopy), longAgo);
    stays.insert(busyCopy);

    RemoveAbandonedTemporaryFiles(lib.file("dat/"), now);
    EXPECT_EQ(NamesIn(lib.file("dat")), stays);
    EXPECT_EQ(lib.catalogText("Photos.dat.backup"), "x");
    ASSERT_TRUE(busy.commit());
    EXPECT_EQ(lib.catalogText("Busy.dat"), "saved");
}
