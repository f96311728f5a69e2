#include "engine/text/PathHelpers.h"
#include "engine/text/StringHelpers.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string_view>
#include <unistd.h>
#include <vector>

namespace {
// The first count fields of list, as TrimmedFields cuts them.
std::vector<std::string_view> Fields(std::string_view list, std::string_view separator, std::size_t count)
{
    std::vector<std::string_view> fields(count, "unset");
    TrimmedFields(list, separator, fields);
    return fields;
}
using V = std::vector<std::string_view>;
} // namespace

TEST(TrimmedFields, FieldsAreTrimmedAndMissingFieldsEmpty)
{
    EXPECT_EQ(Fields("a>b>c", ">", 3), (V{"a", "b", "c"}));
    EXPECT_EQ(Fields(">Serial 1A2B", ">", 2), (V{"", "Serial 1A2B"}));
    EXPECT_EQ(Fields("a>>b", ">", 3), (V{"a", "", "b"}));
    EXPECT_EQ(Fields("a>b", ">", 4), (V{"a", "b", "", ""}));
    EXPECT_EQ(Fields("", ">", 2), (V{"", ""}));
    EXPECT_EQ(Fields("x - y", "-", 2), (V{"x", "y"}));
    // Only blanks are trimmed, a TAB stays.
    EXPECT_EQ(Fields(" a\t > b ", ">", 2), (V{"a\t", "b"}));
    // A blank separator: a run of blanks acts as one.
    EXPECT_EQ(Fields("a    b c", " ", 3), (V{"a", "b", "c"}));
    // A separator of two characters.
    EXPECT_EQ(Fields("one\r\ntwo\r\nthree", "\r\n", 3), (V{"one", "two", "three"}));
    // A list item with its hidden value after the padding.
    std::string item = "Text documents (*.txt)" + std::string(50, ' ') + ListSep + "*.txt";
    EXPECT_EQ(Fields(item, std::string(1, ListSep), 2), (V{"Text documents (*.txt)", "*.txt"}));
}

TEST(SizeRound, KilobytesRoundUpOnlyWhenTheFirstDecimalIsNotZero)
{
    EXPECT_EQ(SizeRound(0), 0u);
    EXPECT_EQ(SizeRound(100), 0u);
    EXPECT_EQ(SizeRound(102), 0u);
    EXPECT_EQ(SizeRound(103), 1u);
    EXPECT_EQ(SizeRound(500), 1u);
    EXPECT_EQ(SizeRound(1024), 1u);
    EXPECT_EQ(SizeRound(1126), 1u);
    EXPECT_EQ(SizeRound(1127), 2u);
    EXPECT_EQ(SizeRound(1536), 2u); // 1.5 KB
    EXPECT_EQ(SizeRound(1075), 1u); // 1.0498 KB
    const std::uint64_t GB = 1024ull * 1024 * 1024;
    EXPECT_EQ(SizeRound(3 * GB), 3145728u);
    EXPECT_EQ(SizeRound(3 * GB + 102), 3145728u);
    EXPECT_EQ(SizeRound(3 * GB + 103), 3145729u);
    EXPECT_EQ(SizeRound(5000 * GB + 1023), 5000ull * 1024 * 1024 + 1); // past 32 bits
}

TEST(TrimNull, TheTextEndsAtItsFirstNul)
{
    EXPECT_EQ(TrimNull(std::string("abc\0xyz", 7)), "abc");
    EXPECT_EQ(TrimNull(std::string("\0abc", 4)), "");
    EXPECT_EQ(TrimNull("abc"), "abc");
    EXPECT_EQ(TrimNull(""), "");
}

TEST(PathHelpers, NamesExtensionsAndFolders)
{
    EXPECT_EQ(FileWithOutExt("report.old.txt"), "report.old");
    EXPECT_EQ(FileWithOutExt("name"), "name");
    EXPECT_EQ(FileWithOutExt(".dat"), "");
    EXPECT_EQ(FileWithOutExt(""), "");
    EXPECT_EQ(FileWithOutExt("C:\\a.b\\file"), "C:\\a");
    EXPECT_EQ(FileExt("a.txt"), "txt");
    EXPECT_EQ(FileExt("a."), "");
    EXPECT_EQ(FileExt("a"), "");
    EXPECT_EQ(FileExt(""), "");
    EXPECT_EQ(FileExt("C:\\a.b\\file"), "b\\file");
    EXPECT_EQ(FileWithOutPath("C:\\dir\\f.txt"), "f.txt");
    EXPECT_EQ(FileWithOutPath("C:\\dir\\"), "");
    EXPECT_EQ(FileWithOutPath("f.txt"), "f.txt");
    EXPECT_EQ(FileWithOutPath("\\"), "");
    EXPECT_EQ(PathWithOutFile("C:\\dir\\f.txt"), "C:\\dir\\");
    EXPECT_EQ(PathWithOutFile("C:\\dir\\"), "C:\\dir\\");
    EXPECT_EQ(PathWithOutFile("f.txt"), "");
    EXPECT_EQ(PathWithOutFile(""), "");
    EXPECT_EQ(AddBackslash("C:\\dir"), "C:\\dir\\");
    EXPECT_EQ(AddBackslash("C:\\dir\\"), "C:\\dir\\");
    EXPECT_EQ(AddBackslash(""), "\\");
    EXPECT_EQ(AddSlash("/media/cd"), "/media/cd/");
    EXPECT_EQ(AddSlash("/media/cd/"), "/media/cd/");
}

TEST(PathHelpers, FolderTestsOnDisk)
{
    TempDir dir;
    std::string file = dir.write("f.txt", "x");
    EXPECT_TRUE(DirExist(dir.path()));
    EXPECT_TRUE(DirExist(dir.path() + "/"));
    EXPECT_FALSE(DirExist(file));
    EXPECT_FALSE(DirExist(dir.file("missing")));
    char before[4096];
    ASSERT_TRUE(getcwd(before, sizeof before));
    DirExist(dir.path());
    char after[4096];
    ASSERT_TRUE(getcwd(after, sizeof after));
    EXPECT_STREQ(before, after); // the process stays where it was
}
