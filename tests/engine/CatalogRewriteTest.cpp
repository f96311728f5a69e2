#include "engine/rewrite/CatalogRewrite.h"
#include "platform/prompter/ErrorBox.h"
#include "tests/engine/TempLibrary.h"
#include "tests/support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const std::string kBody = "\\data\\a.txt>12 Kb/01/02/2003\r\n"
                          "\\data\\b.txt>1 Kb/01/02/2003>old note<\r\n"
                          "\\data\\pack.zip/docs\\c.txt>3 Kb/31/12/1999>Found in zipfile :pack.zip<\r\n";

class Rewrites : public ::testing::Test {
protected:
    void SetUp() override { lib.catalog("c.dat", std::string(kTestHeader) + kBody); }
    std::string text() const { return lib.catalogText("c.dat"); }
    TempLibrary lib;
    RecordingPrompter prompter;
    // Shown as the windows show them.
    Problems problems = ProblemsShownBy(prompter);
};
} // namespace

TEST_F(Rewrites, CommentOfFileAndMemberLines)
{
    ChangeComment("c.dat", "\\data\\a.txt>12 Kb/01/02/2003", "new note", problems);
    ChangeComment("c.dat", "\\data\\b.txt>1 Kb/01/02/2003", "two\nlines <b>", problems);
    ChangeComment("c.dat", "\\data\\pack.zip/docs\\c.txt>3 Kb/31/12/1999", "", problems);
    EXPECT_EQ(text(), std::string(kTestHeader) + "\\data\\a.txt>12 Kb/01/02/2003>new note<\r\n"
                                                 "\\data\\b.txt>1 Kb/01/02/2003>two\x01lines ?b?<\r\n"
                                                 "\\data\\pack.zip/docs\\c.txt>3 Kb/31/12/1999><\r\n");
    // A comment holding ">" (Windows catalogs have them) gives way whole.
    lib.catalog("c.dat", std::string(kTestHeader) + "\\data\\a.txt>12 Kb/01/02/2003>prix > 5<\r\n");
    ChangeComment("c.dat", "\\data\\a.txt>12 Kb/01/02/2003", "vu", problems);
    EXPECT_EQ(text(), std::string(kTestHeader) + "\\data\\a.txt>12 Kb/01/02/2003>vu<\r\n");
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_EQ(lib.filesInLibrary(), 1u);
}

