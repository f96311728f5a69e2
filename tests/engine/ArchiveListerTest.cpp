#include "tests/engine/ArchiveTestSupport.h"
#include "tests/support/BytesReadSoFar.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include "engine/catalog/CatalogLine.h"

#include <gtest/gtest.h>

namespace {
using Lines = std::vector<std::string>;

struct Expected {
    const char* fixture;
    Lines lines;
    std::optional<std::string> comment;
};

// The member lines of every fixture, exactly; the archive sits in \disk\.
const std::vector<Expected>& ExpectedListings()
{
    static const std::vector<Expected> all = {
        {"sample.zip",
         {"\\disk\\sample.zip/docs\\readme.txt>2 Kb/05/03/1998>Found in zipfile :sample.zip<",
          "\\disk\\sample.zip/b.bin>3 Kb/31/12/2003>Found in zipfile :sample.zip<",
          "\\disk\\sample.zip/empty.txt>0 Kb/31/12/2003>Found in zipfile :sample.zip<",
          "\\disk\\sample.zip/future.txt>1 Kb/15/06/2085>Found in zipfile :sample.zip<",
          "\\disk\\sample.zip/caf\xC3\xA9.txt>0 Kb/31/12/2003>Found in zipfile :sample.zip<"},
         std::nullopt},
        {"sample4.rar",
         {"\\disk\\sample4.rar/docs\\a.txt>3 Kb/31/12/2003>Found in rarfile :sample4.rar<",
          "\\disk\\sample4.rar/caf\xC3\xA9.txt>1 Kb/04/07/1999>Found in rarfile :sample4.rar<"},
         "First line\r\nSecond line"},
        {"comment2.rar",
         {"\\disk\\comment2.rar/one.txt>2 Kb/03/02/2001>Found in rarfile :comment2.rar<"},
         "Old style comment"},
        {"large4.rar",
         {"\\disk\\large4.rar/big.iso>5242880 Kb/09/09/2009>Found in rarfile :large4.rar<"},
         std::nullopt},
        {"packedcomment4.rar",
         {"\\disk\\packedcomment4.rar/x.txt>2 Kb/04/04/2004>Found in rarfile :packedcomment4.rar<"},
         std::nullopt},
        {"locked4.rar", {}, std::nullopt},
        {"sample5.rar",
         {"\\disk\\sample5.rar/docs\\a.txt>3 Kb/31/12/2003>Found in rarfile :sample5.rar<",
          "\\disk\\sample5.rar/r\xC3\xA9sum\xC3\xA9.txt>2 Kb/01/01/2000>Found in rarfile :sample5.rar<"},
         "RAR 5 comment\r\nline two"},
        {"locked5.rar", {}, std::nullopt},
        {"unicode4.rar",
         {"\\disk\\unicode4.rar/\xE6\x97\xA5\xE6\x9C\xAC.txt>1 Kb/08/08/2008>Found in rarfile :unicode4.rar<",
          "\\disk\\unicode4.rar/caf\xC3\xA9.txt>2 Kb/01/01/2001>Found in rarfile :unicode4.rar<"},
         std::nullopt},
        {"old14.rar",
         {"\\disk\\old14.rar/README.TXT>2 Kb/15/06/1995>Found in rarfile :old14.rar<",
          "\\disk\\old14.rar/DOCS\\CAF\xC3\xA9.TXT>2 Kb/02/01/1996>Found in rarfile :old14.rar<"},
         "Old disk"},
        {"sample.ace",
         {"\\disk\\sample.ace/docs\\>0 Kb/05/03/1998>Found in acefile : sample.ace<",
          "\\disk\\sample.ace/docs\\readme.txt>2 Kb/05/03/1998>Found in acefile : sample.ace<",
          "\\disk\\sample.ace/docs\\sub>0 Kb/05/03/1998>Found in acefile : sample.ace<",
          "\\disk\\sample.ace/lead.txt>1 Kb/10/10/2010>Found in acefile : sample.ace<",
          "\\disk\\sample.ace/nil.txt>0 Kb/31/12/2079>Found in acefile : sample.ace<"},
         std::nullopt},
        {"sample.lzh",
         {"\\disk\\sample.lzh/readme.txt>2 Kb/05/03/1998>Found in arjfile : sample.lzh<",
          "\\disk\\sample.lzh/docs\\b.bin>3 Kb/31/12/2003>Found in arjfile : sample.lzh<",
          "\\disk\\sample.lzh/deep\\er\\c.txt>2 Kb/30/11/2012>Found in arjfile : sample.lzh<"},
         std::nullopt},
        {"utf16.lzh",
         {"\\disk\\utf16.lzh/\xE6\x96\x87\xE6\x9B\xB8\\\xE6\x97\xA5\xE6\x9C\xAC.txt>2 Kb/04/03/2016>Found in arjfile : "
          "utf16.lzh<",
          "\\disk\\utf16.lzh/after.txt>2 Kb/04/03/2016>Found in arjfile : utf16.lzh<"},
         std::nullopt},
        {"large.lzh", {"\\disk\\large.lzh/big.iso>5242880 Kb/05/05/2015>Found in arjfile : large.lzh<"}, std::nullopt},
        {"sample.arj",
         {"\\disk\\sample.arj/docs\\readme.txt>2 Kb/05/03/1998>Found in arjfile :sample.arj<",
          "\\disk\\sample.arj/b.bin>3 Kb/31/12/2003>Found in arjfile :sample.arj<"},
         std::nullopt},
        {"sample.cab",
         {"\\disk\\sample.cab/docs\\readme.txt>2 Kb/05/03/1998>Found in cabfile : sample.cab<",
          "\\disk\\sample.cab/b.bin>3 Kb/31/12/2003>Found in cabfile : sample.cab<",
          "\\disk\\sample.cab/empty.txt>0 Kb/31/12/2003>Found in cabfile : sample.cab<"},
         std::nullopt},
        {"middle.cab",
         {"\\disk\\middle.cab/setup\\data.bin>4 Kb/07/07/2007>Found in cabfile : middle.cab<",
          "\\disk\\middle.cab/zero.txt>0 Kb/08/07/2007>Found in cabfile : middle.cab<"},
         std::nullopt},
        {"nosig.cab", {}, std::nullopt},
    };
    return all;
}
} // namespace

