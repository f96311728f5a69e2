#include "engine/registry/Registry.h"
#include "engine/settings/SettingsTable.h"
#include "platform/settings/RegStore.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {
std::string Key(std::string_view sub)
{
    return std::string(AppRegKey) + "\\" + std::string(sub);
}

class SettingsTableTest : public ::testing::Test {
protected:
    void SetUp() override { RegStore::SetInstancePath(dir.file("registry.reg")); }
    RegValue stored(std::string_view key, std::string_view value) const
    {
        return QueryValue(HKEY_LOCAL_MACHINE, Key(key), value);
    }
    void store(std::string_view key, std::string_view value, std::string_view text, int type = REG_SZ) const
    {
        CreateNewKey(HKEY_LOCAL_MACHINE, Key(key));
        SetKeyValue(HKEY_LOCAL_MACHINE, Key(key), value, text, type);
    }
    TempDir dir;
};

struct Expected {
    SettingId id;
    const char* key;
    const char* value;
    RegValue::Kind kind;
    const char* text;
};
constexpr auto Sz = RegValue::Kind::Text;
constexpr auto Dw = RegValue::Kind::Number;

// Every defaulted value under the name and with the type users' stores hold.
constexpr Expected Defaults[] = {
    {SettingId::Recursive, "Option", "Recursive", Sz, "False"},
    {SettingId::ZipContent, "Option", "Zip Content", Sz, "False"},
    {SettingId::EnableComment, "Option", "Enable Comment", Sz, "False"},
    {SettingId::SortResult, "Option", "Sort Result", Sz, "False"},
    {SettingId::IgnoreMaxHit, "Option", "Ignore MaxHit", Sz, "False"},
    {SettingId::RandomSkin, "Option", "RandomSkin", Dw, "1"},
    {SettingId::OnTop, "Option", "OnTop", Sz, "False"},
    {SettingId::BorderMagnetic, "Option", "BorderMagnetic", Sz, "True"},
    {SettingId::DevChange, "Option", "DevChange", Sz, "True"},
    {SettingId::ShowSysTray, "Option", "ShowSysTray", Sz, "True"},
    {SettingId::ShowTaskBar, "Option", "ShowTaskBar", Sz, "True"},
    {SettingId::NumIconSysTray, "Option", "NumIconSysTray", Dw, "2"},
    {SettingId::Border, "Option", "Border", Dw, "1"},
    {SettingId::IncludeComment, "Option", "IncludeComment", Dw, "0"},
    {SettingId::IncludeDate, "Option", "IncludeDate", Dw, "1"},
    {SettingId::IncludeDisk, "Option", "IncludeDisk", Dw, "0"},
    {SettingId::IncludeFile, "Option", "IncludeFile", Dw, "1"},
    {SettingId::IncludeDir, "Option", "IncludeDir", Dw, "1"},
    {SettingId::IncludeSize, "Option", "IncludeSize", Dw, "1"},
    {SettingId::ColumnSeparator, "Option", "ColunmSep", Sz, ";"},
    {SettingId::StyleHTML, "Option", "StyleHTML", Sz, "True"},
    {SettingId::HeaderBackColor, "Option", "HeaderBackColor", Dw, "16777215"},
    {SettingId::HeaderTextColor, "Option", "HeaderTextColor", Dw, "0"},
    {SettingId::FieldBackColor, "Option", "FieldBackColor", Dw, "16777215"},
    {SettingId::FieldTextColor, "Option", "FieldTextColor", Dw, "0"},
    {SettingId::FontNameLabel, "Option", "FontNameLabel", Sz, "Arial"},
    {SettingId::FontBoldLabel, "Option", "FontBoldLabel", Sz, "False"},
    {SettingId::FontItalicLabel, "Option", "FontItalicLabel", Sz, "False"},
    {SettingId::FontColorLabel, "Option", "FontColorLabel", Dw, "16777215"},
    {SettingId::FontSizeLabel, "Option", "FontSizeLabel", Dw, "7"},
    {SettingId::FontNameTitle, "Option", "FontNameTitle", Sz, "Arial"},
    {SettingId::FontBoldTitle, "Option", "FontBoldTitle", Sz, "False"},
    {SettingId::FontItalicTitle, "Option", "FontItalicTitle", Sz, "False"},
    {SettingId::FontColorTitle, "Option", "FontColorTitle", Dw, "16777215"},
    {SettingId::FontSizeTitle, "Option", "FontSizeTitle", Dw, "8"},
    {SettingId::RecentCount, "Search", "", Dw, "5"},
    {SettingId::MaxHit, "Search", "MaxHit", Dw, "500"},
    {SettingId::Skins, "Skins", "", Sz, "CorvaneDisk.zip"},
    {SettingId::Language, "Language", "", Sz, "CorD_eng.lng"},
};
} // namespace

