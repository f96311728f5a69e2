#include "gui/services/DesktopShell.h"
#include "gui/services/SystemDesktopActions.h"
#include "tests/gui/services/FakeApplications.h"
#include "tests/support/FakeServices.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QClipboard>

#include <gtest/gtest.h>

namespace {
struct World {
    RecordingPrompter prompter;
    RecordingShell opener;
    FakeApplications apps;
    std::vector<QString> chooserAsked;
    std::optional<QString> chooserAnswer;
    SystemDesktopActions actions{prompter, apps, opener, [this](const QString& path, ApplicationCatalog&) {
                                     chooserAsked.push_back(path);
                                     return chooserAnswer;
                                 }};
};
} // namespace

TEST(SystemDesktopActions, OpenUsesTheAssociatedProgramElseTheChooser)
{
    TempDir dir;
    const QString file = QString::fromStdString(dir.write("notes.xyz", "text"));
    World w;
    w.apps.hasDefault = true;
    w.actions.open(file);
    EXPECT_EQ(w.opener.opened, (std::vector<std::string>{file.toStdString()}));
    EXPECT_TRUE(w.chooserAsked.empty());

    // Nothing associated: the chooser, then the chosen application.
    w.apps.hasDefault = false;
    w.chooserAnswer = QStringLiteral("org.example.Editor.desktop");
    w.actions.open(file);
    EXPECT_EQ(w.opener.opened.size(), 1u);
    EXPECT_EQ(w.chooserAsked, (std::vector<QString>{file}));
    ASSERT_EQ(w.apps.launched.size(), 1u);
    EXPECT_EQ(w.apps.launched[0], std::make_pair(QStringLiteral("org.example.Editor.desktop"), file));

    // Chooser cancelled: nothing starts.
    w.chooserAnswer.reset();
    w.actions.openWith(file);
    EXPECT_EQ(w.chooserAsked.size(), 2u);
    EXPECT_EQ(w.apps.launched.size(), 1u);
    EXPECT_TRUE(w.prompter.boxes.empty());
}

TEST(SystemDesktopActions, EveryActionOnAVanishedFileSaysSoAndDoesNothingElse)
{
    TempDir dir;
    const QString gone = QString::fromStdString(dir.file("gone.txt"));
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
        EXPECT_NE(box.text.find(gone.toStdString()), std::string::npos) << box.text;
        EXPECT_NE(box.text.find("no longer exists"), std::string::npos) << box.text;
    }
    EXPECT_TRUE(w.opener.opened.empty());
    EXPECT_TRUE(w.chooserAsked.empty());
    EXPECT_TRUE(w.apps.launched.empty());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

TEST(SystemDesktopActions, CopyPathPutsTheWholePathOnTheClipboard)
{
    TempDir dir;
    const QString file = QString::fromStdString(dir.write("a b/é 'x'.txt", ""));
    World w;
    w.actions.copyPath(file);
    EXPECT_EQ(QApplication::clipboard()->text(), file);
}

TEST(DesktopShell, FilesGoToTheDesktopActionsAddressesToTheOpener)
{
    FakeDesktopActions desktop;
    RecordingShell addresses;
    DesktopShell shell(desktop, addresses);
    shell.open("/tmp/reports/Lib_a b.html");
    shell.open("file:///tmp/reports/Lib_a%20b.html");
    shell.open("https://example.org/a?b=c");
    using Call = FakeDesktopActions::Call;
    EXPECT_EQ(desktop.calls, (std::vector<Call>{{"open", "/tmp/reports/Lib_a b.html", {}},
                                                {"open", "/tmp/reports/Lib_a b.html", {}}}));
    EXPECT_EQ(addresses.opened, (std::vector<std::string>{"https://example.org/a?b=c"}));
}
