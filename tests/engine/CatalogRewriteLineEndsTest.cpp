// Rewrites of catalogs whose lines end in LF alone, in CR LF, or in a mix
// (the format lets a comment's lone LF break a line): each line keeps its
// own end, and every byte the change does not touch is copied once.

#include "engine/rewrite/CatalogRewrite.h"
#include "tests/engine/TempLibrary.h"
#include "tests/support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {
// The lines of a text, each with its own end.
std::vector<std::string> linesOf(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        std::size_t nl = text.find('\n');
        std::size_t stop = nl == std::string_view::npos ? text.size() : nl + 1;
        lines.emplace_back(text.substr(0, stop));
        text.remove_prefix(stop);
    }
    return lines;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& l : lines)
        text += l;
    return text;
}

// The header and body of kTestHeader with the given line ends.
std::vector<std::string> catalogLines(std::string_view headerEnd, std::string_view bodyEnd)
{
    std::vector<std::string> lines;
    for (std::string& l : linesOf(kTestHeader))
        lines.push_back(l.substr(0, l.size() - 2) + std::string(headerEnd));
    for (const char* body :
         {"\\data\\a.txt>12 Kb/01/02/2003", "\\data\\b.txt>1 Kb/01/02/2003>old<", "\\data\\c.txt>2 Kb/01/02/2003",
          "\\data\\p.zip/in\\d.txt>3 Kb/31/12/1999>Found in zipfile :p.zip<", "\\other\\e.txt>4 Kb/01/02/2003"})
        lines.push_back(body + std::string(bodyEnd));
    return lines;
}

// Line i's text replaced, its end kept.
std::vector<std::string> withLine(std::vector<std::string> lines, std::size_t i, std::string_view text)
{
    std::string& l = lines[i];
    std::size_t end = l.ends_with("\r\n") ? 2 : l.ends_with('\n') ? 1 : 0;
    l = std::string(text) + l.substr(l.size() - end);
    return lines;
}

class RewriteLineEnds : public ::testing::Test {
protected:
    // Runs all three rewrites on the catalog and checks it line by line after each.
    void rewriteAll(std::vector<std::string> lines, std::string_view what)
    {
        SCOPED_TRACE(what);
        lib.catalog("c.dat", joined(lines));
        EXPECT_EQ(ChangeComment("c.dat", "\\data\\b.txt>1 Kb/01/02/2003", "new\r\nnote", problems),
                  CommentChange::Written);
        lines = withLine(lines, 12, "\\data\\b.txt>1 Kb/01/02/2003>new\x01note<");
        EXPECT_EQ(linesOf(lib.catalogText("c.dat")), lines);
        EXPECT_EQ(ChangeComment("c.dat", "\\data\\a.txt>12 Kb/01/02/2003", "first", problems), CommentChange::Written);
        lines = withLine(lines, 11, "\\data\\a.txt>12 Kb/01/02/2003>first<");
        EXPECT_EQ(linesOf(lib.catalogText("c.dat")), lines);

        EXPECT_TRUE(ChangeCommentLib("c.dat", "mine", problems));
        lines = withLine(lines, 10, ">Comment mine");
        EXPECT_EQ(linesOf(lib.catalogText("c.dat")), lines);

        EXPECT_EQ(ChangeRoot("c.dat", "\\data\\", "\\disk\\", problems), RootChange::Written);
        lines = withLine(lines, 5, ">Root Dir \\disk");
        for (std::size_t i = 11; i < lines.size(); ++i)
            if (lines[i].starts_with("\\data\\"))
                lines[i] = "\\disk\\" + lines[i].substr(6);
        EXPECT_EQ(linesOf(lib.catalogText("c.dat")), lines);
        EXPECT_TRUE(prompter.boxes.empty());
    }

    TempLibrary lib;
    RecordingPrompter prompter;
    // Shown as the windows show them.
    Problems problems = ProblemsShownBy(prompter);
};
} // namespace

