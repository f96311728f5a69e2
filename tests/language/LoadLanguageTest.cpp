#include "engine/start/AppFolders.h"
#include "language/BuiltInEnglish.h"
#include "language/LangText.h"
#include "language/StartupLanguage.h"
#include "platform/fs/MoveFile.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Messages.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include <unistd.h>

#include <chrono>
#include <gtest/gtest.h>
#include <random>

namespace {

class LoadLanguageTest : public ::testing::Test {
protected:
    void SetUp() override { SetAppFolders(home.path()); }
    void writeLanguage(std::string_view name, std::string_view content)
    {
        home.write("language/" + std::string(name), content);
    }
    const std::string& text(TextId id) const { return texts[id]; }

    TempDir home;
    RecordingPrompter prompter;
    LangText texts;
};

} // namespace

TEST_F(LoadLanguageTest, ProfileRulesAsTheLoaderSeesThem)
{
    texts.set(int(TextId::Start), "kept");
    texts.set(int(TextId::Stop), "emptied");
    writeLanguage("CorD_tst.lng", "\xEF\xBB\xBF; comment\r\n"
                                  "[Other]\r\n9=not this section\r\n"
                                  "[TEXT]\r\n"
                                  "  9  =  Recurse  \r\n"
                                  "6=\" in\"\r\n"
                                  "9=second is ignored\r\n"
                                  "13=\r\n"
                                  "10=Cr\xE9"
                                  "er\r\n"
                                  "[Other]\r\n"
                                  "[text]\r\n"
                                  "11=from a repeated section\r\n");
    LoadLanguage(prompter, texts, Folders().LangPath, "CorD_tst.lng");
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_EQ(text(TextId::Recursive), "Recurse");
    EXPECT_EQ(text(TextId::ScanDoneIn), " in");
    EXPECT_EQ(text(TextId::SearchZipContent), "Cr\xC3\xA9"
                                              "er"); // Windows-1252 line
    EXPECT_EQ(text(TextId::EnableComment), "from a repeated section");
    EXPECT_EQ(text(TextId::Start), "kept"); // missing key
    EXPECT_EQ(text(TextId::Stop), "");      // present, empty
}

TEST_F(LoadLanguageTest, BadKeysAreSkippedAndNamedInOneMessage)
{
    writeLanguage("CorD_bad.lng", "[Text]\n"
                                  "12=before\n"
                                  "abc=x\n121=x\n-1=x\n0x10=x\n7.4=x\n+5=x\n&H5=x\n"
                                  "13=after\n"
                                  "0120=leading zeros\n");
    LoadLanguage(prompter, texts, Folders().LangPath, "CorD_bad.lng");
    EXPECT_EQ(text(TextId::Start), "before");
    EXPECT_EQ(text(TextId::Stop), "after");
    EXPECT_EQ(texts[static_cast<TextId>(120)], "leading zeros");
    ASSERT_EQ(prompter.boxes.size(), 1u);
    const std::string& said = prompter.boxes[0].text;
    for (const char* key : {"\"abc\"", "\"121\"", "\"-1\"", "\"0x10\"", "\"7.4\"", "\"+5\"", "\"&H5\""})
        EXPECT_NE(said.find(key), std::string::npos) << key;
    EXPECT_EQ(said.find("0120"), std::string::npos);
    EXPECT_NE(said.find("CorD_bad.lng"), std::string::npos);
    EXPECT_EQ(prompter.boxes[0].icon, MsgIcon::Exclamation);
}

