#include "engine/start/AppFolders.h"
#include "language/BuiltInEnglish.h"
#include "language/LangText.h"
#include "platform/ini/ProfileIni.h"
#include "platform/text/Messages.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <set>

// The file the build puts beside the program.
TEST(EnglishFile, NamesEveryNumberTheProgramReadsAndNothingElse)
{
    SetAppFolders(CORVANE_BINARY_DIR);
    const std::string path = Folders().LangPath + "CorD_eng.lng";
    const std::string bytes = ReadFileBytes(path);
    ASSERT_FALSE(bytes.empty());
    for (std::size_t lf = bytes.find('\n'); lf != std::string::npos; lf = bytes.find('\n', lf + 1))
        ASSERT_TRUE(lf > 0 && bytes[lf - 1] == '\r') << "a line without CR LF at byte " << lf;

    RecordingPrompter prompter;
    LangText texts;
    LoadLanguage(prompter, texts, Folders().LangPath, "CorD_eng.lng");
    EXPECT_TRUE(prompter.boxes.empty());
    std::set<std::string> named;
    for (TextId id : AllTextIds) {
        EXPECT_FALSE(texts[id].empty()) << "no text for " << int(id);
        named.insert(std::to_string(int(id)));
    }
    for (MessageId id : AllMessageIds) {
        EXPECT_FALSE(texts[TextId(int(id))].empty()) << "no text for message " << int(id);
        EXPECT_TRUE(named.insert(std::to_string(int(id))).second) << int(id) << " is a window's and a message's";
    }
    EXPECT_EQ(texts[TextId::LanguageName], "English");
    for (const auto& [key, value] : ProfileIni::Load(path).section("Text"))
        EXPECT_TRUE(named.count(key)) << "key " << key << " is read by no window and is no message";
}

TEST(EnglishFile, TheProgramsOwnTextsAreThoseOfTheShippedFile)
{
    SetAppFolders(CORVANE_BINARY_DIR);
    RecordingPrompter prompter;
    LangText fromFile, builtIn;
    ASSERT_EQ(LoadLanguage(prompter, fromFile, Folders().LangPath, "CorD_eng.lng"), LanguageLoad::Loaded);
    LoadBuiltInEnglish(prompter, builtIn);
    for (int n = 0; n < LangText::Count; ++n)
        EXPECT_EQ(builtIn[TextId(n)], fromFile[TextId(n)]) << n;
    EXPECT_TRUE(prompter.boxes.empty());
}
