#include "engine/search/FindWordOnFile.h"
#include "engine/rewrite/CatalogRewrite.h"
#include "engine/search/LibrarySearch.h"
#include "platform/text/Encoding.h"
#include "platform/text/TextCase.h"
#include "tests/engine/ExpressionOnText.h"
#include "tests/engine/TempLibrary.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
std::string header(std::string_view driveType)
{
    return ">" + std::string(driveType) + std::string(kTestHeader.substr(kTestHeader.find("\r\n")));
}

// "Name|Dir|kind" of each row.
std::vector<std::string> rows(const std::vector<FindHit>& hits)
{
    std::vector<std::string> out;
    for (const FindHit& h : hits)
        out.push_back(h.Row.File + "|" + h.Row.Directory + "|" +
                      (h.Kind == HitKind::File     ? "file"
                       : h.Kind == HitKind::Member ? "member"
                                                   : "folder"));
    return out;
}

void append(std::vector<FindHit>& all, std::vector<FindHit>&& batch)
{
    EXPECT_FALSE(batch.empty());
    std::move(batch.begin(), batch.end(), std::back_inserter(all));
}

class Search : public ::testing::Test {
protected:
    std::string folder() const { return dir.path() + "/"; }
    void catalog(std::string_view name, std::string_view body, std::string_view type = "Fixed")
    {
        dir.write(name, header(type) + std::string(body));
    }
    std::vector<FindHit> find(std::string_view name, std::string_view expression, std::string_view filter = "*.*",
                              std::optional<std::string> type = std::nullopt)
    {
        std::vector<FindHit> all;
        FindWordOnFile(folder() + std::string(name), FindQuery(expression, type, filter), session,
                       [&](std::vector<FindHit>&& hits) { append(all, std::move(hits)); });
        return all;
    }
    // Every row of a whole search, and the catalogs in the order searched.
    std::vector<FindHit> run(FindRequest request, std::vector<std::string>* order = nullptr,
                             const std::function<void(const FindProgress&)>& after = {})
    {
        request.LibraryFolder = folder();
        std::vector<FindHit> all;
        RunFind(
            request, session, [&](std::vector<FindHit>&& hits) { append(all, std::move(hits)); },
            [&](const FindProgress& p) {
                if (order)
                    order->push_back(p.catalog);
                if (after)
                    after(p);
            });
        return all;
    }

    // The error box texts of the problems told so far, in order.
    std::vector<std::string> boxes() const
    {
        std::vector<std::string> out;
        for (const Problem& p : session.problems.list)
            out.push_back(ProblemBoxText(p));
        return out;
    }

    TempDir dir;
    FindSession session;
    Problems problems; // of the comment changes
};

const std::string kTypes = "\\data\\setup.exe>1 Kb/01/02/2003\r\n"
                           "\\data\\old\\SETUP.EXE>2 Kb/01/02/2003\r\n"
                           "\\data\\readme>3 Kb/01/02/2003\r\n"
                           "\\data\\archive.zip/tool.exe>4 Kb/01/02/2003>Found in zipfile :archive.zip<\r\n"
                           "\\data\\tools.exe/readme.txt>5 Kb/01/02/2003><\r\n"
                           "\\data\\archive.zip/docs\\>0 Kb/01/02/2003><\r\n"
                           "\\data\\tools.exe/docs\\>0 Kb/01/02/2003><\r\n"
                           "\\data\\a.ex>6 Kb/01/02/2003\r\n"
                           "\\data\\v1.2\\notes>7 Kb/01/02/2003\r\n";
} // namespace

