// Unfinished copies that killed saves left in the library go at the next
// start; catalogs, files of the user and copies still being written stay.
#include "engine/start/LeftoverCopies.h"
#include "tests/engine/TempLibrary.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::set<std::string> namesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.insert(e.path().filename().string());
    return names;
}
} // namespace

TEST(LeftoverCopies, OnlyAbandonedCopiesOfCatalogsGo)
{
    TempLibrary lib;
    const std::time_t now = std::time(nullptr) + 2 * 60 * 60; // two hours on
    const std::set<std::string> stays = {
        "Disk.dat",          "Disk.DAT.Zz9Q1a", "notes.backup",    "Other.dat.abc12", "Other.dat.abc-12",
        "Other.dat.abc1234", "Busy.dat",        "Busy.dat.Q1w2E3", "Link.dat.LnK123", "sub.dat.Dir123",
    };
    for (const char* name : {"Disk.dat", "notes.backup", "Other.dat.abc12", "Other.dat.abc-12", "Other.dat.abc1234",
                             "Busy.dat", "Busy.dat.Q1w2E3", "Disk.dat.QSgXAd", "Lost.dat.x0X9aa"})
        lib.catalog(name, "x");
    std::filesystem::create_symlink(lib.file("dat/Disk.dat"), lib.file("dat/Link.dat.LnK123"));
    std::filesystem::create_directory(lib.file("dat/sub.dat.Dir123"));
    lib.catalog("Disk.DAT.Zz9Q1a", "x");
    // Changed half an hour before "now": maybe still being written then.
    const timespec recent[2] = {{now - 30 * 60, 0}, {now - 30 * 60, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, lib.file("dat/Disk.DAT.Zz9Q1a").c_str(), recent, 0), 0);

    // A writer of Busy.dat still holds its lock.
    const int fd = ::open(lib.file("dat/Busy.dat.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    RemoveLeftoverCatalogCopies(lib.file("dat/"), now);
    ::close(fd);

    std::set<std::string> expected = stays;
    expected.insert("Busy.dat.lock");
    EXPECT_EQ(namesIn(lib.file("dat")), expected);
}