TEST_F(LoadLanguageTest, ALoadKeepsWhatTheFileLacksAndAMissingFileChangesNothing)
{
    writeLanguage("CorD_one.lng", "[Text]\n55=Limit one\n70=Sort one\n");
    writeLanguage("cord_TWO.LNG", "[Text]\n70=Sort two\n");
    writeLanguage("CorD_notext.lng", "[Other]\n55=x\n");
    writeLanguage("CorD_empty.lng", "[Text]\n");
    home.write("language/CorD_dir.lng/inner", "");

    LoadLanguage(prompter, texts, Folders().LangPath, "CorD_one.lng");
    LoadLanguage(prompter, texts, Folders().LangPath, "CorD_two.lng"); // the name in another case
    EXPECT_EQ(text(TextId::MaxHitReached), "Limit one");
    EXPECT_EQ(text(TextId::SortResults), "Sort two");

    for (const char* name :
         {"CorD_none.lng", "CorD_notext.lng", "CorD_empty.lng", "CorD_dir.lng", "../language/CorD_one.lng", ""})
        LoadLanguage(prompter, texts, Folders().LangPath, name);
    EXPECT_EQ(text(TextId::MaxHitReached), "Limit one");
    EXPECT_EQ(text(TextId::SortResults), "Sort two");
    EXPECT_TRUE(prompter.boxes.empty());

    SetAppFolders(home.file("nowhere")); // no language folder at all
    LoadLanguage(prompter, texts, Folders().LangPath, "CorD_one.lng");
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(LoadLanguageTest, AtStartUpTheNumbersALanguageFileLacksReadInEnglish)
{
    // The fixture ends at 100, as every file made before 101 and 102 existed.
    writeLanguage("CorD_deu.lng", ReadFileBytes(CORVANE_FIXTURES "/language/CorD_deu.lng"));
    LangText english;
    LoadBuiltInEnglish(prompter, english);
    LoadStartupLanguage(prompter, texts, Folders().LangPath, "CorD_deu.lng");
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_EQ(text(TextId::Recursive), "Unterordner einbeziehen");
    EXPECT_EQ(text(TextId::MoveSameFolder), english[TextId::MoveSameFolder]);
    EXPECT_EQ(text(TextId::PartShown), english[TextId::PartShown]);
    for (TextId id : AllTextIds)
        EXPECT_FALSE(text(id).empty()) << "no text for " << int(id);

    // A text the file gives as empty stays empty; the English fills only what is missing.
    writeLanguage("CorD_tst.lng", "[Text]\n9=Eins\n13=\n");
    LangText other;
    LoadStartupLanguage(prompter, other, Folders().LangPath, "CorD_tst.lng");
    EXPECT_EQ(other[TextId::Recursive], "Eins");
    EXPECT_EQ(other[TextId::Stop], "");
    EXPECT_EQ(other[TextId::Start], english[TextId::Start]);
    EXPECT_TRUE(prompter.boxes.empty());
}

// The messages put together below the windows (here a refused move) speak
// the language loaded; a text the file leaves empty keeps its English, so
// that no refusal ever shows an empty box.
TEST_F(LoadLanguageTest, MessagesBelowTheWindowsSpeakTheLanguageLoaded)
{
    const std::string english = MessageText(MessageId::NamesAlike, {"x"});
    writeLanguage("CorD_tst.lng", "[Text]\n117=%2 ist %1 selbst\n104=\n");
    ASSERT_EQ(LoadLanguage(prompter, texts, Folders().LangPath, "CorD_tst.lng"), LanguageLoad::Loaded);
    const std::string file = home.write("a.txt", "kept"), link = home.file("b.txt");
    ASSERT_EQ(::link(file.c_str(), link.c_str()), 0);
    try {
        MoveFileTo(file, link, true);
        ADD_FAILURE() << "moved onto itself";
    } catch (const AppError& e) {
        EXPECT_EQ(std::string(e.what()), link + " ist " + file + " selbst");
    }
    EXPECT_EQ(MessageText(MessageId::NamesAlike, {"x"}), english);
    EXPECT_EQ(ReadFileBytes(file), "kept");
    UseEnglishMessages();
    EXPECT_NE(MessageText(MessageId::MoveOntoItself, {"a", "b"}).find("Cannot move a onto b"), std::string::npos);
}

TEST_F(LoadLanguageTest, TenMegabytesOfJunkLoadTheRealKeysAndSayOneShortMessage)
{
    // Half random bytes, half a flood of distinct keys: both have to stay linear.
    std::string junk = "[Text]\r\n5=Before\r\n";
    std::mt19937 random(10);
    std::uniform_int_distribution<int> byte(0, 255);
    while (junk.size() < (5u << 20)) {
        for (int i = 0; i < 200; ++i)
            junk += char(byte(random));
        junk += (junk.size() & 1) ? "=junk\n" : "\r\n";
    }
    junk += "\n[Text]\n";
    for (int n = 0; junk.size() < (10u << 20); ++n)
        junk += "key" + std::to_string(n) + "=junk\n";
    junk += "\r\n[Text]\r\n7=After\r\n";
    writeLanguage("CorD_junk.lng", junk);

    auto start = std::chrono::steady_clock::now();
    LoadLanguage(prompter, texts, Folders().LangPath, "CorD_junk.lng");
    // Generous: a reader that grows worse than linearly takes hours here.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
    EXPECT_EQ(text(TextId::ScanRunning), "Before");
    EXPECT_EQ(text(TextId::ScanDoneSeconds), "After");
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_LT(prompter.boxes[0].text.size(), 1000u);
    EXPECT_NE(prompter.boxes[0].text.find(" more."), std::string::npos);
}

TEST_F(LoadLanguageTest, AHugeTextIsCutWhereTheReadersBufferEnds)
{
    writeLanguage("CorD_big.lng", "[Text]\r\n9=" + std::string(15u << 20, 'w') + "\r\n10=Next\r\n");
    LoadLanguage(prompter, texts, Folders().LangPath, "CorD_big.lng");
    EXPECT_EQ(text(TextId::Recursive), std::string(2047, 'w'));
    EXPECT_EQ(text(TextId::SearchZipContent), "Next");
    EXPECT_TRUE(prompter.boxes.empty());
}