TEST_F(Search, RowsOfFilesMembersAndFolderEntries)
{
    catalog("c.dat", kTypes);
    using V = std::vector<std::string>;
    EXPECT_EQ(rows(find("c.dat", "")),
              (V{"setup.exe|\\data\\|file", "SETUP.EXE|\\data\\old\\|file", "readme|\\data\\|file",
                 "tool.exe|\\data\\archive.zip|member", "readme.txt|\\data\\tools.exe|member",
                 "docs\\|\\data\\archive.zip|folder", "docs\\|\\data\\tools.exe|folder", "a.ex|\\data\\|file",
                 "notes|\\data\\v1.2\\|file"}));
    // A member passes on its own name or its archive's, a folder entry on its
    // archive's, which then stands in the row.
    EXPECT_EQ(rows(find("c.dat", "", "*.exe")),
              (V{"setup.exe|\\data\\|file", "SETUP.EXE|\\data\\old\\|file", "tool.exe|\\data\\archive.zip|member",
                 "readme.txt|\\data\\tools.exe|member", "tools.exe|\\data\\|folder"}));
    EXPECT_EQ(rows(find("c.dat", "", " *.ZIP ; *.txt")),
              (V{"tool.exe|\\data\\archive.zip|member", "readme.txt|\\data\\tools.exe|member",
                 "archive.zip|\\data\\|folder"}));
    EXPECT_EQ(rows(find("c.dat", "", "*.*;*.zip")).size(), 9u);
    EXPECT_EQ(rows(find("c.dat", "", "read*")), (V{"readme|\\data\\|file", "readme.txt|\\data\\tools.exe|member"}));
    EXPECT_TRUE(find("c.dat", "", "").empty());
    EXPECT_EQ(session.HitCount, 9 + 5 + 3 + 9 + 2);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Search, HitCarriesShownValuesKeyAndIconName)
{
    catalog("c.dat", kTypes + "\\data\\b.txt>12 Kb/31/12/1999>two\x01lines > kept<\r\n");
    std::vector<FindHit> hits = find("c.dat", "lines");
    ASSERT_EQ(hits.size(), 1u);
    const FindHit& h = hits[0];
    EXPECT_EQ(h.Row.File, "b.txt");
    EXPECT_EQ(h.Row.Directory, "\\data\\");
    EXPECT_EQ(h.Row.Size, "12 Kb");
    EXPECT_EQ(h.Row.Date, "31/12/1999");
    EXPECT_EQ(h.Row.DiskID, "c.dat");
    EXPECT_EQ(h.Row.Comment, "two\r\nlines > kept");
    EXPECT_EQ(h.Key, "\\data\\b.txt>12 Kb/31/12/1999");
    EXPECT_EQ(h.IconName, "b.txt");

    hits = find("c.dat", "docs", "*.exe");
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].Key, "\\data\\tools.exe/docs\\>0 Kb/01/02/2003");
    EXPECT_EQ(hits[0].IconName, "tools.exe");
    hits = find("c.dat", "tool.exe");
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].Key, "\\data\\archive.zip/tool.exe>4 Kb/01/02/2003");
    EXPECT_EQ(hits[0].IconName, "tool.exe");
    EXPECT_EQ(hits[0].Row.Comment, "Found in zipfile :archive.zip");
}

TEST_F(Search, EveryPartOfTheLineIsSearchedWithoutRegardToCase)
{
    catalog("c.dat", kTypes + "\r\n\\data\\z>1 Kb/09/09/2009>Holiday<\n");
    const std::pair<const char*, std::size_t> counts[] = {
        {"KB", 10},   {"kb", 10},        {"2009", 1},  {"HOLIDAY", 1},
        {".exe>", 3}, {"setup -old", 1}, {"fixed", 0}, // the header is no row
    };
    for (const auto& [expression, count] : counts)
        EXPECT_EQ(find("c.dat", expression).size(), count) << expression;
}

TEST_F(Search, LettersBeyondAsciiInBothEncodings)
{
    // Windows-1252: "\xC9" is É, "\xE9" é. UTF-8: "\xC3\x89" É, "\xC3\xA9" é.
    catalog("old.dat", "\\d\\\xC9"
                       "COLE.txt>1 Kb/01/02/2003>caf\xE9<\r\n"
                       "\\d\\plain.txt>1 Kb/01/02/2003\r\n");
    catalog("new.dat", "\\d\\\xC3\x89t\xC3\xA9.txt>1 Kb/01/02/2003\r\n"
                       "\\d\\ecole.txt>1 Kb/01/02/2003\r\n");
    std::vector<FindHit> hits = find("old.dat", "\xC3\xA9"
                                                "cole");
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].Row.File, "\xC3\x89"
                                "COLE.txt");
    EXPECT_EQ(hits[0].Row.Comment, "caf\xC3\xA9");
    EXPECT_EQ(hits[0].Key, "\\d\\\xC9"
                           "COLE.txt>1 Kb/01/02/2003"); // the line's own bytes
    // An expression typed in Windows-1252 reads as such ("\xE9t\xE9").
    const std::pair<const char*, const char*> found[] = {
        {"old.dat", "CAF\xC3\x89"}, {"old.dat", "\xC3\x89"}, {"new.dat", "\xC3\x89T\xC3\x89"},
        {"new.dat", "\xC3\xA9"},    {"new.dat", "ecole"},    {"new.dat", "\xE9t\xE9"},
    };
    for (const auto& [catalogName, expression] : found)
        EXPECT_EQ(find(catalogName, expression).size(), 1u) << expression;
}

