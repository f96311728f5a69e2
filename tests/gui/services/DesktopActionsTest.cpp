#include "engine/report/ReportFiles.h"
#include "gui/services/DesktopFileMenu.h"
#include "gui/services/DesktopShell.h"
#include "gui/services/SystemDesktopActions.h"
#include "tests/gui/services/FakeApplications.h"
#include "tests/support/FakeServices.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace {
struct World {
    RecordingPrompter prompter;
    RecordingShell opener;
    FakeApplications apps;
    std::vector<std::string> chooserAsked;
    std::optional<QString> chooserAnswer;
    SystemDesktopActions actions{prompter, apps, opener, [this](const std::string& path, ApplicationCatalog&) {
                                     chooserAsked.push_back(path);
                                     return chooserAnswer;
                                 }};
};
} // namespace

TEST(SystemDesktopActions, OpenUsesTheAssociatedProgramElseTheChooser)
{
    TempDir dir;
    const std::string file = dir.write("notes.xyz", "text");
    World w;
    w.apps.hasDefault = true;
    w.actions.open(file);
    EXPECT_EQ(w.opener.opened, (std::vector<std::string>{file}));
    EXPECT_TRUE(w.chooserAsked.empty());

    // Nothing associated: the chooser, then the chosen application.
    w.apps.hasDefault = false;
    w.chooserAnswer = QStringLiteral("org.example.Editor.desktop");
    w.actions.open(file);
    EXPECT_EQ(w.opener.opened.size(), 1u);
    EXPECT_EQ(w.chooserAsked, (std::vector<std::string>{file}));
    ASSERT_EQ(w.apps.launched.size(), 1u);
    EXPECT_EQ(w.apps.launched[0], std::make_pair(QStringLiteral("org.example.Editor.desktop"), file));

    // Chooser cancelled: nothing starts.
    w.chooserAnswer.reset();
    w.actions.openWith(file);
    EXPECT_EQ(w.chooserAsked.size(), 2u);
    EXPECT_EQ(w.apps.launched.size(), 1u);
    EXPECT_TRUE(w.prompter.boxes.empty());
}

// Gone, or a folder put where the file was (after its menu was shown).
TEST(SystemDesktopActions, EveryActionOnAVanishedFileSaysSoAndDoesNothingElse)
{
    TempDir dir;
    const ScopedEnv home("XDG_DATA_HOME", dir.file("data"));
    dir.write("folder.txt/inside.txt", "kept");
    for (const std::string& gone : {dir.file("gone.txt"), dir.file("folder.txt")}) {
        World w;
        w.apps.hasDefault = true;
        QApplication::clipboard()->setText(QStringLiteral("before"));

        w.actions.open(gone);
        w.actions.openWith(gone);
        w.actions.launch(QStringLiteral("org.example.Editor.desktop"), gone);
        w.actions.showInFolder(gone);
        w.actions.copyPath(gone);
        EXPECT_FALSE(w.actions.moveToTrash(gone));
        w.actions.showProperties(gone, nullptr);

        ASSERT_EQ(w.prompter.boxes.size(), 7u);
        for (const RecordingPrompter::Box& box : w.prompter.boxes) {
            EXPECT_EQ(box.kind, "message");
            EXPECT_EQ(box.text, "\"" + gone + "\" no longer exists.");
        }
        EXPECT_TRUE(w.opener.opened.empty());
        EXPECT_TRUE(w.chooserAsked.empty());
        EXPECT_TRUE(w.apps.launched.empty());
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    }
    EXPECT_EQ(dir.read("folder.txt/inside.txt"), "kept");
    EXPECT_FALSE(std::filesystem::exists(dir.file("data/Trash")));
}

TEST(SystemDesktopActions, CopyPathPutsTheWholePathOnTheClipboard)
{
    TempDir dir;
    const std::string file = dir.write("a b/é 'x'.txt", "");
    World w;
    w.actions.copyPath(file);
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromStdString(file));
}

