#include "platform/ini/ProfileIni.h"
#include "tests/support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

TEST(ProfileIni, NamesFoldCaseBlanksTrimQuotesKeepInnerBlanks)
{
    ProfileIni ini = ProfileIni::Parse("\xEF\xBB\xBF; a comment\r\n"
                                       "[MainPos]\r\n"
                                       "Width = 5040 \r\n"
                                       "Empty=\r\n"
                                       "Quoted=\"  two blanks  \"\r\n"
                                       "Half=\"open\r\n"
                                       "width=second is ignored\r\n"
                                       "[other]\nk=v\n");
    EXPECT_EQ(ini.get("mainpos", "WIDTH", "x"), "5040");
    EXPECT_EQ(ini.get("MainPOS", "Empty", "default"), "");
    EXPECT_EQ(ini.get("MainPOS", "Missing", "default"), "default");
    EXPECT_EQ(ini.get("MainPOS", "Quoted", ""), "  two blanks  ");
    EXPECT_EQ(ini.get("MainPOS", "Half", ""), "\"open");
    EXPECT_EQ(ini.get("Other", "K", ""), "v");
    EXPECT_FALSE(ini.value("Nowhere", "k").has_value());

    auto entries = ini.section("mainpos");
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].first, "Width");
    EXPECT_EQ(entries[3].first, "Half");
}

TEST(ProfileIni, LegacyLinesReadAsWindows1252AndValuesAreNotSplit)
{
    ProfileIni ini = ProfileIni::Parse("[Text]\n1=Cr\xE9"
                                       "er\n2=a,b;c\n3=d\xC3\xA9j\xC3\xA0\n");
    EXPECT_EQ(ini.get("Text", "1", ""), "Cr\xC3\xA9"
                                        "er");
    EXPECT_EQ(ini.get("Text", "2", ""), "a,b;c");
    EXPECT_EQ(ini.get("Text", "3", ""), "d\xC3\xA9j\xC3\xA0");
}

TEST(ProfileIni, MissingOrOversizedFilesReadAsEmpty)
{
    TempDir dir;
    EXPECT_FALSE(ProfileIni::Load(dir.path() + "/none.ini").loaded());
    EXPECT_FALSE(ProfileIni::Load(dir.path()).loaded()); // a folder
    {
        std::ofstream big(dir.path() + "/big.ini", std::ios::binary);
        big.seekp(ProfileIni::MaxFileSize + 1);
        big.put('x');
    }
    EXPECT_FALSE(ProfileIni::Load(dir.path() + "/big.ini").loaded());
    std::ofstream(dir.path() + "/ok.ini") << "[S]\nk=v\n";
    EXPECT_EQ(ProfileGetItem("s", "K", "d", dir.path() + "/ok.ini"), "v");
    EXPECT_EQ(ProfileGetItem("s", "none", "d", dir.path() + "/ok.ini"), "d");
}

TEST(ProfileIni, LongValuesAreCutAtWholeCharacters)
{
    const std::string e = "\xC3\xA9"; // two bytes, one character
    std::string many;
    for (int i = 0; i < 5000; ++i)
        many += e;
    const std::string legacy(5000, '\xE9');
    const std::string huge(20u << 20, 'x');
    ProfileIni ini = ProfileIni::Parse("[S]\nutf8=" + many + "\nlegacy=" + legacy + "\nhuge=\"" + huge +
                                       "\"\nexact=" + std::string(2047, 'y') + "\n");
    std::string cut;
    for (int i = 0; i < 2047; ++i)
        cut += e;
    EXPECT_EQ(ini.get("S", "utf8", ""), cut);
    EXPECT_EQ(ini.get("S", "legacy", ""), cut); // Windows-1252, one byte a character
    EXPECT_EQ(ini.get("S", "huge", ""), std::string(2047, 'x'));
    EXPECT_EQ(ini.get("S", "exact", ""), std::string(2047, 'y'));
}
