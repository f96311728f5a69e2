#include "engine/start/AppFolders.h"
#include "skin/TmpFolder.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(TmpFolder, EmptiesOnlyTheFilesOfTheProgramsOwnTmpFolder)
{
    TempDir home;
    SetAppFolders(home.path());
    const std::string kept = home.write("elsewhere/keep.txt", "keep");
    home.write("tmp/fond.bmp", "x");
    home.write("tmp/.hidden", "x");
    home.write("tmp/sub/inner.txt", "x");
    fs::create_symlink(kept, home.file("tmp/link"));
    fs::create_directory_symlink(home.file("elsewhere"), home.file("tmp/folderlink"));

    EmptyTmpFolder();
    std::vector<std::string> left;
    for (const auto& e : fs::directory_iterator(home.file("tmp")))
        left.push_back(e.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"sub"});
    EXPECT_TRUE(fs::exists(home.file("tmp/sub/inner.txt")));
    EXPECT_EQ(home.read("elsewhere/keep.txt"), "keep");

    EmptyTmpFolder(); // empty now: nothing to do, nothing said
    fs::remove_all(home.file("tmp"));
    EmptyTmpFolder();
}

TEST(TmpFolder, ATmpFolderThatIsALinkOrAFolderNotCalledTmpIsLeftAlone)
{
    TempDir home;
    home.write("elsewhere/keep.txt", "keep");
    fs::create_directory_symlink(home.file("elsewhere"), home.file("tmp"));
    SetAppFolders(home.path());
    EmptyTmpFolder();
    EXPECT_TRUE(fs::exists(home.file("elsewhere/keep.txt")));

    Folders().TmpPath = home.file("elsewhere") + "/";
    EmptyTmpFolder();
    EXPECT_TRUE(fs::exists(home.file("elsewhere/keep.txt")));
}