TEST_F(Search, HitLimitSpansTheCatalogsOfOneSearch)
{
    std::string body;
    for (int i = 0; i < 350; ++i)
        body += "\\d\\match" + std::to_string(i) + ".txt>1 Kb/01/02/2003\r\n\\d\\other.txt>1 Kb/01/02/2003\r\n";
    catalog("a.dat", body);
    catalog("b.dat", body);
    FindRequest request;
    request.Expression = "match";

    session.MaxHit = 500;
    std::vector<FindHit> hits = run(request);
    ASSERT_EQ(hits.size(), 500u);
    EXPECT_EQ(session.HitCount, 500);
    EXPECT_TRUE(session.limitReached());
    EXPECT_EQ(hits[350].Row.DiskID, "b.dat");
    EXPECT_EQ(hits[499].Row.File, "match149.txt");

    session.HitCount = 0;
    session.IgnoreMaxHit = true;
    EXPECT_EQ(run(request).size(), 700u);
    EXPECT_FALSE(session.limitReached());

    session.HitCount = 0;
    session.IgnoreMaxHit = false;
    session.MaxHit = 0;
    EXPECT_TRUE(run(request).empty());
    // Nothing is opened at the limit: a missing catalog goes unnoticed.
    EXPECT_TRUE(find("missing.dat", "match").empty());
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Search, DiskTypeComparedExactly)
{
    catalog("cd.dat", "\\a.txt>1 Kb/01/02/2003\r\n", "Cd-Rom");
    catalog("lower.dat", "\\a.txt>1 Kb/01/02/2003\r\n", "fixed");
    catalog("fixed.dat", "\\a.txt>1 Kb/01/02/2003\r\n", "Fixed");
    FindRequest request;
    request.DriveType = "Fixed";
    std::vector<FindHit> hits = run(request);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].Row.DiskID, "fixed.dat");
    request.DriveType.reset();
    EXPECT_EQ(run(request).size(), 3u);
    request.DriveType = "";
    EXPECT_TRUE(run(request).empty());
}

TEST_F(Search, CatalogsInByteOrderAndBadOnesReportedOnce)
{
    const std::string line = "\\a.txt>1 Kb/01/02/2003\r\n";
    catalog("b.dat", line);
    catalog("A.DAT", line);
    catalog("e.Dat", line);
    catalog("f.dat", line);
    dir.write("c.dat", std::string("PK\x03\x04\0\0binary", 12));
    dir.write("d.dat.txt", header("Fixed") + line);
    dir.write("short.dat", ">Fixed\r\n>Serial 1\r\n>Volume x\r\n");
    dir.write("empty.dat", "");
    std::filesystem::create_directory(dir.file("folder.dat"));

    std::vector<std::string> order;
    std::vector<std::size_t> searchedWhenTold; // the caller hears of each while the search runs
    session.problems.onProblem = [&](const Problem&) { searchedWhenTold.push_back(order.size()); };
    std::vector<FindHit> hits = run(FindRequest{}, &order, [&](const FindProgress& p) {
        if (p.catalog == "b.dat") // vanishes while the search runs
            std::filesystem::remove(dir.file("e.Dat"));
    });
    EXPECT_EQ(order, (std::vector<std::string>{"A.DAT", "b.dat", "c.dat", "e.Dat", "empty.dat", "f.dat", "short.dat"}));
    EXPECT_EQ(searchedWhenTold, (std::vector<std::size_t>{2, 3}));
    ASSERT_EQ(hits.size(), 3u);
    EXPECT_EQ(hits[2].Row.DiskID, "f.dat");
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(session.problems.list[0].item, dir.file("c.dat"));
    EXPECT_EQ(session.problems.list[1].item, dir.file("e.Dat"));
    EXPECT_NE(boxes()[0].find("Error 321"), std::string::npos);
    EXPECT_NE(boxes()[0].find("c.dat"), std::string::npos);
    EXPECT_NE(boxes()[0].find("modFindText.FindWordOnFile"), std::string::npos);
    EXPECT_NE(boxes()[1].find("Error 53"), std::string::npos);
}

