#include "platform/prompter/ConsolePrompter.h"
#include "platform/prompter/ErrorBox.h"
#include "tests/support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace {
// A console prompter wired to temporary files instead of the terminal.
struct Console {
    explicit Console(const std::string& input) : in(std::tmpfile()), out(std::tmpfile()), err(std::tmpfile())
    {
        std::fputs(input.c_str(), in);
        std::rewind(in);
    }
    ~Console()
    {
        std::fclose(in);
        std::fclose(out);
        std::fclose(err);
    }
    static std::string contents(std::FILE* f)
    {
        std::fflush(f);
        std::rewind(f);
        std::string s;
        for (int c; (c = std::fgetc(f)) != EOF;)
            s += char(c);
        return s;
    }
    std::string errText() { return contents(err); }
    std::string outText() { return contents(out); }

    std::FILE* in;
    std::FILE* out;
    std::FILE* err;
};

bool answer(const std::string& typed)
{
    Console c(typed);
    ConsolePrompter p(c.in, c.out, c.err);
    return p.askYesNo("File allready exist, overwrite it", "CorvaneDisk", MsgIcon::Question);
}
} // namespace

TEST(ConsolePrompter, OnlyYesAnswersOverwrite)
{
    EXPECT_TRUE(answer("y\n"));
    EXPECT_TRUE(answer("YES\n"));
    EXPECT_TRUE(answer("Yes\r\n"));
    EXPECT_FALSE(answer("n\n"));
    EXPECT_FALSE(answer("yeah\n"));
    EXPECT_FALSE(answer("\n"));
    EXPECT_FALSE(answer("")); // end of input
}

TEST(ConsolePrompter, QuestionAndMessagesAreOneLineOnStderrUsageOnStdout)
{
    Console c("n\n");
    ConsolePrompter p(c.in, c.out, c.err);
    p.askYesNo("Start Catalog creation", "CorvaneDisk", MsgIcon::Question);
    p.message("line one\r\nline two\nline three", "Error", MsgIcon::Critical);
    p.showUsage("usage text");
    EXPECT_EQ(c.errText(), "Start Catalog creation [y/N]? Error: line one / line two / line three\n");
    EXPECT_EQ(c.outText(), "usage text\n");
}

TEST(ErrorBox, TextNamesNumberModuleProcedureAndLine)
{
    EXPECT_EQ(ErrorBoxText(53, "File not found", "modFile", "SaveFile", 42),
              "Error 53: File not found\r\nin CorvaneDisk.modFile.SaveFile.\r\n"
              "The error occured at line: 42");
}

TEST(ErrorBox, ShowsCriticalBoxTitledErrorWithTheThrowLine)
{
    RecordingPrompter rec;
    const unsigned line = __LINE__ + 2;
    try {
        RaiseFromErrno(EACCES, "/x/y");
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), ErrPermissionDenied);
        ShowErrorBox(rec, e, "modFindFile", "SaveFile");
    }
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].title, "Error");
    EXPECT_EQ(rec.boxes[0].icon, MsgIcon::Critical);
    EXPECT_NE(rec.boxes[0].text.find("Error 70: Permission denied (/x/y"), std::string::npos);
    EXPECT_NE(rec.boxes[0].text.find("in CorvaneDisk.modFindFile.SaveFile."), std::string::npos);
    EXPECT_NE(rec.boxes[0].text.find("line: " + std::to_string(line)), std::string::npos);
}

TEST(ErrorBox, ErrnoValuesMapToClassicNumbers)
{
    EXPECT_EQ(ErrNumberFromErrno(ENOENT), 53);
    EXPECT_EQ(ErrNumberFromErrno(ENOTDIR), 76);
    EXPECT_EQ(ErrNumberFromErrno(EACCES), 70);
    EXPECT_EQ(ErrNumberFromErrno(ENOSPC), 61);
    EXPECT_EQ(ErrorDescription(9), "Subscript out of range");
    EXPECT_EQ(ErrorDescription(5), "Invalid procedure call or argument");
}
