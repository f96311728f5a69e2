#include "engine/catalog/CatalogHeader.h"
#include "engine/library/CatalogFiles.h"
#include "engine/library/CatalogProperties.h"
#include "engine/library/LibraryLists.h"
#include "platform/prompter/ErrorBox.h"
#include "tests/engine/TempLibrary.h"
#include "tests/support/RecordingPrompter.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
CatalogHeader Header(std::string free, std::string total, std::string root = "\\data", std::string comment = "")
{
    CatalogHeader h;
    h.DriveType = "Fixed";
    h.Free = std::move(free);
    h.Total = std::move(total);
    h.RootDir = std::move(root);
    h.Comment = std::move(comment);
    return h;
}
} // namespace

TEST(CatalogPropertiesTest, SizesShareCommentAndRootAsTheDialogShowsThem)
{
    CatalogProperties p = PropertiesOf("my.disk.dat", Header("250 MB", "1000 MB", "\\data", "one\x01two"));
    EXPECT_EQ(p.FileName, "my.disk.dat");
    EXPECT_EQ(p.Name, "my.disk");
    EXPECT_EQ(p.FreeMB, 250);
    EXPECT_EQ(p.UsedMB, 750);
    EXPECT_EQ(p.UsedPercent, 75);
    EXPECT_EQ(p.Comment, "one\r\ntwo");
    EXPECT_EQ(p.RootDir, "\\data\\");
    EXPECT_EQ(PropertiesOf("r.dat", Header("1 MB", "2 MB", "\\")).RootDir, "\\");

    // Damaged or empty sizes give a record, not a division by zero.
    for (auto [free, total] : {std::pair{"0 MB", "0 MB"}, {"", ""}, {"many MB", "lots MB"}, {"5 MB", ""}}) {
        CatalogProperties q = PropertiesOf("x.dat", Header(free, total));
        EXPECT_EQ(q.UsedPercent, 0) << free << "/" << total;
        EXPECT_EQ(q.TotalMB, 0);
    }
}

TEST(CatalogFilesTest, RenameReplacesOnlyWhenAskedAndDeleteSaysWhatFailed)
{
    TempLibrary lib;
    lib.catalog("a.dat", "A");
    lib.catalog("b.dat", "B");
    RecordingPrompter prompter;
    Problems problems;
    const ProblemPlace place{"frmCorvaneDisk", "LVLib_AfterLabelEdit"};
    EXPECT_FALSE(RenameCatalog("a.dat", "b.dat", false, problems, place));
    EXPECT_EQ(lib.catalogText("a.dat"), "A");
    EXPECT_EQ(lib.catalogText("b.dat"), "B");
    EXPECT_TRUE(RenameCatalog("a.dat", "b.dat", true, problems, place));
    EXPECT_FALSE(std::filesystem::exists(lib.file("dat/a.dat")));
    EXPECT_EQ(lib.catalogText("b.dat"), "A");
    EXPECT_FALSE(RenameCatalog("b.dat", "../b.dat", false, problems, place)); // never out of the library
    EXPECT_EQ(lib.catalogText("b.dat"), "A");
    EXPECT_FALSE(DeleteCatalog("gone.dat", problems, {"frmCorvaneDisk", "DeleteCatalog"}));
    // Each failure comes back to the caller, named as its box names it; none is shown here.
    ASSERT_EQ(problems.list.size(), 3u);
    EXPECT_EQ(problems.list[0].errorNumber, ErrPathFileAccess); // the name is taken
    EXPECT_EQ(problems.list[1].errorNumber, ErrBadFileName);
    EXPECT_EQ(problems.list[2].errorNumber, ErrFileNotFound);
    EXPECT_TRUE(ProblemBoxText(problems.list[0]).find("\r\nin CorvaneDisk.frmCorvaneDisk.LVLib_AfterLabelEdit.\r\n") !=
                std::string::npos);
    EXPECT_TRUE(ProblemBoxText(problems.list[2]).starts_with("Error 53: File not found (" + lib.file("dat/gone.dat")));
    EXPECT_EQ(problems.list[2].procedure, "DeleteCatalog");
    EXPECT_TRUE(prompter.boxes.empty());
}

// Two names of one catalog file: a rename of one onto the other would make
// the catalog a link to itself, or do nothing and say it was done.
TEST(CatalogFilesTest, ARenameOntoTheSameFileByAnotherNameIsRefusedAndBothNamesStay)
{
    namespace fs = std::filesystem;
    TempLibrary lib;
    lib.catalog("Alpha.dat", "A");
    fs::create_symlink("Alpha.dat", lib.file("dat/Zlink.dat"));
    fs::create_hard_link(lib.file("dat/Alpha.dat"), lib.file("dat/Hard.dat"));
    Problems problems;
    const ProblemPlace place{"frmCorvaneDisk", "LVLib_AfterLabelEdit"};
    EXPECT_FALSE(RenameCatalog("Zlink.dat", "Alpha.dat", true, problems, place));
    EXPECT_FALSE(RenameCatalog("Hard.dat", "Alpha.dat", true, problems, place));
    EXPECT_EQ(lib.catalogText("Alpha.dat"), "A");
    EXPECT_TRUE(fs::is_symlink(lib.file("dat/Zlink.dat")));
    EXPECT_EQ(lib.catalogText("Hard.dat"), "A");
    EXPECT_EQ(lib.filesInLibrary(), 3u);
    ASSERT_EQ(problems.list.size(), 2u);
    EXPECT_EQ(problems.list[0].errorNumber, ErrPathFileAccess);
    EXPECT_EQ(problems.list[0].text, "Cannot rename " + lib.file("dat/Zlink.dat") + " to " + lib.file("dat/Alpha.dat") +
                                         ": both are the same catalog file");
    EXPECT_EQ(problems.list[1].errorNumber, ErrPathFileAccess);
}

TEST(CatalogFilesTest, AHeaderLongerThanTheFirstReadIsStillReadWhole)
{
    TempLibrary lib;
    const std::string comment(20000, 'c');
    lib.catalog("long.dat", ">Fixed\r\n>Serial 1\r\n>Volume V\r\n>Free 1 MB\r\n>Total 2 MB\r\n>Root Dir \\r\r\n"
                            ">Recursive Dir True\r\n>Search zip content True\r\n>Enable comment True\r\n"
                            ">Search *.*\r\n>Comment " +
                                comment + "\r\n\\r\\a.txt>1 Kb/01/01/2001\r\n");
    std::vector<LibraryRow> rows = LoadListLib(lib.file("dat/"));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_TRUE(rows[0].readable);
    EXPECT_EQ(rows[0].Comment, comment);
}
