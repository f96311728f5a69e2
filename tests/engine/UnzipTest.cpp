#include "tests/engine/ArchiveTestSupport.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include "engine/archive/Unzip.h"
#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CatalogPath.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {
class UnzipTest : public ::testing::Test {
protected:
    // The skin loader's road: extract mode with the start-up presets.
    void extract(const std::string& archive, const std::string& folder)
    {
        u.UnzipListOnly = false;
        u.UnzipShowComment = false;
        u.UnzipZipFile = archive;
        u.UnzipExtractDir = folder;
        UnzipRun(u);
    }

    // What the scan reads of a ZIP archive with comments on.
    std::optional<std::string> comment(const ArchiveFile& archive, bool members = false)
    {
        CatalogBuffer out;
        return ReadArchive(ArchiveKind::Zip, archive, out, problems, {members, true});
    }

    UnzipOptions u;
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

std::size_t CountMessages(const RecordingPrompter& p)
{
    std::size_t n = 0;
    for (const auto& b : p.boxes)
        n += b.kind == "message";
    return n;
}
} // namespace

TEST_F(UnzipTest, CommentModePrintsExactlyTheCommentWithCrLf)
{
    EXPECT_EQ(comment(ArchiveAt(ArchiveFixture("sample.zip"))), "Disk of 1998\r\nsecond line");
    EXPECT_EQ(comment(ArchiveAt(ArchiveFixture("nocomment.zip"))), std::nullopt);
    EXPECT_TRUE(problems.list.empty());
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(UnzipTest, MessageGrowsRunAfterRunAndKeepsItsTextWhenNothingIsPrinted)
{
    u.UnzipListOnly = true;
    u.UnzipShowComment = true;
    u.UnzipMessage = "before|";
    u.UnzipZipFile = ArchiveFixture("nocomment.zip");
    UnzipRun(u);
    EXPECT_EQ(u.UnzipMessage, "before|");
    u.UnzipZipFile = ArchiveFixture("sample.zip");
    UnzipRun(u);
    UnzipRun(u);
    EXPECT_EQ(u.UnzipMessage, "before|Disk of 1998\r\nsecond lineDisk of 1998\r\nsecond line");
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
    EXPECT_TRUE(ProblemBoxText(problems.list[0]).starts_with(damaged.file.path + ": ")) << problems.list[0].text;

    // Comments only: once again for this scan.
    EXPECT_EQ(comment(damaged), std::nullopt);
    EXPECT_EQ(problems.list.size(), 2u);
    // An empty file is no archive either.
    EXPECT_EQ(comment(ArchiveAt(dir.write("empty.zip", ""))), std::nullopt);
    EXPECT_EQ(problems.list.size(), 3u);
    EXPECT_TRUE(prompter.boxes.empty());

    // A run shows the report at once, in a plain box.
    u.UnzipListOnly = true;
    u.UnzipZipFile = damaged.file.path;
    UnzipRun(u);
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text, problems.list[0].text);
    EXPECT_EQ(prompter.boxes[0].title, "");
    EXPECT_EQ(prompter.boxes[0].icon, MsgIcon::None);
}

