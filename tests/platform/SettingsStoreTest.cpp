#include "platform/settings/RegStore.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr std::string_view HKLM = "HKEY_LOCAL_MACHINE";
const std::string Key = "SOFTWARE\\CorvaneDisk\\Option";

std::string text(const std::optional<RegData>& d)
{
    return d && std::holds_alternative<std::string>(*d) ? std::get<std::string>(*d) : "<none>";
}

// A key is there when its subkeys can be listed, as the settings code asks.
bool keyExists(RegStore& store, std::string_view path)
{
    return store.enumKeys(HKLM, path).has_value();
}
} // namespace

TEST(SettingsStore, AwkwardTextsSurviveARestart)
{
    TempDir dir;
    const std::string nasty[] = {
        "a=b",     "\"quoted\"", "C:\\dir\\", "two\r\nlines\nand\rmore",
        "Grüße €", "",           " x ",       "[HKEY_LOCAL_MACHINE\\fake]",
        "@=\"x\"", "trailing\\",
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
    EXPECT_TRUE(
        store.setValue(HKLM, "software\\CORVANEDISK\\FILETYPE\\all files", "Pattern", RegData(std::string("*.*"))));
    EXPECT_EQ(text(store.queryValue(HKLM, "SOFTWARE\\CorvaneDisk\\FileType\\All Files", "PATTERN")), "*.*");
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
    EXPECT_FALSE(keyExists(store, Key));
    store.createKey(HKLM, Key + std::string("\\Pos"));
    store.setValue(HKLM, Key, "Recursive", RegData(std::string("True")));
    EXPECT_TRUE(store.queryValue(HKLM, Key, "Recursive"));
    EXPECT_TRUE(keyExists(store, Key + std::string("\\Pos")));
    store.deleteKey(HKLM, "SOFTWARE\\CorvaneDisk");
    EXPECT_FALSE(keyExists(store, Key));
    EXPECT_TRUE(keyExists(store, "SOFTWARE"));
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
    EXPECT_TRUE(keyExists(store, Key));
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

TEST(SettingsStore, AnEarlierDamagedCopyOfTheSameSecondIsNeverReplaced)
{
    TempDir dir;
    const std::string damaged = "Windows Registry Editor Version 5.00\r\n\r\n"
                                "[HKEY_LOCAL_MACHINE\\SOFTWARE\\CorvaneDisk\\Option]\r\n"
                                "\"Recursive\"=\"True\"\r\n"
                                "garbage\r\n";
    dir.write("registry.reg", damaged);
    // The copies of this second and the next two (a clock set back gives them too).
    std::vector<std::string> earlier;
    for (std::time_t t = std::time(nullptr), end = t + 3; t < end; ++t) {
        std::tm local{};
        localtime_r(&t, &local);
        char stamp[32];
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
        earlier.push_back(dir.write(std::string("registry.reg.damaged-") + stamp, "an earlier copy"));
    }
    RecordingPrompter rec;
    RegStore store(dir.file("registry.reg"));
    EXPECT_EQ(text(store.queryValue(HKLM, Key, "Recursive")), "True");
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_TRUE(rec.boxes[0].text.ends_with("The readable settings are kept.")) << rec.boxes[0].text;
    for (const std::string& copy : earlier)
        EXPECT_EQ(ReadFileBytes(copy), "an earlier copy");
    EXPECT_EQ(dir.read("registry.reg"), damaged);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 4);
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
                store.setValue(HKLM, Key, "w" + std::to_string(w) + "_" + std::to_string(i), RegData(std::uint32_t(i)));
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
    EXPECT_TRUE(keyExists(reopened, "SOFTWARE\\CorvaneDisk\\FileType\\two\nlines]\r\n[HKEY_LOCAL_MACHINE\\x 100%25"));
    EXPECT_TRUE(prompter.boxes.empty()); // the file was never damaged
}

TEST(SettingsStore, DeepKeysAreDamageAndTheFileGrowsOnlyWithItsKeys)
{
    TempDir dir;
    RecordingPrompter rec;
    std::string deep = "[HKEY_LOCAL_MACHINE";
    for (int i = 0; i < 50000; ++i)
        deep += "\\k";
    const std::string file = "Windows Registry Editor Version 5.00\r\n\r\n" + deep +
                             "]\r\n\"v\"=\"1\"\r\n\r\n"
                             "[HKEY_LOCAL_MACHINE\\" +
                             Key + "]\r\n\"Recursive\"=\"True\"\r\n";
    dir.write("registry.reg", file);
    {
        RegStore store(dir.file("registry.reg"));
        EXPECT_EQ(text(store.queryValue(HKLM, Key, "Recursive")), "True");
        ASSERT_EQ(rec.boxes.size(), 1u);
        EXPECT_NE(rec.boxes[0].text.find("damaged (2 unreadable line(s), first at line 3)"), std::string::npos);
    }
    EXPECT_LT(dir.read("registry.reg").size(), std::size_t(200));

    // As deep as the file takes: written as one section, not one for every level.
    std::string path = "SOFTWARE";
    for (std::size_t level = 2; level < MaxKeyDepth; ++level)
        path += "\\level " + std::to_string(level);
    RegStore store(dir.file("registry.reg"));
    store.createKey(HKLM, path);
    ASSERT_TRUE(store.setValue(HKLM, path, "v", RegData(std::string("deep"))));
    EXPECT_LT(dir.read("registry.reg").size(), 2 * path.size());
    EXPECT_EQ(text(RegStore(dir.file("registry.reg")).queryValue(HKLM, path, "v")), "deep");
    store.createKey(HKLM, path + "\\one too many");
    EXPECT_FALSE(keyExists(store, path + "\\one too many"));
    EXPECT_EQ(rec.boxes.size(), 1u);
}

TEST(SettingsStore, FifoOrDeviceIsUnusableAndLeftAlone)
{
    alarm(30); // a store that waits on the FIFO fails here rather than hanging
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("registry.reg").c_str(), 0600), 0);
    RecordingPrompter rec;
    {
        RegStore store(dir.file("registry.reg"));
        store.createKey(HKLM, Key);
        EXPECT_FALSE(store.setValue(HKLM, Key, "A", RegData(std::string("1"))));
        EXPECT_FALSE(store.queryValue(HKLM, Key, "A"));
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir.file("registry.reg")));
    std::filesystem::create_symlink("/dev/zero", dir.file("zero.reg"));
    RegStore zero(dir.file("zero.reg"));
    zero.createKey(HKLM, Key);
    EXPECT_FALSE(zero.queryValue(HKLM, Key, "A"));
    EXPECT_EQ(std::filesystem::read_symlink(dir.file("zero.reg")), "/dev/zero");
    ASSERT_EQ(rec.boxes.size(), 2u); // once for each store
    EXPECT_NE(rec.boxes[0].text.find("cannot be read; default settings are used"), std::string::npos);
    alarm(0);
}

