#include "platform/settings/RegStore.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr std::string_view HKLM = "HKEY_LOCAL_MACHINE";
const std::string Key = "SOFTWARE\\CorvaneDisk\\Option";

std::string text(const std::optional<RegData>& d)
{
    return d && std::holds_alternative<std::string>(*d) ? std::get<std::string>(*d) : "<none>";
}
} // namespace

TEST(SettingsStore, AwkwardTextsSurviveARestart)
{
    TempDir dir;
    const std::string nasty[] = {
        "a=b", "\"quoted\"", "C:\\dir\\", "two\r\nlines\nand\rmore", "Grüße €", "", " x ",
        "[HKEY_LOCAL_MACHINE\\fake]", "@=\"x\"", "trailing\\",
    };
    {
        RegStore store(dir.file("registry.reg"));
        store.createKey(HKLM, Key);
        int i = 0;
        for (const auto& v : nasty)
            ASSERT_TRUE(store.setValue(HKLM, Key, "v" + std::to_string(i++), RegData(v)));
        store.setValue(HKLM, Key, "Count", RegData(std::uint32_t(0)));
        store.setValue(HKLM, Key, "", RegData(std::string("default")));
    }
    RegStore reopened(dir.file("registry.reg"));
    int i = 0;
    for (const auto& v : nasty)
        EXPECT_EQ(text(reopened.queryValue(HKLM, Key, "v" + std::to_string(i++))), v);
    auto count = reopened.queryValue(HKLM, Key, "count");
    ASSERT_TRUE(count && std::holds_alternative<std::uint32_t>(*count));
    EXPECT_EQ(std::get<std::uint32_t>(*count), 0u);
    EXPECT_EQ(text(reopened.queryValue(HKLM, Key, "")), "default");
}

TEST(SettingsStore, KeysAndValueNamesIgnoreCaseAndEnumerateSorted)
{
    TempDir dir;
    RegStore store(dir.file("registry.reg"));
    store.createKey(HKLM, "SOFTWARE\\CorvaneDisk\\FileType\\Text documents");
    store.createKey(HKLM, "Software\\CorvaneDisk\\FileType\\All Files");
    store.createKey(HKLM, "SoftWare\\corvanedisk\\filetype\\executable files");
    EXPECT_TRUE(store.setValue(HKLM, "software\\CORVANEDISK\\FILETYPE\\all files", "Pattern",
                               RegData(std::string("*.*"))));
    EXPECT_EQ(text(store.queryValue(HKLM, "SOFTWARE\\CorvaneDisk\\FileType\\All Files", "PATTERN")),
              "*.*");
    auto names = store.enumKeys(HKLM, "SOFTWARE\\CorvaneDisk\\FileType");
    ASSERT_TRUE(names);
    EXPECT_EQ(*names, (std::vector<std::string>{"All Files", "executable files", "Text documents"}));
    EXPECT_FALSE(store.enumKeys(HKLM, "SOFTWARE\\Nothing"));
}

TEST(SettingsStore, WritingToAMissingKeyWritesNothingAndDeleteKeyRemovesTheBranch)
{
    TempDir dir;
    RegStore store(dir.file("registry.reg"));
    EXPECT_FALSE(store.setValue(HKLM, Key, "Recursive", RegData(std::string("True"))));
    EXPECT_FALSE(store.keyExists(HKLM, Key));
    store.createKey(HKLM, Key + std::string("\\Pos"));
    store.setValue(HKLM, Key, "Recursive", RegData(std::string("True")));
    store.deleteValue(HKLM, Key, "Recursive");
    EXPECT_FALSE(store.queryValue(HKLM, Key, "Recursive"));
    EXPECT_TRUE(store.keyExists(HKLM, Key + std::string("\\Pos")));
    store.deleteKey(HKLM, "SOFTWARE\\CorvaneDisk");
    EXPECT_FALSE(store.keyExists(HKLM, Key));
    EXPECT_TRUE(store.keyExists(HKLM, "SOFTWARE"));
}