TEST(DesktopShell, FilesGoToTheDesktopActionsAddressesToTheOpener)
{
    FakeDesktopActions desktop;
    RecordingShell addresses;
    DesktopShell shell(desktop, addresses);
    shell.open("/tmp/reports/Lib_a b.html");
    shell.open("file:///tmp/reports/Lib_a%20b.html");
    shell.open(ReportOpenTarget("/tmp/r\xe9ports/Lib_#1.html", true)); // a Latin-1 folder
    shell.open("https://example.org/a?b=c");
    using Call = FakeDesktopActions::Call;
    EXPECT_EQ(desktop.calls, (std::vector<Call>{{"open", "/tmp/reports/Lib_a b.html", {}},
                                                {"open", "/tmp/reports/Lib_a b.html", {}},
                                                {"open", "/tmp/r\xe9ports/Lib_#1.html", {}}}));
    EXPECT_EQ(addresses.opened, (std::vector<std::string>{"https://example.org/a?b=c"}));
}

namespace {
mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}
} // namespace

TEST(SystemDesktopActions, TrashIsMadeWhereTheDesktopLooksAndNothingLandsElsewhere)
{
    TempDir dir;
    const std::string data = dir.file("data");
    const ScopedEnv home("XDG_DATA_HOME", data);
    // The working folder must stay untouched.
    std::filesystem::create_directories(dir.file("work"));
    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.file("work"));
    const std::string latin = dir.write("disk/\xE9 1.txt", "latin");
    const std::string again = dir.write("other/\xE9 1.txt", "again");
    World w;
    const bool first = w.actions.moveToTrash(latin);
    const bool second = w.actions.moveToTrash(again);
    std::filesystem::current_path(cwd);

    EXPECT_TRUE(first);
    EXPECT_TRUE(second);
    EXPECT_TRUE(w.prompter.boxes.empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("work")));
    EXPECT_FALSE(std::filesystem::exists(latin));
    for (const char* folder : {"data/Trash", "data/Trash/files", "data/Trash/info"})
        EXPECT_EQ(ModeOf(dir.file(folder)), 0700u) << folder;
    EXPECT_EQ(dir.read("data/Trash/files/\xE9 1.txt"), "latin");
    EXPECT_EQ(dir.read("data/Trash/files/\xE9 1.txt.2"), "again");
    const std::string info = dir.read("data/Trash/info/\xE9 1.txt.trashinfo");
    EXPECT_TRUE(info.starts_with("[Trash Info]\nPath=" + dir.path() + "/disk/%E9%201.txt\nDeletionDate=")) << info;
    EXPECT_NE(dir.read("data/Trash/info/\xE9 1.txt.2.trashinfo").find("/other/%E9%201.txt\n"), std::string::npos);
}

TEST(SystemDesktopActions, ATrashThatCannotBeMadeIsRefusedAndTheFileStays)
{
    TempDir dir;
    dir.write("blocker", "a file where the data folder would be");
    const ScopedEnv home("XDG_DATA_HOME", dir.file("blocker/data"));
    const std::string file = dir.write("disk/a.txt", "kept");
    World w;
    EXPECT_FALSE(w.actions.moveToTrash(file));
    EXPECT_EQ(dir.read("disk/a.txt"), "kept");
    ASSERT_EQ(w.prompter.boxes.size(), 1u);
    EXPECT_EQ(w.prompter.boxes[0].text, "\"" + file +
                                            "\" could not be moved to the trash: no trash folder can be made on the "
                                            "file's volume");
}

TEST(SystemDesktopActions, APathOfAnotherSystemIsNeverLookedForInTheWorkingFolder)
{
    TempDir dir;
    const ScopedEnv home("XDG_DATA_HOME", dir.file("data"));
    dir.write("C:/Docs/plan.txt", "not this one");
    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    World w;
    FakeDesktopActions fake;
    const bool menu = MakeDesktopFileMenu("C:/Docs/plan.txt", fake, w.prompter, nullptr) != nullptr;
    const bool trashed = w.actions.moveToTrash("C:/Docs/plan.txt");
    std::filesystem::current_path(cwd);
    EXPECT_FALSE(menu);
    EXPECT_FALSE(trashed);
    EXPECT_EQ(dir.read("C:/Docs/plan.txt"), "not this one");
    EXPECT_FALSE(std::filesystem::exists(dir.file("data/Trash")));
}
