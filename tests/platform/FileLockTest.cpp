// The lock beside a file takes and removes only a lock file of its own: a
// user's file, a FIFO, a folder or a link in the way stays as it was.
#include "platform/fs/FileLock.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

TEST(FileLock, OnlyAnEmptyFileOfItsOwnNameIsTakenAndRemoved)
{
    TempDir dir;
    const std::string file = dir.write("Photos.dat", "catalog");
    dir.write("Photos.dat.lock", "mine");
    {
        const FileLock lock(file);
        EXPECT_TRUE(lock.held());
    }
    EXPECT_EQ(dir.read("Photos.dat.lock"), "mine");
    // What a holder that was killed left is taken, and goes after.
    dir.write(fs::path(FileLock::LockPath(file)).filename().string(), "");
    {
        const FileLock lock(file);
        EXPECT_TRUE(lock.held());
    }
    EXPECT_FALSE(fs::exists(FileLock::LockPath(file)));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2);
}

TEST(FileLock, WhateverElseIsInTheLockFilesPlaceIsNeitherTakenNorRemoved)
{
    TempDir dir;
    const std::string file = dir.write("Photos.dat", "catalog");
    const std::string lockPath = FileLock::LockPath(file);
    const auto refused = [&](fs::file_type type) {
        const FileLock lock(file);
        EXPECT_FALSE(lock.held());
        EXPECT_NE(lock.error(), 0);
        EXPECT_EQ(fs::symlink_status(lockPath).type(), type);
        fs::remove(lockPath);
    };
    ASSERT_EQ(::mkfifo(lockPath.c_str(), 0600), 0);
    refused(fs::file_type::fifo);
    fs::create_directory(lockPath);
    refused(fs::file_type::directory);
    fs::create_symlink("Photos.dat", lockPath);
    refused(fs::file_type::symlink);
    dir.write(fs::path(lockPath).filename().string(), "a user's text");
    {
        const FileLock lock(file);
        EXPECT_FALSE(lock.held());
    }
    EXPECT_EQ(ReadFileBytes(lockPath), "a user's text");
    EXPECT_EQ(dir.read("Photos.dat"), "catalog");
}