TEST(SettingsStore, LinkedFileIsWrittenThroughAndADanglingLinkIsAnError)
{
    TempDir dir;
    RecordingPrompter rec;
    dir.write("dotfiles/registry.reg", "");
    std::filesystem::create_symlink("dotfiles/registry.reg", dir.file("registry.reg"));
    {
        RegStore store(dir.file("registry.reg"));
        store.createKey(HKLM, Key);
        ASSERT_TRUE(store.setValue(HKLM, Key, "A", RegData(std::string("linked"))));
    }
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("registry.reg")));
    EXPECT_NE(dir.read("dotfiles/registry.reg").find("\"A\"=\"linked\""), std::string::npos);
    EXPECT_TRUE(rec.boxes.empty());

    std::filesystem::create_symlink("dotfiles/gone.reg", dir.file("dangling.reg"));
    RegStore dangling(dir.file("dangling.reg"));
    dangling.createKey(HKLM, Key);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("dangling.reg")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("dotfiles/gone.reg")));
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_NE(rec.boxes[0].text.find("cannot be written"), std::string::npos);
}

TEST(SettingsStore, AFolderThatCannotBeWrittenIsSaidOnceBeforeAnyChangeIsLost)
{
    TempDir dir;
    RecordingPrompter rec;
    const std::string file = dir.file("config/registry.reg");
    {
        RegStore store(file);
        store.createKey(HKLM, Key);
        ASSERT_TRUE(store.setValue(HKLM, Key, "A", RegData(std::string("kept"))));
        store.reportIfUnwritable();
    }
    EXPECT_TRUE(rec.boxes.empty());
    EXPECT_EQ(NamesIn(dir.file("config")), std::set<std::string>{"registry.reg"}); // the probe left nothing
    const std::string before = dir.read("config/registry.reg");

    ReadOnlyFolder readOnly(dir.file("config"));
    if (!readOnly.made())
        GTEST_SKIP() << "no folder can be made read-only here";
    RegStore store(file);
    EXPECT_EQ(text(store.queryValue(HKLM, Key, "A")), "kept");
    // Said at once, though nothing has been changed yet.
    store.reportIfUnwritable();
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].text, "The settings file " + file + " cannot be written; changed settings are lost.");
    EXPECT_EQ(rec.boxes[0].icon, MsgIcon::Exclamation);
    store.setValue(HKLM, Key, "A", RegData(std::string("changed")));
    store.reportIfUnwritable();
    EXPECT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(dir.read("config/registry.reg"), before);
}
