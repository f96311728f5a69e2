#include "platform/fs/AtomicFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

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