TEST(ArchiveListers, EveryFixtureGivesExactlyItsMemberLinesAndComment)
{
    RecordingPrompter prompter;
    for (const std::size_t window : {ArchiveBytes::DefaultWindow, TinyWindow})
        for (const Expected& e : ExpectedListings()) {
            SCOPED_TRACE(std::string(e.fixture) + ", window " + std::to_string(window));
            Listed got = ListArchive(ArchiveFixture(e.fixture), {.window = window});
            EXPECT_EQ(got.lines, e.lines);
            EXPECT_EQ(got.comment, e.comment);
        }
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST(ArchiveListers, ACabinetsNamesAreReadFromTheWindowNotAWindowEach)
{
    TempDir dir;
    const std::string cab = dir.file("many.cab");
    ASSERT_TRUE(MakeLargeArchive("cab", 2000, cab));
    const std::uint64_t before = BytesReadSoFar();
    const Listed listed = ListArchive(cab);
    const std::uint64_t read = BytesReadSoFar() - before;
    EXPECT_EQ(listed.lines.size(), 2000u);
    // The file entries, some 80 KB before the members' data, take two or
    // three windows; room for the longest name at each member took 2,000.
    EXPECT_LT(read, 8 * ArchiveBytes::DefaultWindow);
}

TEST(ArchiveListers, NumberedAceVolumesAreListedLikeAceArchives)
{
    TempDir dir;
    const std::string volume = dir.write("set.c01", ReadFileBytes(ArchiveFixture("sample.ace")));
    Listed got = ListArchive(volume);
    ASSERT_EQ(got.lines.size(), 5u);
    EXPECT_EQ(got.lines[1], "\\disk\\set.c01/docs\\readme.txt>2 Kb/05/03/1998>Found in acefile : set.c01<");
    EXPECT_EQ(ArchiveKindFromExtension("C99"), ArchiveKind::Ace);
    EXPECT_EQ(ArchiveKindFromExtension("CX1"), ArchiveKind::None);
    EXPECT_EQ(ArchiveKindFromExtension("C1"), ArchiveKind::None);
}

TEST(ArchiveListers, EmptyGarbageAndMisnamedFilesGiveNoLinesAndNoBox)
{
    RecordingPrompter prompter;
    TempDir dir;
    std::string garbage;
    for (int i = 0; i < 5000; ++i)
        garbage += char((i * 7919) % 251);
    for (const char* ext : {"rar", "ace", "arj", "lzh", "cab"}) {
        SCOPED_TRACE(ext);
        // An empty file, garbage, and a ZIP archive under another kind's name.
        for (const Listed& listed :
             {ListArchive(dir.write(std::string("empty.") + ext, "")),
              ListArchive(dir.write(std::string("junk.") + ext, garbage)),
              ListArchive(dir.write(std::string("zip.") + ext, ReadFileBytes(ArchiveFixture("sample.zip"))))}) {
            EXPECT_TRUE(listed.lines.empty());
            EXPECT_TRUE(listed.problems.empty());
        }
    }
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST(ArchiveListers, UnreadableArchiveIsReportedByItsListerButRarStaysSilent)
{
    RecordingPrompter prompter;
    TempDir dir;
    const Listed rar = ListArchive(dir.file("gone.rar"));
    EXPECT_TRUE(rar.lines.empty());
    EXPECT_TRUE(rar.problems.empty());

    const std::pair<const char*, const char*> reported[] = {{"gone.ace", "modAce.ListAceFiles"},
                                                            {"gone.lzh", "modUnCompress.ListLZHfiles"},
                                                            {"gone.cab", "modFindFile.GetFileInformation"}};
    for (const auto& [name, where] : reported) {
        SCOPED_TRACE(name);
        const Listed listed = ListArchive(dir.file(name));
        EXPECT_TRUE(listed.lines.empty());
        ASSERT_EQ(listed.problems.size(), 1u);
        EXPECT_EQ(listed.problems[0].item, dir.file(name));
        const std::string box = ProblemBoxText(listed.problems[0]);
        EXPECT_TRUE(box.starts_with("Error 53: File not found")) << box;
        EXPECT_NE(box.find(std::string("in CorvaneDisk.") + where + "."), std::string::npos) << box;
    }
    // The caller shows them; reading the archives shows nothing.
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST(ArchiveListers, AFullBufferStopsTheListersQuietly)
{
    RecordingPrompter prompter;
    CatalogBuffer out;
    while (out.count() < CatalogBuffer::MaxLines - 7)
        out.append("x");
    // Five ZIP members fit, then two of the three cabinet members; the rest find it full.
    Problems problems;
    ReadArchive(ArchiveKind::Zip, ArchiveAt(ArchiveFixture("sample.zip")), out, problems);
    ReadArchive(ArchiveKind::Cab, ArchiveAt(ArchiveFixture("sample.cab")), out, problems);
    ReadArchive(ArchiveKind::Ace, ArchiveAt(ArchiveFixture("sample.ace")), out, problems);
    ReadArchive(ArchiveKind::Rar, ArchiveAt(ArchiveFixture("sample4.rar")), out, problems);
    EXPECT_EQ(out.count(), CatalogBuffer::MaxLines);
    EXPECT_EQ(out.line(CatalogBuffer::MaxLines),
              "\\disk\\sample.cab/b.bin>3 Kb/31/12/2003>Found in cabfile : sample.cab<");
    EXPECT_TRUE(problems.list.empty());
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST(ArchiveListers, NamesThatWouldBreakTheLineAreMadeSafe)
{
    // A cabinet whose member name holds ">" and a lone LF, and one whose name
    // is not UTF-8.
    std::string cab = ReadFileBytes(ArchiveFixture("middle.cab"));
    const std::size_t at = cab.find("zero.txt");
    ASSERT_NE(at, std::string::npos);
    cab.replace(at, 8, "ze>o\nt\xE9t");
    TempDir dir;
    Listed got = ListArchive(dir.write("odd.cab", cab));
    ASSERT_EQ(got.lines.size(), 2u);
    EXPECT_EQ(got.lines[1], "\\disk\\odd.cab/ze?o?t\xC3\xA9t>0 Kb/08/07/2007>Found in cabfile : odd.cab<");
}

TEST(ArchiveListers, StoredDatesDoNotMoveWithTheTimeZone)
{
    // MS-DOS stamps are local times as they stand, Unix times are UTC dates:
    // neither depends on where the catalog is made.
    const char* const zones[] = {"Pacific/Kiritimati", "America/Anchorage"};
    std::vector<Lines> seen;
    for (const char* zone : zones) {
        setenv("TZ", zone, 1);
        tzset();
        Lines all;
        for (const char* fixture : {"sample.zip", "sample5.rar", "sample.lzh", "sample.arj", "sample.cab"})
            for (std::string& line : ListArchive(ArchiveFixture(fixture)).lines)
                all.push_back(std::move(line));
        seen.push_back(std::move(all));
    }
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(seen[0], seen[1]);
    ASSERT_FALSE(seen[0].empty());
    EXPECT_NE(seen[0][0].find("/05/03/1998>"), std::string::npos);
}
