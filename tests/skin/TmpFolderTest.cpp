#include "engine/start/AppFolders.h"
#include "skin/TmpFolder.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
std::vector<std::string> namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

TEST(TmpFolder, TheProgramsOwnWorkFolderLosesOnlyWhatTheProgramPutThere)
{
    TempDir home;
    SetAppFolders(home.path());
    ASSERT_TRUE(CreateOutputFolders());
    home.write("elsewhere/keep.bmp", "keep");
    home.write("tmp/fond.bmp", "x");
    home.write("tmp/MAINMASK.BMP", "x");
    home.write("tmp/corvanedisk.INI", "x");
    home.write("tmp/notes.txt", "the user's");
    home.write("tmp/.bmp", "x");
    home.write("tmp/sub/inner.bmp", "x");
    fs::create_symlink(home.file("elsewhere/keep.bmp"), home.file("tmp/link.bmp"));
    fs::create_directory_symlink(home.file("elsewhere"), home.file("tmp/folder.bmp"));

    EmptyTmpFolder(Folders().TmpPath);
    EXPECT_EQ(namesIn(home.file("tmp")), (std::vector<std::string>{std::string(WorkFolderMark), ".bmp", "folder.bmp",
                                                                   "link.bmp", "notes.txt", "sub"}));
    EXPECT_TRUE(fs::exists(home.file("tmp/sub/inner.bmp")));
    EXPECT_EQ(home.read("elsewhere/keep.bmp"), "keep");

    EmptyTmpFolder(Folders().TmpPath); // nothing of ours left: nothing to do, nothing said
    fs::remove_all(home.file("tmp"));
    EmptyTmpFolder(Folders().TmpPath);
}

TEST(TmpFolder, AFolderTheProgramDidNotMakeIsLeftAlone)
{
    // A home folder as CORVANEDISK_HOME: its tmp/ was the user's before.
    TempDir home;
    home.write("tmp/photo.bmp", "the user's");
    home.write("tmp/CorvaneDisk.ini", "the user's");
    SetAppFolders(home.path());
    ASSERT_TRUE(CreateOutputFolders());
    EmptyTmpFolder(Folders().TmpPath);
    EXPECT_EQ(namesIn(home.file("tmp")), (std::vector<std::string>{"CorvaneDisk.ini", "photo.bmp"}));

    // A tmp/ that is a link, even to a folder the program made, is not followed.
    TempDir other;
    SetAppFolders(other.path());
    ASSERT_TRUE(CreateOutputFolders());
    other.write("tmp/fond.bmp", "x");
    TempDir linked;
    fs::create_directory_symlink(other.file("tmp"), linked.file("tmp"));
    SetAppFolders(linked.path());
    EmptyTmpFolder(Folders().TmpPath);
    EXPECT_TRUE(fs::exists(other.file("tmp/fond.bmp")));

    // A mark that is a link proves nothing.
    fs::remove(other.file("tmp/" + std::string(WorkFolderMark)));
    fs::create_symlink(home.file("tmp/photo.bmp"), other.file("tmp/" + std::string(WorkFolderMark)));
    SetAppFolders(other.path());
    EmptyTmpFolder(Folders().TmpPath);
    EXPECT_TRUE(fs::exists(other.file("tmp/fond.bmp")));
}
