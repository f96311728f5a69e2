#include "gui/services/DesktopFileMenu.h"
#include "platform/prompter/ErrorBox.h"
#include "tests/gui/services/FakeApplications.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempDir.h"

#include <QMenu>

#include <gtest/gtest.h>

namespace {
QStringList texts(const QMenu& menu)
{
    QStringList t;
    for (const QAction* a : menu.actions())
        if (!a->isSeparator())
            t << a->text();
    return t;
}

QAction* item(const QMenu& menu, const QString& text)
{
    for (QAction* a : menu.actions())
        if (a->text() == text)
            return a;
    return nullptr;
}
} // namespace

TEST(DesktopFileMenu, OffersTheDesktopActionsForARealFile)
{
    TempDir dir;
    const std::string file = (dir.write("photo.jpg", "jpeg"));
    FakeDesktopActions desktop;
    desktop.apps = {FakeApplications::app("viewer.desktop", "Viewer"), FakeApplications::app("gimp.desktop", "GIMP")};
    RecordingPrompter prompter;
    std::unique_ptr<QMenu> menu = MakeDesktopFileMenu(file, desktop, prompter, nullptr);
    ASSERT_TRUE(menu);
    EXPECT_EQ(texts(*menu), QStringList({"Open", "Open With", "Other Application...", "Show in Folder", "Copy Path",
                                         "Move to Trash", "Properties"}));
    QMenu* with = item(*menu, "Open With")->menu();
    ASSERT_TRUE(with);
    EXPECT_TRUE(with->isEnabled());
    EXPECT_EQ(texts(*with), QStringList({"Viewer", "GIMP"}));
    EXPECT_FALSE(with->actions()[0]->icon().isNull());

    for (const char* text :
         {"Open", "Other Application...", "Show in Folder", "Copy Path", "Move to Trash", "Properties"})
        item(*menu, text)->trigger();
    with->actions()[1]->trigger();
    using Call = FakeDesktopActions::Call;
    EXPECT_EQ(desktop.calls, (std::vector<Call>{{"open", file, {}},
                                                {"openWith", file, {}},
                                                {"showInFolder", file, {}},
                                                {"copyPath", file, {}},
                                                {"moveToTrash", file, {}},
                                                {"showProperties", file, {}},
                                                {"launch", file, "gimp.desktop"}}));
}

TEST(DesktopFileMenu, NoMenuForAMissingFileAndNoApplicationsMeansNoSubmenuChoice)
{
    TempDir dir;
    FakeDesktopActions desktop;
    RecordingPrompter prompter;
    EXPECT_FALSE(MakeDesktopFileMenu(dir.file("gone.jpg"), desktop, prompter, nullptr));
    // A folder where the file was is no file to offer the menu for.
    dir.write("was.jpg/inside.txt", "");
    EXPECT_FALSE(MakeDesktopFileMenu(dir.file("was.jpg"), desktop, prompter, nullptr));
    EXPECT_TRUE(desktop.calls.empty());

    const std::string file = (dir.write("data.unknown", "?"));
    std::unique_ptr<QMenu> menu = MakeDesktopFileMenu(file, desktop, prompter, nullptr);
    ASSERT_TRUE(menu);
    QMenu* with = item(*menu, "Open With")->menu();
    EXPECT_FALSE(with->isEnabled());
    EXPECT_TRUE(item(*menu, "Other Application...")->isEnabled());
}

TEST(DesktopFileMenu, AFailingCommandIsReportedNotThrown)
{
    TempDir dir;
    const std::string file = (dir.write("a.txt", ""));
    struct Failing : FakeDesktopActions {
        void open(const std::string&) override { throw AppError(ErrFileNotFound, "xdg-open is not installed"); }
    } desktop;
    RecordingPrompter prompter;
    std::unique_ptr<QMenu> menu = MakeDesktopFileMenu(file, desktop, prompter, nullptr);
    ASSERT_TRUE(menu);
    item(*menu, "Open")->trigger();
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_NE(prompter.boxes[0].text.find("xdg-open is not installed"), std::string::npos);
}
