#include "platform/fs/AtomicFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sys/stat.h>

TEST(AtomicFile, ReplacesWholeKeepsModeAndLeavesNoTemporaryFiles)
{
    TempDir dir;
    std::string target = dir.write("cat.dat", "old");
    chmod(target.c_str(), 0640);
    AtomicFileWriter w;
    ASSERT_TRUE(w.open(target));
    std::string big(3 << 20, 'x'); // crosses the internal buffer
    ASSERT_TRUE(w.write("head"));
    ASSERT_TRUE(w.write(big));
    ASSERT_TRUE(w.write("tail"));
    EXPECT_EQ(dir.read("cat.dat"), "old"); // nothing visible before commit
    ASSERT_TRUE(w.commit());
    EXPECT_EQ(dir.read("cat.dat"), "head" + big + "tail");
    struct stat st;
    stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(AtomicFile, AbandonedOrFailedWriteKeepsTheOldFile)
{
    TempDir dir;
    std::string target = dir.write("cat.dat", "precious");
    {
        AtomicFileWriter w;
        ASSERT_TRUE(w.open(target));
        w.write("half a catalog");
    } // destroyed without commit
    EXPECT_EQ(dir.read("cat.dat"), "precious");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    int err = 0;
    EXPECT_FALSE(WriteFileAtomically(dir.file("missing/cat.dat"), "x", &err));
    EXPECT_EQ(err, ENOENT);
}

TEST(AtomicFile, ReadWholeFileTakesRegularFilesUpToItsLimitWithoutWaiting)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    std::string out = "old";
    int err = 0;
    EXPECT_FALSE(ReadWholeFile(dir.file("fifo"), out, &err)); // would wait for a writer for ever
    EXPECT_EQ(err, EINVAL);
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(ReadWholeFile("/dev/zero", out, &err)); // would grow for ever
    EXPECT_EQ(err, EINVAL);
    EXPECT_FALSE(ReadWholeFile(dir.path(), out, &err));
    EXPECT_EQ(err, EINVAL);

    dir.write("ten", "0123456789");
    EXPECT_TRUE(ReadWholeFile(dir.file("ten"), out, &err, 10));
    EXPECT_EQ(out, "0123456789");
    EXPECT_FALSE(ReadWholeFile(dir.file("ten"), out, &err, 9));
    EXPECT_EQ(err, EFBIG);
    EXPECT_FALSE(ReadWholeFile(dir.file("missing"), out, &err));
    EXPECT_EQ(err, ENOENT);
}

TEST(AtomicFile, WriteTargetOfALinkIsWhereItLeads)
{
    TempDir dir;
    dir.write("real/file", "x");
    std::filesystem::create_symlink("real/file", dir.file("link"));
    std::filesystem::create_symlink("link", dir.file("chain"));
    std::string target;
    ASSERT_TRUE(ResolveWriteTarget(dir.file("chain"), target));
    EXPECT_TRUE(std::filesystem::equivalent(target, dir.file("real/file")));
    EXPECT_FALSE(std::filesystem::is_symlink(target));
    ASSERT_TRUE(ResolveWriteTarget(dir.file("new"), target));
    EXPECT_EQ(target, dir.file("new"));
    std::filesystem::create_symlink("nowhere", dir.file("dangling"));
    int err = 0;
    EXPECT_FALSE(ResolveWriteTarget(dir.file("dangling"), target, &err));
    EXPECT_EQ(err, ENOENT);
}

TEST(AtomicFile, TheCopyBeingWrittenHasAHiddenNameOfTheProgramsOwnWithinTheNameLimit)
{
    TempDir dir;
    const std::string longName = std::string(FileNameLimit(dir.path()) - 4, 'n') + ".dat";
    for (const std::string& name : {std::string("cat.dat"), longName}) {
        AtomicFileWriter w;
        ASSERT_TRUE(w.open(dir.file(name)));
        const std::set<std::string> names = NamesIn(dir.path());
        ASSERT_EQ(names.size(), 1u);
        const std::string& copy = *names.begin();
        EXPECT_LE(copy.size(), FileNameLimit(dir.path()));
        const std::string start = name == longName ? ".nnnn" : ".cat.dat.corvane-";
        EXPECT_TRUE(copy.starts_with(start)) << copy;
        EXPECT_EQ(copy.substr(copy.size() - 15, 9), ".corvane-") << copy;
        ASSERT_TRUE(w.write("x") && w.commit());
        EXPECT_EQ(NamesIn(dir.path()), std::set<std::string>{name});
        std::filesystem::remove(dir.file(name));
    }
}

TEST(AtomicFile, AWriteRemovesOnlyTheCopiesKilledWritesOfTheSameFileLeft)
{
    // A linked catalog is written through, so its copies are left in the
    // user's own folder, where no start-up cleaning looks.
    TempDir dir;
    dir.write("mine/cat.dat", "old");
    std::filesystem::create_directory(dir.file("dat"));
    std::filesystem::create_symlink("../mine/cat.dat", dir.file("dat/cat.dat"));
    const std::set<std::string> stays = {
        "cat.dat",        ".cat.dat.corvane-New123", ".other.dat.corvane-Old123", "cat.dat.Old123",
        "cat.dat.backup", ".cat.dat.corvane-Old12",  ".cat.dat.corvane-Lnk123"};
    for (const std::string& name : stays)
        if (name != "cat.dat" && name != ".cat.dat.corvane-Lnk123")
            dir.write("mine/" + name, "x");
    dir.write("mine/.cat.dat.corvane-Old123", "half");
    std::filesystem::create_symlink("cat.dat.backup", dir.file("mine/.cat.dat.corvane-Lnk123"));
    const std::time_t longAgo = std::time(nullptr) - 2 * 60 * 60;
    const timespec times[2] = {{longAgo, 0}, {longAgo, 0}};
    for (const std::string& name : NamesIn(dir.file("mine"))) {
        if (name != ".cat.dat.corvane-New123") {
            ASSERT_EQ(::utimensat(AT_FDCWD, dir.file("mine/" + name).c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
        }
    }

    std::string target;
    ASSERT_TRUE(ResolveWriteTarget(dir.file("dat/cat.dat"), target));
    ASSERT_TRUE(WriteFileAtomically(target, "new"));
    EXPECT_EQ(NamesIn(dir.file("mine")), stays);
    EXPECT_EQ(dir.read("mine/cat.dat"), "new");
    EXPECT_EQ(dir.read("mine/cat.dat.backup"), "x");
}
