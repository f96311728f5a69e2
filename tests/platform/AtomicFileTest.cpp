#include "platform/fs/AtomicFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
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
