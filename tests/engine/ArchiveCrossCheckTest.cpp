// The listers' names, sizes and dates against what the real tools list, where
// those tools are installed: for the fixtures, and for archives of thousands
// of members made when the test runs, which reach past every buffer of the
// listers.
#include "tests/engine/ArchiveTestSupport.h"
#include "tests/support/TempDir.h"

#include "engine/catalog/CatalogLine.h"
#include "engine/text/StringHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <regex>
#include <sstream>

namespace {
// A member as a tool or the lister gives it: its name with "/", its size in
// KB and its date as the catalog writes it.
struct Row {
    std::string name;
    std::uint64_t kb = 0;
    std::string date;
    auto operator<=>(const Row&) const = default;
};
using Rows = std::vector<Row>;

std::ostream& operator<<(std::ostream& out, const Row& row)
{
    return out << row.name << ", " << row.kb << " Kb, " << row.date;
}

bool ToolInstalled(const std::string& tool)
{
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::string RunTool(const std::string& command)
{
    std::string out;
    if (FILE* p = popen(("LC_ALL=C.UTF-8 " + command + " 2>/dev/null").c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0)
            out.append(buf, n);
        pclose(p);
    }
    return out;
}

// dd/mm/yyyy from a tool's day, month (a number or an English abbreviation)
// and year (two digits stand for 1980 to 2079).
std::string CatalogDate(const std::string& day, const std::string& month, const std::string& year)
{
    static const std::string Months = "JanFebMarAprMayJunJulAugSepOctNovDec";
    std::string mm = month;
    if (const std::size_t at = Months.find(month); month.size() == 3 && at != std::string::npos)
        mm = std::to_string(101 + at / 3).substr(1);
    const std::string yyyy = year.size() == 2 ? (std::stoi(year) >= 80 ? "19" : "20") + year : year;
    return (day.size() == 1 ? "0" + day : day) + "/" + mm + "/" + yyyy;
}

Row ToolRow(const std::string& bytes, const std::string& name, const std::string& date)
{
    return {name, SizeRound(std::stoull(bytes)), date};
}

// How a tool lists a member on one line: the groups of its pattern that hold
// the size, the day, the month, the year and the name. The patterns take
// regular files only: the tools list folders, not every lister does.
struct ToolFormat {
    std::regex row;
    int size, day, month, year, name;
};

const ToolFormat Bsdtar{
    std::regex(R"(^-\S+\s+\d+\s+\S+\s+\S+\s+(\d+)\s+(\w{3})\s+(\d+)\s+(\d{4})\s(.*)$)"), 1, 3, 2, 4, 5};
const ToolFormat ZipinfoT{
    std::regex(R"(^-\S*\s+\S+\s+\S+\s+(\d+)\s+\S+\s+\S+\s+(\d{4})(\d\d)(\d\d)\.\d{6}\s(.*)$)"), 1, 4, 3, 2, 5};
const ToolFormat Cabextract{std::regex(R"(^\s*(\d+) \| (\d\d)\.(\d\d)\.(\d{4}) \S+ \| (.*)$)"), 1, 2, 3, 4, 5};

Rows FromTool(const std::string& output, const ToolFormat& format)
{
    Rows rows;
    std::istringstream in(output);
    std::string line;
    std::smatch m;
    while (std::getline(in, line))
        if (std::regex_match(line, m, format.row))
            rows.push_back(
                ToolRow(m[format.size], m[format.name], CatalogDate(m[format.day], m[format.month], m[format.year])));
    return rows;
}

// "arj v" names a member on one line and gives its size and date on the next.
Rows FromArj(const std::string& output)
{
    Rows rows;
    std::istringstream in(output);
    std::string line;
    std::smatch m;
    const std::regex nameRow(R"(^\d{3,}\) (.*)$)");
    const std::regex sizeRow(R"(^\s*\d+\s+\S+\s+(\d+)\s+\d+\s+\S+\s+(\d\d)-(\d\d)-(\d\d)\s.*$)");
    std::string name;
    while (std::getline(in, line)) {
        if (std::regex_match(line, m, nameRow))
            name = m[1];
        else if (!name.empty() && std::regex_match(line, m, sizeRow)) {
            rows.push_back(ToolRow(m[1], name, CatalogDate(m[4], m[3], m[2])));
            name.clear();
        }
    }
    return rows;
}

// The lister's rows, in its order. zipinfo shows a control byte c as ^ and
// c + 64; so do these rows.
Rows FromLister(const std::string& path, std::size_t window = ArchiveBytes::DefaultWindow)
{
    Rows rows;
    const Listed listed = ListArchive(path, {.window = window});
    EXPECT_TRUE(listed.problems.empty()) << ProblemBoxText(listed.problems.front());
    for (const std::string& line : listed.lines) {
        const BodyLine b = ParseBodyLine(line);
        std::string name;
        for (const char c : b.memberPath()) {
            if (c == '\\')
                name += '/';
            else if (std::uint8_t(c) < 0x20)
                name += {'^', char(c + 64)};
            else
                name += c;
        }
        rows.push_back({name, std::stoull(std::string(b.sizeAndUnit())), std::string(b.dateText())});
    }
    return rows;
}

// Members of 1 KB or more, sorted: smaller files and folders are left out,
// since the kinds differ in whether they list them.
Rows OfOneKbOrMore(Rows rows)
{
    std::erase_if(rows, [](const Row& row) { return row.kb == 0; });
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ExpectToolAgrees(const std::string& command, const ToolFormat& format, std::initializer_list<const char*> fixtures)
{
    for (const char* fixture : fixtures) {
        SCOPED_TRACE(fixture);
        const Rows tool = OfOneKbOrMore(FromTool(RunTool(command + " '" + ArchiveFixture(fixture) + "'"), format));
        EXPECT_FALSE(tool.empty());
        EXPECT_EQ(OfOneKbOrMore(FromLister(ArchiveFixture(fixture))), tool);
    }
}

// Archives of thousands of members, written when the test runs by the real
// tools and by our own writer (make-large-archive.sh), each listed through
// the default window and a tiny one.
class LargeArchives : public ::testing::Test {
protected:
    // The archive of count members of kind, named name.
    std::string make(const std::string& kind, int count, const std::string& name)
    {
        const std::string path = dir.file(name);
        EXPECT_TRUE(MakeLargeArchive(kind, count, path)) << kind;
        return path;
    }

    // The lister gives the tool's rows, in the tool's order, whatever its window.
    static void expectListedAs(const std::string& path, const Rows& tool, std::size_t members)
    {
        EXPECT_EQ(tool.size(), members);
        for (const std::size_t window : {ArchiveBytes::DefaultWindow, TinyWindow}) {
            SCOPED_TRACE("window " + std::to_string(window));
            const Rows listed = FromLister(path, window);
            EXPECT_EQ(listed.size(), tool.size());
            // Thousands of rows: only the first that differs is shown.
            const auto [l, t] = std::mismatch(listed.begin(), listed.end(), tool.begin(), tool.end());
            if (l != listed.end() && t != tool.end())
                ADD_FAILURE() << "row " << (l - listed.begin()) << ": listed " << *l << ", the tool lists " << *t;
        }
    }

    static bool toolsInstalled(std::initializer_list<const char*> tools)
    {
        return std::all_of(tools.begin(), tools.end(), [](const char* tool) { return ToolInstalled(tool); });
    }

    TempDir dir;
};
} // namespace

TEST(ArchiveCrossCheck, NamesSizesAndDatesMatchBsdtar)
{
    if (!ToolInstalled("bsdtar"))
        GTEST_SKIP() << "bsdtar is not installed";
    ExpectToolAgrees("bsdtar -tvf", Bsdtar,
                     {"sample.zip", "skin.zip", "sample4.rar", "comment2.rar", "large4.rar", "packedcomment4.rar",
                      "sample5.rar", "sample.lzh", "large.lzh", "sample.cab"});
}

TEST(ArchiveCrossCheck, NamesSizesAndDatesMatchUnzip)
{
    if (!ToolInstalled("unzip"))
        GTEST_SKIP() << "unzip is not installed";
    ExpectToolAgrees("unzip -Z -T", ZipinfoT, {"sample.zip", "nocomment.zip", "skin.zip"});
}

TEST(ArchiveCrossCheck, ZipMembersMatchZipinfoWithBytesAroundTheArchive)
{
    if (!ToolInstalled("zipinfo"))
        GTEST_SKIP() << "zipinfo is not installed";
    // Padding after the end record, a self-extractor's stub before the
    // archive with offsets as they were or adjusted by zip -A, the same
    // around a ZIP64 archive, names holding the ZIP64 end signatures.
    for (const char* fixture :
         {"sample.zip", "padded.zip", "prefixed.zip", "adjusted.zip", "prefixed64.zip", "signames.zip"}) {
        SCOPED_TRACE(fixture);
        const Rows tool = FromTool(RunTool("zipinfo -T '" + ArchiveFixture(fixture) + "'"), ZipinfoT);
        EXPECT_FALSE(tool.empty());
        EXPECT_EQ(FromLister(ArchiveFixture(fixture)), tool);
    }
}

TEST(ArchiveCrossCheck, NamesSizesAndDatesMatchCabextract)
{
    if (!ToolInstalled("cabextract"))
        GTEST_SKIP() << "cabextract is not installed";
    ExpectToolAgrees("cabextract -l", Cabextract, {"sample.cab", "middle.cab"});
}

TEST(ArchiveCrossCheck, NamesSizesAndDatesMatchArj)
{
    if (!ToolInstalled("arj"))
        GTEST_SKIP() << "arj is not installed";
    const Rows tool = OfOneKbOrMore(FromArj(RunTool("arj v '" + ArchiveFixture("sample.arj") + "'")));
    EXPECT_EQ(tool.size(), 2u);
    EXPECT_EQ(OfOneKbOrMore(FromLister(ArchiveFixture("sample.arj"))), tool);
}

TEST_F(LargeArchives, ZipDirectoriesPastTheWindowMatchZipinfo)
{
    if (!toolsInstalled({"zip", "zipinfo", "python3", "perl"}))
        GTEST_SKIP() << "zip, zipinfo, python3 or perl is not installed";
    // zip -r with its extra fields; Python's zipfile with member comments and
    // an archive comment of 65,530 bytes; ZIP64 records past 65,535 members.
    const std::tuple<const char*, int, const char*> archives[] = {
        {"zip", 2500, "zip-r.zip"}, {"pyzip", 3000, "zipfile.zip"}, {"zip64", 65600, "zip64.zip"}};
    for (const auto& [kind, count, name] : archives) {
        SCOPED_TRACE(name);
        const std::string path = make(kind, count, name);
        expectListedAs(path, FromTool(RunTool("zipinfo -T '" + path + "'"), ZipinfoT), std::size_t(count));
    }
}

TEST_F(LargeArchives, ZipCommentNearItsLongestReadsAsUnzipPrintsIt)
{
    if (!toolsInstalled({"unzip", "python3"}))
        GTEST_SKIP() << "unzip or python3 is not installed";
    const std::string path = make("pyzip", 3000, "zipfile.zip");
    // unzip -z prints the archive's name on a line of its own, then the
    // comment and a line break.
    std::string printed = RunTool("unzip -z '" + path + "'");
    printed.erase(0, printed.find('\n') + 1);
    ASSERT_TRUE(printed.ends_with('\n'));
    printed.pop_back();
    ASSERT_EQ(printed.size(), 65530u);
    const std::string expected = std::regex_replace(printed, std::regex("\n"), "\r\n");
    for (const std::size_t window : {ArchiveBytes::DefaultWindow, TinyWindow}) {
        SCOPED_TRACE("window " + std::to_string(window));
        const Listed listed = ListArchive(path, {.zipComment = true, .window = window});
        EXPECT_EQ(listed.comment, expected);
        EXPECT_EQ(listed.lines.size(), 3000u);
        EXPECT_TRUE(listed.problems.empty());
    }
}

TEST_F(LargeArchives, RarAndLzhArchivesMatchBsdtar)
{
    if (!toolsInstalled({"bsdtar", "perl"}))
        GTEST_SKIP() << "bsdtar or perl is not installed";
    for (const char* kind : {"rar4", "rar5", "lzh"}) {
        SCOPED_TRACE(kind);
        const std::string path = make(kind, 3000, std::string(kind) + (kind[0] == 'r' ? ".rar" : ".lzh"));
        expectListedAs(path, FromTool(RunTool("bsdtar -tvf '" + path + "'"), Bsdtar), 3000);
    }
}

TEST_F(LargeArchives, ArjArchiveMatchesArj)
{
    if (!toolsInstalled({"arj", "perl"}))
        GTEST_SKIP() << "arj or perl is not installed";
    const std::string path = make("arj", 2500, "many.arj");
    expectListedAs(path, FromArj(RunTool("arj v '" + path + "'")), 2500);
}

TEST_F(LargeArchives, CabinetMatchesCabextract)
{
    if (!toolsInstalled({"gcab", "cabextract", "perl"}))
        GTEST_SKIP() << "gcab, cabextract or perl is not installed";
    const std::string path = make("cab", 2500, "many.cab");
    expectListedAs(path, FromTool(RunTool("cabextract -l '" + path + "'"), Cabextract), 2500);
}