TEST_F(Search, OneCatalogByNameAndStop)
{
    catalog("a.dat", "\\a.txt>1 Kb/01/02/2003\r\n");
    catalog("b.dat", "\\b.txt>1 Kb/01/02/2003\r\n");
    FindRequest request;
    request.Catalog = "b.dat";
    std::vector<FindHit> hits = run(request);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].Row.File, "b.txt");

    for (const char* bad : {"../b.dat", "gone.dat"}) {
        request.Catalog = bad;
        EXPECT_TRUE(run(request).empty());
    }
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_NE(boxes()[0].find("Error 52"), std::string::npos);
    EXPECT_NE(boxes()[1].find("Error 53"), std::string::npos);

    std::vector<std::string> order;
    run(FindRequest{}, &order, [&](const FindProgress&) { session.StopFind = true; });
    EXPECT_EQ(order, std::vector<std::string>{"a.dat"});
}

TEST_F(Search, OverLongLineIsReportedAndRowsBeforeItStay)
{
    std::string body = "\\a.txt>1 Kb/01/02/2003\r\n" + std::string(20 << 20, 'x') + "\r\n\\a2.txt>1 Kb/01/02/2003\r\n";
    catalog("big.dat", body);
    std::vector<FindHit> hits = find("big.dat", "a");
    ASSERT_EQ(hits.size(), 1u);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_NE(boxes()[0].find("too long"), std::string::npos);
}

