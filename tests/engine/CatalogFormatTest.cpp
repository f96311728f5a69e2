#include "engine/catalog/CatalogBuffer.h"
#include "engine/catalog/CatalogDate.h"
#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CatalogPath.h"
#include "engine/catalog/CatalogText.h"
#include "engine/catalog/CommentCodec.h"

#include <gtest/gtest.h>

TEST(CommentCodec, LineBreaksBecomeOneMarkAndComeBack)
{
    EXPECT_EQ(EncodeMultiLine("first\r\nsecond\r\n"), "first\x01second\x01");
    EXPECT_EQ(DecodeMultiLine("first\x01second\x01"), "first\r\nsecond\r\n");
    EXPECT_EQ(EncodeMultiLine("\r\n"), "\x01");
    EXPECT_EQ(EncodeMultiLine(""), "");
    EXPECT_EQ(DecodeMultiLine(""), "");
    // Lone CR and LF are left alone by the codec itself.
    EXPECT_EQ(EncodeMultiLine("a\rb\nc\r"), "a\rb\nc\r");
    EXPECT_EQ(EncodeMultiLine("\r\r\n\n"), "\r\x01\n");
    for (std::string t : {"", "x", "\r\n\r\n", "a\r\nb", "\r", "\n\r", "end\r"})
        EXPECT_EQ(DecodeMultiLine(EncodeMultiLine(t)), t);
}