TEST_F(SettingsTableTest, FirstStartWritesEveryDefaultWithItsType)
{
    AppSettings s;
    s.BorderMagnetic = false; // the holders take the defaults they write
    StartupReadResult r = ReadSettingsAtStartup(s);
    EXPECT_EQ(r.defaulted.size(), std::size(Defaults));
    EXPECT_TRUE(r.unreadable.empty());
    for (const Expected& e : Defaults) {
        SCOPED_TRACE(std::string(e.key) + "\\" + e.value);
        RegValue v = stored(e.key, e.value);
        EXPECT_EQ(v.kind(), e.kind);
        EXPECT_EQ(v.text(), e.text);
        EXPECT_TRUE(r.wasDefaulted(e.id));
    }
    EXPECT_TRUE(s.BorderMagnetic);
    EXPECT_TRUE(s.DevChange);
    EXPECT_TRUE(s.RandomSkin);
    EXPECT_EQ(s.MaxHit, 500);
    EXPECT_EQ(s.FontTitle.Size, 8);
    EXPECT_TRUE(stored("Option\\Pos", "MainLeft").isEmpty()); // never defaulted
    EXPECT_TRUE(stored("Option", "View").isEmpty());

    AppSettings again;
    EXPECT_TRUE(ReadSettingsAtStartup(again).defaulted.empty());
}

TEST_F(SettingsTableTest, EachNameReadsAndWritesTheValueStoredUnderIt)
{
    for (const Expected& e : Defaults)
        store(e.key, e.value, std::string(e.key) + "\\" + e.value);
    for (const Expected& e : Defaults)
        EXPECT_EQ(PlaceOf(e.id).stored().text(), std::string(e.key) + "\\" + e.value);

    WriteDefault(SettingId::MaxHit);
    EXPECT_EQ(stored("Search", "MaxHit").kind(), Dw);
    EXPECT_EQ(stored("Search", "MaxHit").text(), "500");
    WriteFlag(SettingId::RandomSkin, false); // a number by default, a text once the options write it
    EXPECT_EQ(stored("Option", "RandomSkin").kind(), Sz);
    EXPECT_EQ(stored("Option", "RandomSkin").text(), "False");
}

TEST_F(SettingsTableTest, EmptyTextsAreDefaultedOnlyWhereTheTestSaysSo)
{
    store("Option", "Recursive", "");     // a check-box flag: left alone
    store("Option", "OnTop", "");         // window behaviour: defaulted
    store("Option", "ColunmSep", "");     // report: defaulted
    store("Option", "FontNameLabel", ""); // font: defaulted
    store("Search", "MaxHit", "0", REG_DWORD);
    AppSettings s;
    StartupReadResult r = ReadSettingsAtStartup(s);
    EXPECT_FALSE(r.wasDefaulted(SettingId::Recursive));
    EXPECT_EQ(stored("Option", "Recursive").text(), "");
    EXPECT_EQ(stored("Option", "OnTop").text(), "False");
    EXPECT_EQ(stored("Option", "ColunmSep").text(), ";");
    EXPECT_EQ(stored("Option", "FontNameLabel").text(), "Arial");
    EXPECT_EQ(s.MaxHit, 0); // DWORD 0 is a value, not a missing one
    EXPECT_FALSE(r.wasDefaulted(SettingId::MaxHit));
}

