#include "tests/engine/ArchiveTestSupport.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include "engine/archive/Unzip.h"
#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CatalogPath.h"

#include <gtest/gtest.h>
#include <zip.h>

namespace {
class UnzipTest : public ::testing::Test {
protected:
    // What the scan reads of a ZIP archive with comments on.
    std::optional<std::string> comment(const ArchiveFile& archive, bool members = false)
    {
        CatalogBuffer out;
        return ReadArchive(ArchiveKind::Zip, archive, out, problems, {members, true});
    }

    Problems problems;
    RecordingPrompter prompter;
    TempDir dir;
};

// A ZIP archive written by libzip with names no careful tool would store.
void WriteZip(const std::string& path, const std::vector<std::pair<std::string, std::string>>& members)
{
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(zip, nullptr);
    for (const auto& [name, data] : members) {
        zip_source_t* source = zip_source_buffer(zip, data.data(), data.size(), 0);
        ASSERT_GE(zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_RAW), 0) << name;
    }
    ASSERT_EQ(zip_close(zip), 0);
}

} // namespace

TEST_F(UnzipTest, CommentModePrintsExactlyTheCommentWithCrLf)
{
    EXPECT_EQ(comment(ArchiveAt(ArchiveFixture("sample.zip"))), "Disk of 1998\r\nsecond line");
    EXPECT_EQ(comment(ArchiveAt(ArchiveFixture("nocomment.zip"))), std::nullopt);
    EXPECT_TRUE(problems.list.empty());
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(UnzipTest, CommentGrowsReadAfterReadAndKeepsItsTextWhenThereIsNone)
{
    std::string message = "before|";
    EXPECT_TRUE(ReadZipArchive(FileAt::Path(ArchiveFixture("nocomment.zip")), nullptr, &message, problems));
    EXPECT_EQ(message, "before|");
    ReadZipArchive(FileAt::Path(ArchiveFixture("sample.zip")), nullptr, &message, problems);
    ReadZipArchive(FileAt::Path(ArchiveFixture("sample.zip")), nullptr, &message, problems);
    EXPECT_EQ(message, "before|Disk of 1998\r\nsecond lineDisk of 1998\r\nsecond line");
    EXPECT_TRUE(problems.list.empty());
}

TEST_F(UnzipTest, DamagedArchiveIsReportedOnceAndGetsNoComment)
{
    std::string half = ReadFileBytes(ArchiveFixture("sample.zip"));
    half.resize(half.size() / 2);
    const ArchiveFile damaged = ArchiveAt(dir.write("half.zip", half));

    // Both switches on: the archive is read once, so its damage is told once,
    // to the caller: libzip's report naming the archive.
    EXPECT_EQ(comment(damaged, true), std::nullopt);
    ASSERT_EQ(problems.list.size(), 1u);
    EXPECT_EQ(problems.list[0].item, damaged.file.path);
    EXPECT_EQ(ProblemBoxText(problems.list[0]), damaged.file.path + ": Not a zip archive");

    // Comments only: once again for this scan.
    EXPECT_EQ(comment(damaged), std::nullopt);
    EXPECT_EQ(problems.list.size(), 2u);
    // An empty file is no archive either.
    EXPECT_EQ(comment(ArchiveAt(dir.write("empty.zip", ""))), std::nullopt);
    EXPECT_EQ(problems.list.size(), 3u);
    // An end record that promises more members than its directory holds.
    std::string more = ReadFileBytes(ArchiveFixture("sample.zip"));
    const std::size_t end = more.rfind("PK\5\6");
    ASSERT_NE(end, std::string::npos);
    more[end + 8] = more[end + 10] = char(more[end + 10] + 1);
    const ArchiveFile inconsistent = ArchiveAt(dir.write("more.zip", more));
    EXPECT_EQ(comment(inconsistent, true), std::nullopt);
    ASSERT_EQ(problems.list.size(), 4u);
    EXPECT_EQ(ProblemBoxText(problems.list[3]), inconsistent.file.path + ": Zip archive inconsistent");
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(UnzipTest, NamesLeavingAFolderAreListedAsText)
{
    const std::string archive = dir.file("hostile.zip");
    WriteZip(archive, {{"../escape.txt", "x"},
                       {"a/../../escape2.txt", "x"},
                       {dir.file("out/abs.txt"), "x"},
                       {"link/victim.txt", "x"},
                       {"ok/fine.txt", "fine"},
                       {"./dot//name.txt", "dot"}});
    Listed listed = ListArchive(archive);
    ASSERT_EQ(listed.lines.size(), 6u);
    EXPECT_EQ(ParseBodyLine(listed.lines[0]).memberPath(), "..\\escape.txt");
    EXPECT_EQ(ParseBodyLine(listed.lines[2]).memberPath(), ToCatalogMemberPath(dir.file("out/abs.txt")));
}

TEST_F(UnzipTest, NamesAndDatesAsTheArchiveStoresThem)
{
    // Written through libzip with what other systems store: a name from
    // MS-DOS in its code page (0x82 is an e with an acute accent) holding a
    // control byte, and the impossible date 0; a name marked UTF-8; a name
    // from Unix as its file system gave it, with day and month 31/13.
    const std::string path = dir.file("stored.zip");
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(zip, nullptr);
    struct Member {
        const char* name;
        zip_flags_t encoding;
        zip_uint8_t host;
        zip_uint16_t dosDate;
    };
    const Member members[] = {
        {"caf\x82\x01.txt", ZIP_FL_ENC_CP437, ZIP_OPSYS_DOS, 0},
        {"\xE6\x97\xA5.txt", ZIP_FL_ENC_UTF_8, ZIP_OPSYS_DOS, (20 << 9) | (2 << 5) | 29},
        {"r\xC3\xA9sum\xC3\xA9.txt", ZIP_FL_ENC_RAW, ZIP_OPSYS_UNIX, (5 << 9) | (13 << 5) | 31},
    };
    for (const Member& m : members) {
        zip_source_t* source = zip_source_buffer(zip, "data", 4, 0);
        const zip_int64_t i = zip_file_add(zip, m.name, source, m.encoding);
        ASSERT_GE(i, 0) << m.name;
        zip_file_set_external_attributes(zip, zip_uint64_t(i), 0, m.host, 0);
    }
    ASSERT_EQ(zip_close(zip), 0);
    // libzip only writes dates it can normalise: the stored ones go in by hand,
    // into the local and the central header of each member.
    std::string bytes = ReadFileBytes(path);
    for (const auto& [signature, at] : {std::pair{std::string("PK\3\4"), 12}, std::pair{std::string("PK\1\2"), 14}}) {
        std::size_t p = 0;
        for (const Member& m : members) {
            p = bytes.find(signature, p);
            ASSERT_NE(p, std::string::npos);
            bytes[p + at] = char(m.dosDate & 0xFF);
            bytes[p + at + 1] = char(m.dosDate >> 8);
            p += 4;
        }
    }
    dir.write("stored.zip", bytes);

    std::vector<std::string> names, dates;
    for (const std::string& line : ListArchive(path).lines) {
        names.emplace_back(ParseBodyLine(line).memberPath());
        dates.emplace_back(ParseBodyLine(line).dateText());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"caf\xC3\xA9?.txt", "\xE6\x97\xA5.txt", "r\xC3\xA9sum\xC3\xA9.txt"}));
    // One rule for every lister: the stored fields as they stand.
    EXPECT_EQ(dates, (std::vector<std::string>{"00/00/1980", "29/02/2000", "31/13/1985"}));
    EXPECT_TRUE(prompter.boxes.empty());
}