TEST_F(RewriteLineEnds, EachLineKeepsItsOwnEndThroughEveryRewrite)
{
    rewriteAll(catalogLines("\n", "\n"), "LF only");
    rewriteAll(catalogLines("\r\n", "\n"), "CR LF header, LF body");
    rewriteAll(catalogLines("\n", "\r\n"), "LF header, CR LF body");
    std::vector<std::string> oneLf = catalogLines("\r\n", "\r\n");
    oneLf[12].replace(oneLf[12].size() - 2, 2, "\n");
    rewriteAll(oneLf, "one LF line among CR LF lines");
    std::vector<std::string> brokenComment = catalogLines("\r\n", "\r\n");
    // A comment's lone LF splits its line; a lone CR stays inside one.
    brokenComment.insert(brokenComment.begin() + 14, "part two\r\n");
    brokenComment[13] = "\\data\\p.zip/in\\d.txt>3 Kb/31/12/1999>part\rone\n";
    rewriteAll(brokenComment, "lone LF and lone CR in a comment");
}

TEST_F(RewriteLineEnds, MissingFinalEndIsCompletedInTheFilesOwnStyle)
{
    struct Case {
        std::string end, lastEnd, completed;
    };
    for (const Case& c : {Case{"\n", "", "\n"}, Case{"\r\n", "", "\r\n"}, Case{"\r\n", "\r", "\r\n"}}) {
        std::string text = joined(catalogLines(c.end, c.end));
        text.resize(text.size() - c.end.size());
        text += c.lastEnd;
        lib.catalog("c.dat", text);
        EXPECT_TRUE(ChangeCommentLib("c.dat", "x", problems));
        const std::string after = lib.catalogText("c.dat");
        EXPECT_TRUE(after.ends_with("\\other\\e.txt>4 Kb/01/02/2003" + c.completed)) << after;
        EXPECT_EQ(after.size(), text.size() + 1 + c.completed.size() - c.lastEnd.size());
    }
}

TEST_F(RewriteLineEnds, CatalogOfCrEndsIsNoCatalogAndStaysAsItWas)
{
    const std::string text = joined(catalogLines("\r", "\r"));
    lib.catalog("c.dat", text);
    EXPECT_EQ(ChangeComment("c.dat", "\\data\\a.txt>12 Kb/01/02/2003", "x", problems), CommentChange::Failed);
    EXPECT_FALSE(ChangeCommentLib("c.dat", "x", problems));
    EXPECT_EQ(ChangeRoot("c.dat", "\\data\\", "\\disk\\", problems), RootChange::Failed);
    EXPECT_EQ(lib.catalogText("c.dat"), text);
    ASSERT_EQ(prompter.boxes.size(), 3u);
    for (const auto& box : prompter.boxes)
        EXPECT_NE(box.text.find("Error 321"), std::string::npos) << box.text;
}

// The properties dialog's root change on a large catalog with LF body lines
// once wrote the rest of the file again for every line it moved.
TEST_F(RewriteLineEnds, LargeCatalogGrowsByTheChangeAlone)
{
    std::vector<std::string> lines = linesOf(kTestHeader);
    for (int i = 0; i < 60000; ++i)
        lines.push_back((i % 1000 == 0 ? "\\data\\" : "\\other\\folder\\") + std::string("file number ") +
                        std::to_string(i) + ".txt>1 Kb/01/02/2003\n");
    const std::string text = joined(lines);
    ASSERT_GT(text.size(), std::size_t(2) << 20);
    lib.catalog("big.dat", text);

    ASSERT_EQ(ChangeRoot("big.dat", "\\data\\", "\\disk\\data\\", problems), RootChange::Written);
    const std::string moved = lib.catalogText("big.dat");
    EXPECT_EQ(moved.size(), text.size() + 5 * (1 + 60));
    ASSERT_EQ(ChangeComment("big.dat", "\\other\\folder\\file number 30001.txt>1 Kb/01/02/2003", "note", problems),
              CommentChange::Written);
    const std::string noted = lib.catalogText("big.dat");
    EXPECT_EQ(noted.size(), moved.size() + 6);
    EXPECT_NE(noted.find("\\file number 30001.txt>1 Kb/01/02/2003>note<\n\\other\\folder\\file number 30002.txt>"),
              std::string::npos);
    std::vector<std::string> expected = lines;
    expected[5] = ">Root Dir \\disk\\data\r\n";
    for (std::size_t i = 11; i < expected.size(); ++i)
        if (expected[i].starts_with("\\data\\"))
            expected[i] = "\\disk" + expected[i];
    expected[11 + 30001] =
        withLine(expected, 11 + 30001, "\\other\\folder\\file number 30001.txt>1 Kb/01/02/2003>note<")[11 + 30001];
    EXPECT_TRUE(joined(expected) == noted);
}