TEST(SettingsStore, DamagedFileIsReportedOnceKeptAsideAndItsGoodLinesSurvive)
{
    TempDir dir;
    std::string damaged = "Windows Registry Editor Version 5.00\r\n\r\n"
                          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\CorvaneDisk\\Option]\r\n"
                          "\"Recursive\"=\"True\"\r\n"
                          "\"Broken=\"unterminated\r\n"
                          "garbage \x01\x02 line\r\n"
                          "\"Count\"=dword:0000002a\r\n";
    dir.write("registry.reg", damaged);
    RecordingPrompter rec;
    RegStore store(dir.file("registry.reg"));
    EXPECT_EQ(text(store.queryValue(HKLM, Key, "Recursive")), "True");
    EXPECT_EQ(std::get<std::uint32_t>(*store.queryValue(HKLM, Key, "Count")), 42u);
    EXPECT_TRUE(store.keyExists(HKLM, Key));
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_NE(rec.boxes[0].text.find("damaged"), std::string::npos);

    int copies = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.path()))
        if (e.path().filename().string().starts_with("registry.reg.damaged-")) {
            ++copies;
            EXPECT_EQ(ReadFileBytes(e.path().string()), damaged);
        }
    EXPECT_EQ(copies, 1);
}

TEST(SettingsStore, BinaryGarbageNeverCrashesAndUnreadableFileIsNotReplaced)
{
    TempDir dir;
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += char((i * 7919) & 0xFF);
    dir.write("registry.reg", junk);
    RecordingPrompter rec;
    RegStore store(dir.file("registry.reg"));
    store.createKey(HKLM, Key);
    EXPECT_TRUE(store.setValue(HKLM, Key, "A", RegData(std::string("1"))));
    EXPECT_EQ(text(store.queryValue(HKLM, Key, "A")), "1");

    if (geteuid() != 0) { // root reads everything
        TempDir locked;
        locked.write("registry.reg", "[HKEY_LOCAL_MACHINE\\X]\r\n");
        std::filesystem::permissions(locked.file("registry.reg"), std::filesystem::perms::none);
        RegStore s2(locked.file("registry.reg"));
        s2.createKey(HKLM, "Y");
        std::filesystem::permissions(locked.file("registry.reg"), std::filesystem::perms::owner_all);
        EXPECT_EQ(locked.read("registry.reg"), "[HKEY_LOCAL_MACHINE\\X]\r\n");
    }
}

TEST(SettingsStore, TwoProcessesWritingAtOnceLoseNothing)
{
    TempDir dir;
    std::string path = dir.file("registry.reg");
    RegStore(path).createKey(HKLM, Key);
    constexpr int kWriters = 4, kEach = 40;
    std::vector<pid_t> pids;
    for (int w = 0; w < kWriters; ++w) {
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            RegStore store(path);
            for (int i = 0; i < kEach; ++i)
                store.setValue(HKLM, Key, "w" + std::to_string(w) + "_" + std::to_string(i),
                               RegData(std::uint32_t(i)));
            _exit(0);
        }
        pids.push_back(pid);
    }
    for (pid_t pid : pids) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_EQ(status, 0);
    }
    RegStore store(path);
    for (int w = 0; w < kWriters; ++w)
        for (int i = 0; i < kEach; ++i)
            EXPECT_TRUE(store.queryValue(HKLM, Key, "w" + std::to_string(w) + "_" + std::to_string(i)))
                << w << " " << i;
}

TEST(SettingsStore, KeyNamesWithLineBreaksCannotDamageTheFile)
{
    TempDir dir;
    RecordingPrompter prompter;
    const std::string odd = "SOFTWARE\\CorvaneDisk\\FileType\\two\nlines]\r\n[HKEY_LOCAL_MACHINE\\x 100%25";
    {
        RegStore store(dir.file("registry.reg"));
        store.createKey(HKLM, odd);
        store.createKey(HKLM, "SOFTWARE\\CorvaneDisk\\FileType\\All Files");
        ASSERT_TRUE(store.setValue(HKLM, odd, "", RegData(std::string("*.txt"))));
    }
    RegStore reopened(dir.file("registry.reg"));
    EXPECT_EQ(text(reopened.queryValue(HKLM, odd, "")), "*.txt");
    auto names = reopened.enumKeys(HKLM, "SOFTWARE\\CorvaneDisk\\FileType");
    ASSERT_TRUE(names);
    EXPECT_EQ(*names, (std::vector<std::string>{"All Files", "two\nlines]\r\n[HKEY_LOCAL_MACHINE"}));
    EXPECT_TRUE(reopened.keyExists(HKLM, "SOFTWARE\\CorvaneDisk\\FileType\\two\nlines]\r\n[HKEY_LOCAL_MACHINE\\x 100%25"));
    EXPECT_TRUE(prompter.boxes.empty()); // the file was never damaged
}