TEST_F(UnzipTest, ExtractRecreatesFoldersOrFlattensThem)
{
    u.UnzipHonorDirs = true;
    u.UnzipOverwriteAll = true;
    fs::create_directory(dir.file("tmp"));
    extract(ArchiveFixture("skin.zip"), dir.file("tmp"));
    EXPECT_EQ(dir.read("tmp/skin/skin.ini"), "[Skin]\r\nName=Test\r\n");
    EXPECT_EQ(dir.read("tmp/skin/img/back.bmp"), std::string(2048, 'i'));

    u.UnzipHonorDirs = false;
    fs::create_directory(dir.file("flat"));
    extract(ArchiveFixture("skin.zip"), dir.file("flat"));
    EXPECT_EQ(dir.read("flat/skin.ini"), "[Skin]\r\nName=Test\r\n");
    EXPECT_EQ(dir.read("flat/back.bmp"), std::string(2048, 'i'));
    EXPECT_FALSE(fs::exists(dir.file("flat/skin")));
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(UnzipTest, ExistingFilesAreReplacedAsThePresetsSay)
{
    u.UnzipHonorDirs = true;
    u.OverwriteQuestionText = "Overwrite ";
    u.OverwriteTitleText = "Confirm";
    const std::string ini = dir.write("tmp/skin/skin.ini", "old");

    extract(ArchiveFixture("skin.zip"), dir.file("tmp")); // neither preset: kept, nobody asked
    EXPECT_EQ(dir.read("tmp/skin/skin.ini"), "old");
    EXPECT_TRUE(prompter.boxes.empty());

    u.UnzipPromptOverwrite = true; // the run before made back.bmp: two questions now
    prompter.answers = {false, false};
    extract(ArchiveFixture("skin.zip"), dir.file("tmp"));
    EXPECT_EQ(dir.read("tmp/skin/skin.ini"), "old");
    ASSERT_EQ(prompter.boxes.size(), 2u);
    EXPECT_EQ(prompter.boxes[0].text, "Overwrite " + ini + "?");
    EXPECT_EQ(prompter.boxes[0].title, "Confirm");
    EXPECT_EQ(prompter.boxes[0].icon, MsgIcon::Exclamation);

    prompter.answers = {true, false};
    extract(ArchiveFixture("skin.zip"), dir.file("tmp"));
    EXPECT_EQ(dir.read("tmp/skin/skin.ini"), "[Skin]\r\nName=Test\r\n");

    u.UnzipOverwriteAll = true;
    dir.write("tmp/skin/skin.ini", "old");
    extract(ArchiveFixture("skin.zip"), dir.file("tmp"));
    EXPECT_EQ(dir.read("tmp/skin/skin.ini"), "[Skin]\r\nName=Test\r\n");
    EXPECT_EQ(prompter.boxes.size(), 4u);
}

TEST_F(UnzipTest, PasswordIsAskedAgainAfterAWrongOneAndNeverAfterAnEmptyOne)
{
    u.PasswordPromptText = "Password:";
    fs::create_directory(dir.file("tmp"));
    prompter.inputs = {std::string("wrong"), std::string("secret")};
    extract(ArchiveFixture("secret.zip"), dir.file("tmp"));
    EXPECT_EQ(dir.read("tmp/b.bin"), std::string(3000, 'b'));
    ASSERT_EQ(prompter.boxes.size(), 2u);
    EXPECT_EQ(prompter.boxes[0].kind, "input");
    EXPECT_EQ(prompter.boxes[0].text, "Password:");

    fs::remove(dir.file("tmp/b.bin"));
    prompter.boxes.clear();
    prompter.inputs = {std::string("")};
    extract(ArchiveFixture("secret.zip"), dir.file("tmp"));
    EXPECT_TRUE(u.UnzipSkipPassword);
    EXPECT_FALSE(fs::exists(dir.file("tmp/b.bin")));
    ASSERT_EQ(prompter.boxes.size(), 2u); // the prompt, then the report
    EXPECT_EQ(prompter.boxes[1].kind, "message");

    prompter.boxes.clear();
    extract(ArchiveFixture("secret.zip"), dir.file("tmp"));
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].kind, "message");
}

TEST_F(UnzipTest, ExtractionNeverWritesOutsideItsFolder)
{
    u.UnzipHonorDirs = true;
    u.UnzipOverwriteAll = true;
    fs::create_directories(dir.file("out/target"));
    fs::create_directories(dir.file("out/elsewhere"));
    const std::string victim = dir.write("out/elsewhere/victim.txt", "keep");
    fs::create_directory_symlink(dir.file("out/elsewhere"), dir.file("out/target/link"));
    fs::create_directories(dir.file("out/target/ok"));
    fs::create_symlink(victim, dir.file("out/target/ok/fine.txt"));

    const std::string archive = dir.file("hostile.zip");
    WriteZip(archive, {{"../escape.txt", "x"},
                       {"a/../../escape2.txt", "x"},
                       {dir.file("out/abs.txt"), "x"},
                       {"link/victim.txt", "x"},
                       {"ok/fine.txt", "fine"},
                       {"./dot//name.txt", "dot"}});
    extract(archive, dir.file("out/target"));

    EXPECT_EQ(ReadFileBytes(victim), "keep");
    EXPECT_FALSE(fs::exists(dir.file("escape.txt")));
    EXPECT_FALSE(fs::exists(dir.file("out/escape.txt")));
    EXPECT_FALSE(fs::exists(dir.file("out/escape2.txt")));
    EXPECT_FALSE(fs::exists(dir.file("out/abs.txt")));
    // The link at the file's place is replaced, not followed.
    EXPECT_FALSE(fs::is_symlink(dir.file("out/target/ok/fine.txt")));
    EXPECT_EQ(dir.read("out/target/ok/fine.txt"), "fine");
    EXPECT_EQ(dir.read("out/target/dot/name.txt"), "dot");

    ASSERT_EQ(CountMessages(prompter), 1u);
    const std::string& report = prompter.boxes.back().text;
    for (const char* refused : {"../escape.txt", "a/../../escape2.txt", "abs.txt", "link/victim.txt"})
        EXPECT_NE(report.find(refused), std::string::npos) << refused;
    EXPECT_EQ(report.find("ok/fine.txt"), std::string::npos);

    // Listing such an archive only writes text.
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