TEST(CommentCodec, WrittenCommentsNeverBreakTheLine)
{
    EXPECT_EQ(NormalizeLineBreaks("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd");
    std::string enc = EncodeCatalogComment("typed\nin a <box> \r\n");
    EXPECT_EQ(enc, "typed\x01in a ?box? \x01");
    EXPECT_EQ(enc.find_first_of("\r\n<>"), std::string::npos);
    // Line 11 is read whole after its label: ">" and "<" stay as typed.
    EXPECT_EQ(EncodeHeaderComment("a<b>c\nnext"), "a<b>c\x01next");
}

TEST(CatalogPath, NativeAndCatalogFormBothWays)
{
    EXPECT_EQ(ToCatalogPath("/home/ann/a.txt"), "\\home\\ann\\a.txt");
    EXPECT_EQ(ToCatalogPath("/x/we\\ird>na<me\r\n\x01.txt"), "\\x\\we?ird?na?me???.txt");
    EXPECT_EQ(ToCatalogMemberPath("a/b.txt"), "a\\b.txt");
    EXPECT_EQ(ToCatalogMemberPath("dos\\path>x"), "dos\\path?x");

    NativeLocation plain = FromCatalogPath("\\home\\ann\\a.txt");
    EXPECT_EQ(plain.path, "/home/ann/a.txt");
    EXPECT_EQ(plain.member, "");
    NativeLocation member = FromCatalogPath("\\media\\cd\\data.zip/a\\b.txt");
    EXPECT_EQ(member.path, "/media/cd/data.zip");
    EXPECT_EQ(member.member, "a\\b.txt");
    EXPECT_EQ(FromCatalogPath(ToCatalogPath("/media/cd-rom 1/x y.z")).path, "/media/cd-rom 1/x y.z");
}

TEST(CatalogLine, HeaderLinesAndTheirValuePositions)
{
    EXPECT_EQ(MakeHeaderLine(HeaderLine::Serial, "1A2B"), ">Serial 1A2B");
    EXPECT_EQ(MakeHeaderLine(HeaderLine::DriveType, "Cd-Rom"), ">Cd-Rom");
    EXPECT_EQ(MakeHeaderLine(HeaderLine::Comment, ""), ">Comment ");
    // The positions readers use: line 1 from 2, 2 from 9 ... 11 from 10 (1-based).
    const int starts[HeaderLineCount] = {2, 9, 9, 7, 8, 11, 16, 21, 17, 9, 10};
    for (int i = 0; i < HeaderLineCount; ++i)
        EXPECT_EQ(int(HeaderLabel(HeaderLine(i + 1)).size()) + 1, starts[i]) << i + 1;
    EXPECT_EQ(HeaderValue(HeaderLine::Total, ">Total 120 MB"), "120 MB");
    EXPECT_EQ(HeaderValue(HeaderLine::Comment, ">"), ""); // the line while a scan runs
    EXPECT_EQ(HeaderValue(HeaderLine::RecursiveDir, ">Recursive Dir True"), "True");
}

TEST(CatalogLine, BodyLinesBuildAndSplit)
{
    EXPECT_EQ(MakeFileLine("\\d\\a.txt", 12, "01/02/2003"), "\\d\\a.txt>12 Kb/01/02/2003");
    EXPECT_EQ(MakeFileLine("\\d\\p.htm", 0, "01/02/2003", ""), "\\d\\p.htm>0 Kb/01/02/2003><");
    std::string member = MakeMemberLine("\\d\\data.zip", "a\\b.txt", 3, "31/12/1999", "Found in zipfile :data.zip");
    EXPECT_EQ(member, "\\d\\data.zip/a\\b.txt>3 Kb/31/12/1999>Found in zipfile :data.zip<");

    BodyLine m = ParseBodyLine(member);
    EXPECT_TRUE(m.isMember());
    EXPECT_EQ(m.archivePath(), "\\d\\data.zip");
    EXPECT_EQ(m.memberPath(), "a\\b.txt");
    EXPECT_EQ(m.sizeAndUnit(), "3 Kb");
    EXPECT_EQ(m.dateText(), "31/12/1999");
    EXPECT_EQ(m.comment(), "Found in zipfile :data.zip");
    EXPECT_EQ(m.key(), "\\d\\data.zip/a\\b.txt>3 Kb/31/12/1999");

    BodyLine f = ParseBodyLine("\\d\\a.txt>12 Kb/01/02/2003");
    EXPECT_FALSE(f.isMember());
    EXPECT_FALSE(f.hasComment);
    EXPECT_EQ(f.memberPath(), "");
    EXPECT_EQ(f.comment(), "");

    BodyLine junk = ParseBodyLine("no separator at all");
    EXPECT_EQ(junk.path, "no separator at all");
    EXPECT_EQ(junk.sizeAndUnit(), "");
    EXPECT_EQ(junk.dateText(), "");
}

TEST(CatalogLine, CommentIsTheThirdFieldLessItsClosingMark)
{
    // Only the last "<" closes the comment; ">" inside belongs to it too.
    EXPECT_EQ(ParseBodyLine("\\d\\a.txt>1 Kb/01/02/2003>version a<b ok<").comment(), "version a<b ok");
    EXPECT_EQ(ParseBodyLine("\\d\\a.txt>1 Kb/01/02/2003>a > b<").comment(), "a > b");
    EXPECT_EQ(ParseBodyLine("\\d\\a.txt>1 Kb/01/02/2003><").comment(), "");
    EXPECT_EQ(ParseBodyLine("\\d\\a.txt>1 Kb/01/02/2003><<").comment(), "<");
    // A comment cut by a lone line feed has no closing mark: nothing is dropped.
    EXPECT_EQ(ParseBodyLine("\\d\\a.txt>1 Kb/01/02/2003>first piece").comment(), "first piece");
}

TEST(CatalogLine, OnlyLinesWithPathAndSizeAreEntries)
{
    EXPECT_TRUE(ParseBodyLine("\\d\\a.txt>12 Kb/01/02/2003").hasEntryFields());
    EXPECT_TRUE(ParseBodyLine("C:\\a.txt>0 Kb/01/02/2003><").hasEntryFields());
    for (const char* line :
         {"", "     ", "garbage line without separators", ">12 Kb/01/02/2003", "\\d\\a.txt>twelve", "\\d\\a.txt"})
        EXPECT_FALSE(ParseBodyLine(line).hasEntryFields()) << line;
}

TEST(CatalogDate, UtcAndDosDates)
{
    // 23:30 on 31/12/1999 five hours west of Greenwich is 04:30 UTC on 01/01/2000.
    EXPECT_EQ(CatalogDateFromUnix(946701000), "01/01/2000");
    EXPECT_EQ(CatalogDateFromUnix(0), "01/01/1970");
    EXPECT_EQ(CatalogDate(5, 7, 2003), "05/07/2003");
    // 2003-07-05 as an MS-DOS date: (23 << 9) | (7 << 5) | 5.
    EXPECT_EQ(CatalogDateFromDos((23 << 9) | (7 << 5) | 5), "05/07/2003");
}

TEST(CatalogText, Utf8StaysAndOlderCatalogsReadAsWindows1252)
{
    std::string utf8 = "\\M\xC3\xBCsik\\caf\xC3\xA9.mp3>1 Kb/01/01/2001";
    EXPECT_EQ(DetectCatalogEncoding(utf8), CatalogEncoding::Utf8);
    EXPECT_EQ(CatalogTextToUtf8(utf8, CatalogEncoding::Utf8), utf8);
    std::string cp1252 = "\\M\xFCsik\\caf\xE9 \x80 \x93x\x94.mp3";
    EXPECT_EQ(DetectCatalogEncoding(cp1252), CatalogEncoding::Windows1252);
    EXPECT_EQ(Windows1252ToUtf8(cp1252), "\\M\xC3\xBCsik\\caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D.mp3");
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // a surrogate
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));         // overlong
    EXPECT_FALSE(IsValidUtf8("abcdefgh\xE2\x82")); // cut short after the fast path
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80 plain ascii tail"));
}

TEST(CatalogBuffer, HoldsAMillionLinesAtMost)
{
    CatalogBuffer buf;
    buf.append(">Fixed");
    buf.append("\\a>0 Kb/01/01/2000");
    EXPECT_EQ(buf.line(2), "\\a>0 Kb/01/01/2000");
    while (buf.append("x")) {
    }
    EXPECT_EQ(buf.count(), CatalogBuffer::MaxLines);
    EXPECT_TRUE(buf.full());
}