TEST_F(RewriteLineEnds, LinkedCatalogIsWrittenThroughAndADanglingLinkIsAnError)
{
    const std::string text = joined(catalogLines("\r\n", "\r\n"));
    lib.write("elsewhere/real.dat", text);
    std::filesystem::create_symlink("../elsewhere/real.dat", lib.file("dat/c.dat"));
    EXPECT_EQ(ChangeComment("c.dat", "\\data\\a.txt>12 Kb/01/02/2003", "linked", problems), CommentChange::Written);
    EXPECT_EQ(ChangeRoot("c.dat", "\\data\\", "\\disk\\", problems), RootChange::Written);
    EXPECT_TRUE(std::filesystem::is_symlink(lib.file("dat/c.dat")));
    EXPECT_NE(lib.read("elsewhere/real.dat").find("\\disk\\a.txt>12 Kb/01/02/2003>linked<\r\n"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(lib.file("elsewhere")),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_TRUE(prompter.boxes.empty());

    std::filesystem::create_symlink("../elsewhere/gone.dat", lib.file("dat/d.dat"));
    EXPECT_FALSE(ChangeCommentLib("d.dat", "x", problems));
    EXPECT_EQ(prompter.boxes.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_symlink(lib.file("dat/d.dat")));
    EXPECT_FALSE(std::filesystem::exists(lib.file("elsewhere/gone.dat")));
}

// Keys are the bytes a line holds: two names that read alike (a
// Windows-1252 "\xE9" and a UTF-8 "\xC3\xA9") are two entries, and what a
// line reads as names no line.
TEST_F(RewriteLineEnds, KeysMatchTheLinesOwnBytesOnly)
{
    const std::string header(kTestHeader);
    // 0x81 is a hole of Windows-1252: the line reads U+FFFD there.
    lib.catalog("c.dat", header + "\\d\\x\x81y.txt>1 Kb/01/01/2001\r\n"
                                  "\\d\\\xE9.txt>1 Kb/01/01/2001\r\n"
                                  "\\d\\\xC3\xA9.txt>1 Kb/01/01/2001\r\n");
    EXPECT_EQ(ChangeComment("c.dat", "\\d\\x\xEF\xBF\xBDy.txt>1 Kb/01/01/2001", "no", problems),
              CommentChange::NoEntry);
    EXPECT_EQ(ChangeComment("c.dat", "\\d\\x\x81y.txt>1 Kb/01/01/2001", "ok", problems), CommentChange::Written);
    EXPECT_EQ(ChangeComment("c.dat", "\\d\\\xC3\xA9.txt>1 Kb/01/01/2001", "utf", problems), CommentChange::Written);
    EXPECT_EQ(ChangeComment("c.dat", "\\d\\\xE9.txt>1 Kb/01/01/2001", "latin", problems), CommentChange::Written);
    const std::string after = lib.catalogText("c.dat");
    EXPECT_EQ(after.substr(after.find(">Comment \r\n") + 11), "\\d\\x\x81y.txt>1 Kb/01/01/2001>ok<\r\n"
                                                              "\\d\\\xE9.txt>1 Kb/01/01/2001>latin<\r\n"
                                                              "\\d\\\xC3\xA9.txt>1 Kb/01/01/2001>utf<\r\n");
    EXPECT_TRUE(prompter.boxes.empty());
}
