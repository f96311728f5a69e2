// The listers' names and sizes (and ZIP dates) against what the real tools
// list, where those tools are installed.
#include "tests/engine/ArchiveTestSupport.h"

#include "engine/catalog/CatalogLine.h"
#include "engine/text/StringHelpers.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <set>
#include <sstream>
#include <tuple>

namespace {
using Members = std::set<std::pair<std::string, std::uint64_t>>; // name with "/", KB

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

// Members of 1 KB or more (smaller files and folders are left out on both
// sides: the kinds differ in whether they list them).
// row: a member's line in the tool's listing, its size and its name.
Members FromTool(const std::string& output, const std::regex& row)
{
    Members m;
    std::istringstream in(output);
    std::string line;
    std::smatch match;
    while (std::getline(in, line))
        if (std::regex_match(line, match, row)) {
            if (const std::uint64_t kb = SizeRound(std::stoull(match[1])))
                m.insert({match[2], kb});
        }
    return m;
}

Members FromLister(const std::string& fixture)
{
    Members m;
    for (const std::string& line : ListArchive(ArchiveFixture(fixture)).lines) {
        BodyLine b = ParseBodyLine(line);
        std::string name(b.memberPath());
        for (char& c : name)
            if (c == '\\')
                c = '/';
        const std::uint64_t kb = std::stoull(std::string(b.sizeAndUnit())); // the number before " Kb"
        if (kb != 0)
            m.insert({name, kb});
    }
    return m;
}

// "arj v" names a member on one line and gives its sizes on the next.
Members FromArj(const std::string& output)
{
    Members m;
    std::istringstream in(output);
    std::string line;
    std::smatch match;
    const std::regex nameRow(R"(^\d{3}\) (.*)$)");
    const std::regex sizeRow(R"(^\s*\d+\s+\S+\s+(\d+)\s+\d+\s.*$)");
    std::string name;
    while (std::getline(in, line)) {
        if (std::regex_match(line, match, nameRow))
            name = match[1];
        else if (!name.empty() && std::regex_match(line, match, sizeRow)) {
            if (const std::uint64_t kb = SizeRound(std::stoull(match[1])))
                m.insert({name, kb});
            name.clear();
        }
    }
    return m;
}

const std::regex BsdtarRow(R"(^\S+\s+\d+\s+\S+\s+\S+\s+(\d+)\s+\S+\s+\d+\s+\S+\s(.*)$)");
const std::regex ZipinfoRow(R"(^-\S*\s+\S+\s+\S+\s+(\d+)\s+\S+\s+\S+\s+\S+\s+\S+\s(.*)$)");
const std::regex CabextractRow(R"(^\s*(\d+) \| [^|]* \| (.*)$)");

// A ZIP member as zipinfo -T and the lister give it: name with "/", KB,
// date as the catalog writes it. zipinfo shows a control byte c as ^ and
// c + 64; folders are left out, as the lister leaves them out.
using ZipRow = std::tuple<std::string, std::uint64_t, std::string>;

std::vector<ZipRow> FromZipinfo(const std::string& fixture)
{
    const std::regex row(R"(^-\S*\s+\S+\s+\S+\s+(\d+)\s+\S+\s+\S+\s+(\d{4})(\d\d)(\d\d)\.\d{6}\s(.*)$)");
    std::vector<ZipRow> rows;
    std::istringstream in(RunTool("zipinfo -T '" + ArchiveFixture(fixture) + "'"));
    std::string line;
    std::smatch m;
    while (std::getline(in, line))
        if (std::regex_match(line, m, row))
            rows.emplace_back(m[5], SizeRound(std::stoull(m[1])), m[4].str() + "/" + m[3].str() + "/" + m[2].str());
    return rows;
}

std::vector<ZipRow> FromZipLister(const std::string& fixture)
{
    std::vector<ZipRow> rows;
    const Listed listed = ListArchive(ArchiveFixture(fixture));
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
        rows.emplace_back(name, std::stoull(std::string(b.sizeAndUnit())), std::string(b.dateText()));
    }
    return rows;
}

void ExpectToolAgrees(const std::string& command, const std::regex& row, std::initializer_list<const char*> fixtures)
{
    for (const char* fixture : fixtures) {
        SCOPED_TRACE(fixture);
        const Members tool = FromTool(RunTool(command + " '" + ArchiveFixture(fixture) + "'"), row);
        EXPECT_FALSE(tool.empty());
        EXPECT_EQ(FromLister(fixture), tool);
    }
}
} // namespace

TEST(ArchiveCrossCheck, NamesAndSizesMatchBsdtar)
{
    if (!ToolInstalled("bsdtar"))
        GTEST_SKIP() << "bsdtar is not installed";
    ExpectToolAgrees("bsdtar -tvf", BsdtarRow,
                     {"sample.zip", "skin.zip", "sample4.rar", "comment2.rar", "large4.rar", "packedcomment4.rar",
                      "sample5.rar", "sample.lzh", "large.lzh", "sample.cab"});
}

TEST(ArchiveCrossCheck, NamesAndSizesMatchUnzip)
{
    if (!ToolInstalled("unzip"))
        GTEST_SKIP() << "unzip is not installed";
    ExpectToolAgrees("unzip -Z", ZipinfoRow, {"sample.zip", "nocomment.zip", "skin.zip"});
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
        const std::vector<ZipRow> tool = FromZipinfo(fixture);
        EXPECT_FALSE(tool.empty());
        EXPECT_EQ(FromZipLister(fixture), tool);
    }
}

TEST(ArchiveCrossCheck, NamesAndSizesMatchCabextract)
{
    if (!ToolInstalled("cabextract"))
        GTEST_SKIP() << "cabextract is not installed";
    ExpectToolAgrees("cabextract -l", CabextractRow, {"sample.cab", "middle.cab"});
}

TEST(ArchiveCrossCheck, NamesAndSizesMatchArj)
{
    if (!ToolInstalled("arj"))
        GTEST_SKIP() << "arj is not installed";
    const Members tool = FromArj(RunTool("arj v '" + ArchiveFixture("sample.arj") + "'"));
    EXPECT_EQ(tool.size(), 2u);
    EXPECT_EQ(FromLister("sample.arj"), tool);
}