TEST_F(SettingsTableTest, ConversionsAcceptEitherTypeAndKeepDefaultsForJunk)
{
    store("Option", "RandomSkin", "1", REG_DWORD);
    AppSettings a;
    ReadSettingsAtStartup(a);
    EXPECT_TRUE(a.RandomSkin);

    store("Option", "RandomSkin", "False");
    store("Option", "OnTop", "true"); // only "True" counts
    store("Option", "ShowTaskBar", "0");
    store("Option", "ShowSysTray", "maybe");
    store("Option", "FontSizeLabel", "99999999999");
    store("Option", "Border", "70000", REG_DWORD); // no 16-bit number
    store("Option", "NumIconSysTray", "12", REG_DWORD);
    store("Search", "", "100000", REG_DWORD);
    store("Option", "FieldTextColor", "-1", REG_DWORD);
    AppSettings b;
    StartupReadResult r = ReadSettingsAtStartup(b);
    EXPECT_FALSE(b.RandomSkin);
    EXPECT_FALSE(b.OnTop);
    EXPECT_FALSE(b.ShowTaskBar);
    EXPECT_TRUE(b.ShowSysTray);
    EXPECT_EQ(b.FontLabel.Size, 7);
    EXPECT_EQ(b.Report.Border, 1);
    EXPECT_EQ(b.NumIconSysTray, MaxTrayIcon);
    EXPECT_EQ(b.RecentCount, MaxRecentCount);
    EXPECT_EQ(b.Report.FieldTextColor, -1);
    EXPECT_EQ(r.unreadable.size(), 3u);
    EXPECT_EQ(stored("Option", "ShowSysTray").text(), "maybe"); // not rewritten
}

TEST_F(SettingsTableTest, ExitWritesEveryValueOfItsRunsThatReadBackAlike)
{
    AppSettings out;
    out.Recursive = out.ZipContent = out.EnableComment = out.SortResult = out.IgnoreMaxHit = true;
    out.View = true;
    out.Main = {120, 240, std::nullopt, std::nullopt};
    out.Find = {1, 2, 7000, 8000.5};
    out.Lib = {3, 4, 5000, 6000};
    out.Viewer = {5, 6, 4000, 3000};
    for (std::size_t i = 0; i < out.LVLib.size(); ++i)
        out.LVLib[i] = 100.0 + double(i);
    for (std::size_t i = 0; i < out.LVFind.size(); ++i)
        out.LVFind[i] = 200.0 + double(i);
    for (std::size_t i = 0; i < out.LVPath.size(); ++i)
        out.LVPath[i] = 300.0 + double(i);
    out.Report = {false, 0, 0, 0, 0, 1, 1, "|", 0, 255, 65280, 16711680, 1};
    out.FontLabel = {"DejaVu Sans", true, true, 255, 11};
    out.FontTitle = {"DejaVu Serif", true, false, 0x8000000Fu, 14}; // a system colour: top bit set
    WriteSettingsAtExit(out);

    int atExit = 0;
    for (const SettingDef& d : SettingsTable())
        if (WrittenAtExit(d.id)) {
            ++atExit;
            EXPECT_FALSE(stored(d.key, d.value).isEmpty()) << "not written: " << d.key << "\\" << d.value;
        }
    EXPECT_GT(atExit, 0); // the table still names what the exit writes
    EXPECT_EQ(stored("Option\\Pos", "FindHeight").text(), "8000.5");
    EXPECT_EQ(stored("Option", "FontSizeTitle").kind(), Dw);

    AppSettings in;
    ReadSettingsAtStartup(in);
    EXPECT_TRUE(in.Recursive && in.ZipContent && in.EnableComment && in.SortResult && in.IgnoreMaxHit && in.View);
    EXPECT_EQ(in.Main.Left, 120);
    EXPECT_EQ(in.Find.Height, 8000.5);
    EXPECT_EQ(in.LVLib, out.LVLib);
    EXPECT_EQ(in.LVFind, out.LVFind);
    EXPECT_EQ(in.LVPath, out.LVPath);
    EXPECT_EQ(in.Report.ColumnSeparator, "|");
    EXPECT_EQ(in.Report.FieldBackColor, 16711680);
    EXPECT_FALSE(in.Report.StyleHTML);
    EXPECT_EQ(in.FontLabel.Name, "DejaVu Sans");
    EXPECT_EQ(in.FontTitle.Size, 14);
    EXPECT_EQ(in.FontTitle.Color, 0x8000000Fu);
    EXPECT_TRUE(in.FontLabel.Italic);
}