TEST_F(Rewrites, KeyMustStartABodyLine)
{
    // On Linux one full path can end another: "\a.txt" ends "\data\a.txt".
    lib.catalog("c.dat", std::string(kTestHeader) + "\\x\\data\\a.txt>12 Kb/01/02/2003\r\n" + kBody);
    const std::string before = text();
    ChangeComment("c.dat", "\\data\\a.txt>12 Kb/01/02/2003", "mine", problems);
    EXPECT_EQ(text(), std::string(kTestHeader) + "\\x\\data\\a.txt>12 Kb/01/02/2003\r\n" +
                          "\\data\\a.txt>12 Kb/01/02/2003>mine<\r\n" + kBody.substr(kBody.find("\\data\\b")));
    lib.catalog("c.dat", before);
    for (const char* key : {"a.txt>12 Kb/01/02/2003", "\\data\\a.txt>12 Kb/01/02/200", "\\data\\a.txt>1",
                            "\\data\\nothere.txt>1 Kb/01/02/2003", ""})
        ChangeComment("c.dat", key, "never", problems);
    EXPECT_EQ(text(), before);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(Rewrites, FileEndingAndWindows1252BytesAreKept)
{
    std::string legacy = std::string(kTestHeader) + "\\d\\caf\xE9.txt>1 Kb/01/01/2001\r\n"
                                                    "\\d\\na\xEFve.txt>1 Kb/01/01/2001";
    lib.catalog("w.dat", legacy);
    ChangeComment("w.dat", "\\d\\caf\xE9.txt>1 Kb/01/01/2001", "d\xC3\xA9j\xC3\xA0 vu \xE2\x82\xAC", problems);
    EXPECT_EQ(lib.catalogText("w.dat"), std::string(kTestHeader) +
                                            "\\d\\caf\xE9.txt>1 Kb/01/01/2001>d\xE9j\xE0 vu \x80<\r\n"
                                            "\\d\\na\xEFve.txt>1 Kb/01/01/2001\r\n");
    // A file that already ends with CR LF keeps exactly one.
    ChangeCommentLib("w.dat", "x", problems);
    std::string t = lib.catalogText("w.dat");
    EXPECT_TRUE(t.ends_with("vu \x80<\r\n\\d\\na\xEFve.txt>1 Kb/01/01/2001\r\n"));
    // Text this code page cannot hold matches no Windows-1252 line; a root
    // of it could only stand beside these names by changing their bytes.
    ChangeComment("w.dat", "\\d\\\xE6\x97\xA5.txt>1 Kb/01/01/2001", "x", problems);
    EXPECT_EQ(lib.catalogText("w.dat"), t);
    EXPECT_EQ(ChangeRoot("w.dat", "\\d\\", "\\\xE6\x97\xA5\\", problems), RootChange::Refused);
    EXPECT_EQ(lib.catalogText("w.dat"), t);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(Rewrites, CatalogComment)
{
    // Only line 11 changes, even when a body comment starts with "Comment".
    lib.catalog("c.dat", std::string(kTestHeader).replace(kTestHeader.size() - 11, 11, ">\r\n") +
                             "\\data\\a.txt>1 Kb/01/02/2003>Comment me<\r\n");
    ChangeCommentLib("c.dat", "line one\r\nline two", problems);
    std::string t = text();
    EXPECT_NE(
        t.find("\r\n>Search *.*\r\n>Comment line one\x01line two\r\n\\data\\a.txt>1 Kb/01/02/2003>Comment me<\r\n"),
        std::string::npos);
    // What the properties dialog passes (already encoded) stays as it is.
    ChangeCommentLib("c.dat", "line one\x01line two", problems);
    EXPECT_EQ(text(), t);
    ChangeCommentLib("c.dat", "", problems);
    EXPECT_NE(text().find("\r\n>Comment \r\n\\data"), std::string::npos);
    // Read whole after its label, line 11 keeps ">" and "<" as typed.
    ChangeCommentLib("c.dat", "version a<b> ok<", problems);
    EXPECT_NE(text().find("\r\n>Comment version a<b> ok<\r\n\\data"), std::string::npos);
}

TEST_F(Rewrites, RootFolder)
{
    std::string header = std::string(kTestHeader).replace(kTestHeader.find("\\data"), 5, "C:\\Old");
    lib.catalog("c.dat", header + "C:\\Old\\a.txt>1 Kb/01/02/2003>C:\\Old\\ in a comment<\r\n"
                                  "c:\\old\\b.txt>1 Kb/01/02/2003\r\n"
                                  "C:\\Older\\c.txt>1 Kb/01/02/2003\r\n"
                                  "C:\\Old\\d.zip/C:\\Old\\e.txt>1 Kb/01/02/2003>Found in zipfile :d.zip<\r\n");
    ChangeRoot("c.dat", "C:\\Old\\", "E:\\", problems);
    std::string expectedHeader = header;
    expectedHeader.replace(header.find("C:\\Old"), 6, "E:");
    EXPECT_EQ(text(), expectedHeader + "E:\\a.txt>1 Kb/01/02/2003>C:\\Old\\ in a comment<\r\n"
                                       "c:\\old\\b.txt>1 Kb/01/02/2003\r\n"
                                       "C:\\Older\\c.txt>1 Kb/01/02/2003\r\n"
                                       "E:\\d.zip/C:\\Old\\e.txt>1 Kb/01/02/2003>Found in zipfile :d.zip<\r\n");
    // Roots without their final "\" are whole folders too; no empty line is added.
    ChangeRoot("c.dat", "E:", "\\home\\ann\\disk", problems);
    std::string t = text();
    EXPECT_NE(t.find(">Root Dir \\home\\ann\\disk\r\n"), std::string::npos);
    EXPECT_TRUE(
        t.ends_with("\r\n\\home\\ann\\disk\\d.zip/C:\\Old\\e.txt>1 Kb/01/02/2003>Found in zipfile :d.zip<\r\n"));
    EXPECT_TRUE(prompter.boxes.empty());

    ChangeRoot("c.dat", "\\home\\ann\\disk\\", "", problems);
    EXPECT_EQ(text(), t);
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_NE(prompter.boxes[0].text.find("Error 5: "), std::string::npos);
    EXPECT_NE(prompter.boxes[0].text.find(".ChangeRoot."), std::string::npos);
}

TEST_F(Rewrites, MissingOrForeignFilesAreReportedAndLeftAlone)
{
    lib.catalog("notes.dat", "shopping list\r\n");
    ChangeComment("missing.dat", "\\a>1 Kb/01/01/2001", "x", problems);
    ChangeCommentLib("notes.dat", "x", problems);
    ChangeRoot("notes.dat", "\\a\\", "\\b\\", problems);
    ChangeComment("../c.dat", "\\data\\a.txt>12 Kb/01/02/2003", "x", problems);
    ASSERT_EQ(prompter.boxes.size(), 4u);
    EXPECT_NE(prompter.boxes[0].text.find("Error 53"), std::string::npos);
    EXPECT_NE(prompter.boxes[1].text.find("Error 321"), std::string::npos);
    EXPECT_NE(prompter.boxes[2].text.find("Error 321"), std::string::npos);
    EXPECT_NE(prompter.boxes[3].text.find("Error 52"), std::string::npos);
    EXPECT_EQ(lib.catalogText("notes.dat"), "shopping list\r\n");
    EXPECT_FALSE(std::filesystem::exists(lib.file("dat/missing.dat")));
    EXPECT_EQ(lib.filesInLibrary(), 2u);
}

TEST_F(Rewrites, EachLineIsMatchedAndWrittenInItsOwnEncoding)
{
    // UTF-8 lines beside a Windows-1252 one: keys are the lines' own bytes.
    lib.catalog("m.dat", std::string(kTestHeader) + "\\d\\caf\xC3\xA9.txt>1 Kb/01/01/2001\r\n"
                                                    "\\d\\na\xEFve.txt>1 Kb/01/01/2001\r\n"
                                                    "\\d\\plain.txt>1 Kb/01/01/2001\r\n");
    ChangeComment("m.dat", "\\d\\caf\xC3\xA9.txt>1 Kb/01/01/2001", "\xC3\xA9t\xC3\xA9", problems);
    ChangeComment("m.dat", "\\d\\na\xEFve.txt>1 Kb/01/01/2001", "\xC3\xA9t\xC3\xA9", problems);
    // A plain ASCII line of a file holding Windows-1252 lines takes that code page.
    ChangeComment("m.dat", "\\d\\plain.txt>1 Kb/01/01/2001", "\xC3\xA9t\xC3\xA9", problems);
    EXPECT_EQ(lib.catalogText("m.dat"), std::string(kTestHeader) +
                                            "\\d\\caf\xC3\xA9.txt>1 Kb/01/01/2001>\xC3\xA9t\xC3\xA9<\r\n"
                                            "\\d\\na\xEFve.txt>1 Kb/01/01/2001>\xE9t\xE9<\r\n"
                                            "\\d\\plain.txt>1 Kb/01/01/2001>\xE9t\xE9<\r\n");
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(Rewrites, FifoOrDeviceIsNoCatalogAndNothingWaits)
{
    alarm(30); // a rewrite that waits on the FIFO fails here rather than hanging
    ASSERT_EQ(::mkfifo(lib.file("dat/fifo.dat").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", lib.file("dat/zero.dat"));
    EXPECT_EQ(ChangeComment("fifo.dat", "\\a>1 Kb/01/01/2001", "x", problems), CommentChange::Failed);
    EXPECT_FALSE(ChangeCommentLib("zero.dat", "x", problems));
    EXPECT_EQ(ChangeRoot("zero.dat", "\\a\\", "\\b\\", problems), RootChange::Failed);
    alarm(0);
    ASSERT_EQ(prompter.boxes.size(), 3u);
    for (const auto& box : prompter.boxes)
        EXPECT_NE(box.text.find("not a regular file"), std::string::npos) << box.text;
    EXPECT_TRUE(std::filesystem::is_fifo(lib.file("dat/fifo.dat")));
    EXPECT_EQ(std::filesystem::read_symlink(lib.file("dat/zero.dat")), "/dev/zero");
}

TEST_F(Rewrites, AFailureComesBackToTheCallerNamedAsItsBoxNamesIt)
{
    lib.catalog("notes.dat", "shopping list\r\n");
    Problems quiet; // a caller that shows nothing
    EXPECT_EQ(ChangeComment("missing.dat", "\\a>1 Kb/01/01/2001", "x", quiet), CommentChange::Failed);
    EXPECT_FALSE(ChangeCommentLib("notes.dat", "x", quiet));
    EXPECT_EQ(ChangeRoot("c.dat", "", "\\b\\", quiet), RootChange::Failed);
    EXPECT_TRUE(prompter.boxes.empty()); // the rewrite itself says nothing
    ASSERT_EQ(quiet.list.size(), 3u);
    const char* procedures[] = {"ChangeComment", "ChangeCommentLib", "ChangeRoot"};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string box = ProblemBoxText(quiet.list[i]);
        EXPECT_NE(
            box.find(std::string("\r\nin CorvaneDisk.modFile.") + procedures[i] + ".\r\nThe error occured at line: "),
            std::string::npos)
            << box;
        EXPECT_GT(quiet.list[i].line, 0u); // where it was raised
    }
    EXPECT_TRUE(ProblemBoxText(quiet.list[0]).starts_with("Error 53: File not found ("))
        << ProblemBoxText(quiet.list[0]);
    EXPECT_EQ(quiet.list[1].errorNumber, ErrInvalidFileFormat);
    EXPECT_EQ(quiet.list[1].item, "notes.dat");
    EXPECT_TRUE(ProblemBoxText(quiet.list[2]).starts_with("Error 5: Invalid procedure call or argument (the old root"));
    EXPECT_EQ(text(), std::string(kTestHeader) + kBody);
}
