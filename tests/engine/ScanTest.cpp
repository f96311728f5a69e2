#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CatalogText.h"
#include "engine/scan/CatalogScan.h"
#include "engine/scan/HtmlTitle.h"
#include "engine/scan/Wildcard.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <climits>
#include <unistd.h>

namespace {
void setMtime(const std::string& path, std::time_t t)
{
    timespec times[2] = {{t, 0}, {t, 0}};
    utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

std::vector<std::string> body(const ScanSession& s)
{
    std::vector<std::string> out;
    for (std::size_t n = HeaderLineCount + 1; n <= s.lines.count(); ++n)
        out.push_back(s.lines.line(n));
    return out;
}

ScanOptions options(const std::string& root, const std::string& filter, bool recursive = true)
{
    ScanOptions o;
    o.RootDir = root;
    o.FilePatterns = filter;
    o.RecursiveDir = recursive;
    return o;
}

// catalog form of a path below the test folder
std::string cat(const TempDir& d, const std::string& rel)
{
    std::string p = d.path() + "/" + rel;
    for (char& c : p)
        if (c == '/')
            c = '\\';
    return p;
}
} // namespace

TEST(Wildcard, FilterPatternsMatchLikeTheClassicFileSearch)
{
    EXPECT_TRUE(WildcardMatch("*.*", "README"));
    EXPECT_TRUE(WildcardMatch("*.*", ".hidden"));
    EXPECT_TRUE(WildcardMatch("*", "a.b.c"));
    EXPECT_TRUE(WildcardMatch("*.TXT", "notes.txt"));
    EXPECT_TRUE(WildcardMatch("*.htm*", "Index.HTML"));
    EXPECT_FALSE(WildcardMatch("*.htm*", "index.txt"));
    EXPECT_TRUE(WildcardMatch("a?c.*", "abc"));
    EXPECT_TRUE(WildcardMatch("a?c.*", "abc.doc"));
    EXPECT_FALSE(WildcardMatch("a?c", "ac"));
    EXPECT_TRUE(WildcardMatch("*a*b*c*", "xxaxxbxxcxx"));
    EXPECT_FALSE(WildcardMatch("*a*b*c*d", "xxaxxbxxcxx"));
    EXPECT_FALSE(WildcardMatch(std::string(30, '*') + "x", std::string(5000, 'a'))); // no blow-up
}

TEST(Wildcard, AFilterIsCutAtSemicolonsUpToItsFirstEmptyPattern)
{
    using P = std::vector<std::string>;
    EXPECT_EQ(FilterPatterns("*.exe; *.zip"), (P{"*.exe", "*.zip"}));
    EXPECT_EQ(FilterPatterns("  *.jpg  ;*.gif ;  ; *.png"), (P{"*.jpg", "*.gif"}));
    EXPECT_EQ(FilterPatterns("*.txt;"), (P{"*.txt"}));
    EXPECT_EQ(FilterPatterns(";*.txt"), P{});
    EXPECT_EQ(FilterPatterns(""), P{});
    EXPECT_EQ(FilterPatterns("a b.*"), (P{"a b.*"})); // blanks inside a pattern stay
}

TEST(Wildcard, DotsAndQuestionMarksFollowTheClassicRules)
{
    // "*." finds the names without an extension.
    EXPECT_TRUE(WildcardMatch("*.", "README"));
    EXPECT_TRUE(WildcardMatch("*.", "name."));
    EXPECT_FALSE(WildcardMatch("*.", "a.txt"));
    // A final "?" (or one before a ".") also matches nothing.
    EXPECT_TRUE(WildcardMatch("*.ht?", "b.ht"));
    EXPECT_TRUE(WildcardMatch("*.ht?", "b.htm"));
    EXPECT_FALSE(WildcardMatch("*.ht?", "b.html"));
    EXPECT_TRUE(WildcardMatch("a??.txt", "a.txt"));
    EXPECT_TRUE(WildcardMatch("a??.txt", "ab.txt"));
    EXPECT_FALSE(WildcardMatch("a??.txt", "abcd.txt"));
    // A "*" before a "." stops at the name's last one.
    EXPECT_TRUE(WildcardMatch("*.gz", "a.tar.gz"));
    EXPECT_FALSE(WildcardMatch("*.tar", "a.tar.gz"));
    EXPECT_TRUE(WildcardMatch("a.*", "a"));
}

TEST(Scan, HeaderAndLinesFollowTheCatalogFormat)
{
    TempDir d;
    setMtime(d.write("tree/a.txt", std::string(1127, 'x')), 946701000); // 23:30 on 31/12/1999 at UTC-5
    setMtime(d.write("tree/empty.txt", ""), 0);
    ScanSession s;
    CreateCatalog(options(d.file("tree"), "*.txt", false), s);
    ASSERT_EQ(s.lines.count(), 13u);
    EXPECT_EQ(s.lines.line(6), ">Root Dir " + cat(d, "tree"));
    EXPECT_EQ(s.lines.line(7), ">Recursive Dir False");
    EXPECT_EQ(s.lines.line(8), ">Search zip content False");
    EXPECT_EQ(s.lines.line(9), ">Enable comment False");
    EXPECT_EQ(s.lines.line(10), ">Search *.txt");
    EXPECT_EQ(s.lines.line(11), ">");
    EXPECT_TRUE(s.lines.line(4).starts_with(">Free ") && s.lines.line(4).ends_with(" MB"));
    EXPECT_EQ(body(s), (std::vector<std::string>{cat(d, "tree/a.txt") + ">2 Kb/01/01/2000",
                                                 cat(d, "tree/empty.txt") + ">0 Kb/01/01/1970"}));
}

TEST(Scan, PatternsInTurnFilesBeforeSubFoldersDepthFirst)
{
    TempDir d;
    for (const char* f : {"r/z.doc", "r/b.txt", "r/a/x.txt", "r/a/y.doc", "r/a/deep/d.txt", "r/c/c.txt", "r/B.TXT"})
        setMtime(d.write(f, "1"), 0);
    ScanSession s;
    CreateCatalog(options(d.file("r") + "/", "*.txt; *.doc;;*.*"), s);
    std::vector<std::string> paths;
    for (auto& l : body(s))
        paths.emplace_back(ParseBodyLine(l).path);
    EXPECT_EQ(paths, (std::vector<std::string>{cat(d, "r/B.TXT"), cat(d, "r/b.txt"), cat(d, "r/a/x.txt"),
                                               cat(d, "r/a/deep/d.txt"), cat(d, "r/c/c.txt"), cat(d, "r/z.doc"),
                                               cat(d, "r/a/y.doc")}));
    // With or without the final separator the lines are the same; line 6 shows what was given.
    EXPECT_EQ(s.lines.line(6), ">Root Dir " + cat(d, "r") + "\\");

    ScanSession flat;
    CreateCatalog(options(d.file("r"), "*.txt", false), flat);
    EXPECT_EQ(body(flat).size(), 2u);
}

TEST(Scan, PageTitlesBecomeComments)
{
    TempDir d;
    d.write("p/a.htm", "<html><head><TITLE>Home</TITLE></head>");
    d.write("p/b.html", "<title></title>");
    d.write("p/c.shtml", "<html>no title at all</html>");
    d.write("p/d.HTM", "<head>\r\n<title>Two\r\n  Lines </title>\r\n");
    d.write("p/e.htm", "<title>unclosed\nand never closed");
    d.write("p/f.htm", "<title>a > b < c</title>");
    d.write("p/g.txt", "<title>not a page</title>");
    d.write("p/h.dhtml", "<title>not one of the six spellings</title>");
    ScanOptions o = options(d.file("p"), "*.*");
    o.EnableComment = true;
    ScanSession s;
    CreateCatalog(o, s);
    std::vector<std::string> rest;
    for (auto& l : body(s)) {
        BodyLine b = ParseBodyLine(l);
        rest.push_back(b.hasComment ? ">" + std::string(b.rest) : "-");
    }
    EXPECT_EQ(rest, (std::vector<std::string>{">Home<", "><", "><", ">Two Lines<", "><", ">a ? b ? c<", "-", "-"}));
}

TEST(Scan, OddEntriesNeverBreakOrHangTheScan)
{
    TempDir d;
    d.write("o/ok.txt", "x");
    d.write("o/sub/in.txt", "x");
    d.write("o/we>ird\nname.txt", "x");
    ASSERT_EQ(mkfifo(d.file("o/pipe.htm").c_str(), 0644), 0);
    ASSERT_EQ(symlink("..", d.file("o/sub/loop").c_str()), 0);
    ASSERT_EQ(symlink("missing", d.file("o/broken.txt").c_str()), 0);
    ASSERT_EQ(symlink("ok.txt", d.file("o/link.txt").c_str()), 0);
    // A 3 GB file, sparse so that it costs nothing.
    int fd = open(d.file("o/big.iso").c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_EQ(ftruncate(fd, 3LL * 1024 * 1024 * 1024 + 103), 0);
    close(fd);

    ScanOptions o = options(d.file("o"), "*.*");
    o.EnableComment = true;
    ScanSession s;
    CreateCatalog(o, s);
    std::vector<std::string> paths;
    for (auto& l : body(s))
        paths.emplace_back(l.substr(0, l.find('>', d.path().size())));
    EXPECT_EQ(paths, (std::vector<std::string>{cat(d, "o/big.iso"), cat(d, "o/link.txt"), cat(d, "o/ok.txt"),
                                               cat(d, "o/we?ird?name.txt"), cat(d, "o/sub/in.txt")}));
    EXPECT_EQ(ParseBodyLine(body(s)[0]).sizeAndUnit(), "3145729 Kb");
    EXPECT_TRUE(s.problems.list.empty());
}

TEST(Scan, MissingFolderGivesTheHeaderAloneAndStopUnwinds)
{
    TempDir d;
    ScanSession s;
    CreateCatalog(options(d.file("nothing"), "*.*"), s);
    EXPECT_EQ(s.lines.count(), 11u);

    for (int i = 0; i < 5; ++i)
        d.write("s/" + std::to_string(i) + "/f.txt", "x");
    std::atomic<bool> stop{false};
    ScanSession stopped(stop);
    stopped.onProgress = [&](std::size_t found, const std::string&) {
        if (found >= 1)
            stop = true;
    };
    CreateCatalog(options(d.file("s"), "*.*"), stopped);
    EXPECT_EQ(stopped.lines.count(), 12u);
}

TEST(Scan, LinesStayReadableWhateverNamesTitlesAndTheFilterHold)
{
    TempDir d;
    d.write("p/caf\xC3\xA9.htm", "<title>Men\xFA del d\xED"
                                 "a</title>");                      // a Windows-1252 title
    d.write("p/\xE9t\xE9.htm", "<title>\xC3\xA9t\xC3\xA9</title>"); // a legacy name, a UTF-8 title
    d.write("p/tabs.htm", "<title>a\tb\x01"
                          "c\x7F</title>");
    d.write("p/x.txt", "x");
    ScanOptions o = options(d.file("p"), "*.htm;*.txt;\r\n<x>");
    o.EnableComment = true;
    ScanSession s;
    CreateCatalog(o, s);
    EXPECT_EQ(s.lines.line(10), ">Search *.htm;*.txt;???x?");

    std::vector<std::string> read;
    for (const std::string& line : body(s))
        read.push_back(CatalogTextToUtf8(line, DetectCatalogEncoding(line)));
    // Each line read by its own encoding shows the name and title right.
    ASSERT_EQ(read.size(), 4u);
    EXPECT_TRUE(read[0].ends_with(">Men\xC3\xBA del d\xC3\xAD"
                                  "a<"));
    EXPECT_TRUE(read[1].ends_with(">a b c <"));
    EXPECT_TRUE(read[2].starts_with(cat(d, "p/\xC3\xA9t\xC3\xA9.htm>")));
    EXPECT_TRUE(read[2].ends_with(">\xC3\xA9t\xC3\xA9<"));
}

TEST(Scan, TreesDeeperThanPathMaxAreCatalogued)
{
    TempDir d;
    const std::string part(200, 'd');
    int fd = open(d.path().c_str(), O_RDONLY | O_DIRECTORY);
    std::vector<int> chain{fd};
    for (int level = 0; level < 40; ++level) {
        ASSERT_EQ(mkdirat(chain.back(), part.c_str(), 0755), 0);
        chain.push_back(openat(chain.back(), part.c_str(), O_RDONLY | O_DIRECTORY));
    }
    int file = openat(chain.back(), "deep.txt", O_CREAT | O_WRONLY, 0644);
    ASSERT_EQ(write(file, "x", 1), 1);
    close(file);

    ScanSession s;
    CreateCatalog(options(d.path(), "*.txt"), s);
    ASSERT_EQ(body(s).size(), 1u);
    EXPECT_GT(body(s)[0].size(), std::size_t(PATH_MAX));
    EXPECT_TRUE(body(s)[0].starts_with(cat(d, part + "/" + part)));
    EXPECT_TRUE(s.problems.list.empty());

    // Paths this long cannot be removed by name: bottom up, by handle.
    unlinkat(chain.back(), "deep.txt", 0);
    for (std::size_t i = chain.size() - 1; i > 0; --i) {
        close(chain[i]);
        unlinkat(chain[i - 1], part.c_str(), AT_REMOVEDIR);
    }
    close(fd);
}

TEST(Scan, AFullCatalogSaysSoOnceToTheCallerAndKeepsItsLines)
{
    TempDir d;
    for (int dir = 0; dir < 3; ++dir)
        for (int i = 0; i < 10; ++i)
            d.write("f/" + std::to_string(dir) + "/" + std::to_string(i) + ".txt", "x");
    RecordingPrompter rec;
    ScanSession s;
    s.lines = CatalogBuffer(20);
    // The caller hears of it while the scan runs: no line is added after it.
    std::size_t linesWhenTold = 0;
    s.problems.onProblem = [&](const Problem&) { linesWhenTold = s.lines.count(); };
    CreateCatalog(options(d.file("f"), "*.*"), s);
    EXPECT_EQ(s.lines.count(), 20u);
    EXPECT_EQ(linesWhenTold, 20u);
    ASSERT_EQ(s.problems.list.size(), 1u);
    EXPECT_EQ(s.problems.list[0].item, d.file("f/0/9.txt")); // the first file left out
    const std::string box = ProblemBoxText(s.problems.list[0]);
    EXPECT_NE(box.find("Error 9: Subscript out of range"), std::string::npos);
    EXPECT_NE(box.find("modFindFile.GetFileInformation"), std::string::npos);
    EXPECT_NE(box.find("incomplete"), std::string::npos);
    EXPECT_TRUE(s.incomplete());
    EXPECT_TRUE(rec.boxes.empty()); // the scan itself shows nothing

    // Archive members that fill it push the disk's own files out.
    const std::string zip = ReadFileBytes(std::string(CORVANE_FIXTURES) + "/archives/sample.zip");
    d.write("z/a.zip", zip);
    d.write("z/b.zip", zip);
    d.write("z/c.txt", "x");
    ScanSession full;
    full.lines = CatalogBuffer(HeaderLineCount + 8);
    ScanOptions o = options(d.file("z"), "*.*");
    o.SearchZipContent = true;
    CreateCatalog(o, full);
    EXPECT_TRUE(full.incomplete());
    EXPECT_EQ(full.lines.count(), HeaderLineCount + 8);
    EXPECT_TRUE(ParseBodyLine(full.lines.line(HeaderLineCount + 8)).path.starts_with(cat(d, "z/b.zip") + "/"));
    EXPECT_EQ(full.problems.list.size(), 1u);

    ScanSession roomy;
    CreateCatalog(o, roomy);
    EXPECT_FALSE(roomy.incomplete());
}

TEST(Scan, ADamagedArchiveIsToldToTheCallerWhileTheScanWaitsAndTheScanGoesOn)
{
    TempDir d;
    std::string half = ReadFileBytes(std::string(CORVANE_FIXTURES) + "/archives/sample.zip");
    half.resize(half.size() / 2);
    d.write("z/a.txt", "x");
    const std::string damaged = d.write("z/half.zip", half);
    d.write("z/next.txt", "x");
    RecordingPrompter rec;
    ScanSession s;
    std::size_t linesWhenTold = 0;
    s.problems.onProblem = [&](const Problem&) { linesWhenTold = s.lines.count(); };
    ScanOptions o = options(d.file("z"), "*.*");
    o.SearchZipContent = true;
    o.EnableComment = true;
    CreateCatalog(o, s);

    // Read once for its members and its comment, so told once, in the words
    // its box always showed.
    ASSERT_EQ(s.problems.list.size(), 1u);
    EXPECT_EQ(s.problems.list[0].item, damaged);
    EXPECT_EQ(ProblemBoxText(s.problems.list[0]), damaged + ": Not a zip archive");
    EXPECT_EQ(linesWhenTold, HeaderLineCount + 1); // before the archive's own line
    const std::vector<std::string> lines = body(s);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(lines[1].starts_with(cat(d, "z/half.zip") + ">")) << lines[1];
    EXPECT_TRUE(lines[2].starts_with(cat(d, "z/next.txt") + ">")) << lines[2];
    EXPECT_TRUE(rec.boxes.empty());
}

TEST(HtmlTitle, OnlyThePagesFirstPartAndTheTitlesFirstKibsAreRead)
{
    TempDir d;
    Problems problems;
    auto title = [&](const std::string& name) { return TitleHTML(FileAt::Path(d.file(name)), problems); };
    // A huge page whose title never closes, and one whose title comes too late.
    int fd = open(d.write("huge.htm", "<title>never closed").c_str(), O_WRONLY);
    ASSERT_EQ(ftruncate(fd, off_t(1) << 30), 0);
    close(fd);
    EXPECT_EQ(title("huge.htm"), "");
    d.write("late.htm", std::string(TitleSearchLimit, ' ') + "<title>late</title>");
    EXPECT_EQ(title("late.htm"), "");
    // A long title is cut, never inside a character.
    std::string longTitle = "x" + std::string(TitleLengthLimit, '\xE9');
    for (std::size_t i = 1; i < longTitle.size(); ++i)
        longTitle[i] = i % 2 ? '\xC3' : '\xA9';
    d.write("long.htm", "<TITLE>" + longTitle + "</TITLE>");
    std::string got = title("long.htm");
    EXPECT_EQ(got, longTitle.substr(0, TitleLengthLimit - 1));
    // A closing tag split by nothing but itself, in any case.
    d.write("tag.htm", "<title>a </TiTlE> b</title>");
    EXPECT_EQ(title("tag.htm"), "a ");
    EXPECT_TRUE(problems.list.empty());
}

TEST(Scan, SaveFileReplacesAtomicallyAndReportsAFailure)
{
    TempDir d;
    CatalogBuffer lines;
    lines.append(">Fixed");
    lines.append("\\a>0 Kb/01/01/2000");
    Problems problems;
    ASSERT_TRUE(SaveFile(lines, d.file("c.dat"), problems));
    EXPECT_EQ(d.read("c.dat"), ">Fixed\r\n\\a>0 Kb/01/01/2000\r\n");
    EXPECT_TRUE(problems.list.empty());

    d.write("notadir", "x");
    EXPECT_FALSE(SaveFile(lines, d.file("notadir/c.dat"), problems));
    ASSERT_EQ(problems.list.size(), 1u);
    EXPECT_EQ(problems.list[0].item, d.file("notadir/c.dat"));
    EXPECT_NE(ProblemBoxText(problems.list[0]).find("in CorvaneDisk.modFindFile.SaveFile."), std::string::npos);
}

TEST(HtmlTitle, UnreadablePageIsAProblemNamingIt)
{
    Problems problems;
    EXPECT_EQ(TitleHTML(FileAt::Path("/nonexistent/page.htm"), problems), "");
    ASSERT_EQ(problems.list.size(), 1u);
    EXPECT_EQ(problems.list[0].item, "/nonexistent/page.htm");
    EXPECT_NE(ProblemBoxText(problems.list[0]).find("modFindFile.TitleHTML"), std::string::npos);
}