// The search looks only at lines that hold a word; over many blocks, both
// encodings, blank lines and both line ends, it must find exactly the lines a
// plain line-by-line test finds.
TEST_F(Search, SameRowsAsALineByLineTest)
{
    std::string body;
    const char* names[] = {
        "IMG_", "Caf\xC3\xA9_", "caf\xE9_", "\xC3\x89t\xC3\xA9 ", "holiday ", "\xE6\x97\xA5\xE6\x9C\xAC", "a b_"};
    for (int i = 0; i < 30000; ++i) {
        body += "\\photos\\" + std::to_string(2000 + i % 7) + "\\" + names[i % 7] + std::to_string(i) + ".jpg>" +
                std::to_string(i % 900) + " Kb/01/02/2003";
        if (i % 5 == 0)
            body += ">note \x01" + std::string(i % 3 ? "A B" : "zip") + "<";
        body += i % 11 == 0 ? "\n" : i % 13 == 0 ? "\r\n\r\n" : "\r\n";
    }
    body += "\\last\\IMG_end.jpg>1 Kb/01/02/2003"; // no line end
    catalog("big.dat", body);

    // Each body line lowered as text, with its key (its own bytes).
    std::vector<std::pair<std::string, std::string>> lines;
    std::string_view all = body;
    for (std::size_t start = 0; start < all.size();) {
        std::size_t nl = std::min(all.find('\n', start), all.size());
        std::string_view line = all.substr(start, nl - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        std::string utf8 = BytesToUtf8(line);
        if (!line.empty())
            lines.emplace_back(LowerText(utf8), line.substr(0, line.find('>', line.find('>') + 1)));
        start = nl + 1;
    }
    session.IgnoreMaxHit = true;
    for (const char* expression : {"img_1", "IMG_end", "-img", "\xC3\xA9", "caf \xC3\xA9t", "\"a b\"+2003", "kb-jpg",
                                   "holiday+2004", "\xC3\x89T\xC3\x89 -zip", "\xE6\x97\xA5", "zzz",
                                   "+\"note \x01"
                                   "a\"",
                                   ""}) {
        SCOPED_TRACE(expression);
        const SearchExpr lowered(LowerText(BytesToUtf8(expression)));
        std::vector<std::string> expected;
        for (const auto& [text, key] : lines)
            if (ExpressionOnText(lowered, text))
                expected.push_back(key);
        std::vector<std::string> keys;
        for (const FindHit& h : find("big.dat", expression))
            keys.push_back(h.Key);
        EXPECT_EQ(keys, expected);
    }
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Search, HandMadeCatalogOfMixedEncodingsStrayLinesAndCommentsWithMarks)
{
    TempLibrary lib;
    // Windows-1252 ("\xE9" é) and UTF-8 lines in one file, a comment holding
    // "<", a line of blanks, stray text and a path from a Windows disk.
    const std::string body = "\\d\\na\xEFve.txt>1 Kb/01/02/2003>old note<\r\n"
                             "\\d\\caf\xC3\xA9.txt>1 Kb/01/02/2003>version a<b ok<\r\n"
                             "     \r\n"
                             "garbage line without separators\r\n"
                             "C:\\Docs\\plan.txt>4 Kb/05/06/2007\r\n";
    lib.catalog("m.dat", std::string(kTestHeader) + body);
    std::vector<FindHit> hits;
    FindWordOnFile(lib.file("dat/m.dat"), FindQuery("", std::nullopt, "*.*"), session,
                   [&](std::vector<FindHit>&& batch) { append(hits, std::move(batch)); });
    ASSERT_EQ(rows(hits), (std::vector<std::string>{"na\xC3\xAFve.txt|\\d\\|file", "caf\xC3\xA9.txt|\\d\\|file",
                                                    "plan.txt|C:\\Docs\\|file"}));
    EXPECT_EQ(session.HitCount, 3);
    EXPECT_EQ(hits[0].Row.Comment, "old note");
    EXPECT_EQ(hits[1].Row.Comment, "version a<b ok");
    EXPECT_EQ(hits[2].Key, "C:\\Docs\\plan.txt>4 Kb/05/06/2007");
    // The stray line is told once for the catalog; the blank one is no news.
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_NE(boxes()[0].find("Error 321"), std::string::npos);
    EXPECT_NE(boxes()[0].find("(1 lines are no catalog lines"), std::string::npos);
    EXPECT_NE(boxes()[0].find("modFindText.FindWordOnFile"), std::string::npos);

    // Each row's key names its own line, whatever that line's encoding.
    ASSERT_EQ(ChangeComment("m.dat", hits[1].Key, "new <one>", problems), CommentChange::Written);
    ASSERT_EQ(ChangeComment("m.dat", hits[0].Key, "\xC3\xA9t\xC3\xA9", problems), CommentChange::Written);
    EXPECT_EQ(lib.catalogText("m.dat"), std::string(kTestHeader) +
                                            "\\d\\na\xEFve.txt>1 Kb/01/02/2003>\xE9t\xE9<\r\n"
                                            "\\d\\caf\xC3\xA9.txt>1 Kb/01/02/2003>new ?one?<\r\n" +
                                            body.substr(body.find("     ")));
}

TEST_F(Search, NamesThatReadAlikeInTwoEncodingsKeepKeysOfTheirOwnBytes)
{
    // A UTF-8 "é.txt" and a Latin-1 one ("\xE9") on one Linux disk: both
    // rows read "é.txt", each key names its own line.
    TempLibrary lib;
    const std::string utf8Line = "\\d\\\xC3\xA9.txt>1 Kb/01/02/2003";
    const std::string latinLine = "\\d\\\xE9.txt>1 Kb/01/02/2003";
    lib.catalog("t.dat", std::string(kTestHeader) + utf8Line + "\r\n" + latinLine + "\r\n");
    std::vector<FindHit> hits;
    FindWordOnFile(lib.file("dat/t.dat"), FindQuery("txt", std::nullopt, "*.*"), session,
                   [&](std::vector<FindHit>&& batch) { append(hits, std::move(batch)); });
    ASSERT_EQ(rows(hits), (std::vector<std::string>{"\xC3\xA9.txt|\\d\\|file", "\xC3\xA9.txt|\\d\\|file"}));
    EXPECT_EQ(hits[0].Key, utf8Line);
    EXPECT_EQ(hits[1].Key, latinLine);

    ASSERT_EQ(ChangeComment("t.dat", hits[1].Key, "latin", problems), CommentChange::Written);
    ASSERT_EQ(ChangeComment("t.dat", hits[0].Key, "utf", problems), CommentChange::Written);
    EXPECT_EQ(lib.catalogText("t.dat"), std::string(kTestHeader) + utf8Line + ">utf<\r\n" + latinLine + ">latin<\r\n");
    EXPECT_TRUE(boxes().empty());
}
