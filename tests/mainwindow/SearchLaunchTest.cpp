#include "engine/registry/Registry.h"
#include "gui/widgets/ButtonWeb.h"
#include "gui/widgets/CheckBoxWeb.h"
#include "results/FindResultsModel.h"
#include "results/SearchResultsWindow.h"
#include "tests/engine/TempLibrary.h"
#include "tests/mainwindow/StartMainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const std::string SearchKey = std::string(AppRegKey) + "\\Search";

struct SearchLaunchTest : ::testing::Test {
    TestWorld world;

    // The main window on its FIND layer.
    MainWindow& start()
    {
        MainWindow& main = StartMainWindow(world);
        QKeyEvent ctrlF(QEvent::KeyPress, Qt::Key_F, Qt::ControlModifier); // the FIND layer
        QApplication::sendEvent(&main, &ctrlF);
        return main;
    }
    // A catalog of the library: the header with driveType, then count lines
    // named prefix1.ext, prefix2.ext...
    void catalog(const std::string& name, const std::string& driveType, const std::string& prefix, int count,
                 const std::string& ext = "txt")
    {
        std::string text = ">" + driveType + std::string(kTestHeader.substr(kTestHeader.find("\r\n")));
        for (int i = 1; i <= count; ++i)
            text += "\\data\\" + prefix + std::to_string(i) + "." + ext + ">1 Kb/01/01/2001\r\n";
        world.home.write("dat/" + name, text);
    }
    // Searches for text as the Search button does; the rows' names.
    std::vector<std::string> find(MainWindow& main, const QString& text)
    {
        Control<QComboBox>(main, "cboFind").setEditText(text);
        Control<ButtonWeb>(main, "BWFind").click();
        EXPECT_TRUE(TestWorld::waitFor([&] { return !main.isBusy(); }));
        std::vector<std::string> names;
        FindResultsModel& rows = world.windows.get<SearchResultsWindow>().results();
        for (int r = 0; r < rows.rowCount(); ++r)
            names.push_back(std::string(rows.row(r)[FindRow::File]));
        return names;
    }
    std::string recent(int i) const
    {
        return QueryValue(HKEY_LOCAL_MACHINE, SearchKey + "\\Recent" + std::to_string(i), "").text();
    }
};

} // namespace

TEST_F(SearchLaunchTest, TheLayersChoicesDecideWhatIsSearched)
{
    catalog("One.dat", "Fixed", "one", 2);
    catalog("Two.dat", "Cd-Rom", "two", 1);
    catalog("Tools.dat", "Fixed", "tool", 1, "exe");
    auto& main = start();
    ASSERT_EQ(Control<QComboBox>(main, "cboListDAT").count(), 4); // all, then One, Tools, Two
    EXPECT_EQ(find(main, "data"), (std::vector<std::string>{"one1.txt", "one2.txt", "tool1.exe", "two1.txt"}));
    EXPECT_TRUE(world.windows.get<SearchResultsWindow>().isVisible());

    Control<QComboBox>(main, "cboListDAT").setCurrentIndex(Control<QComboBox>(main, "cboListDAT").findText("Two.dat"));
    EXPECT_EQ(find(main, "data"), std::vector<std::string>{"two1.txt"});
    Control<QComboBox>(main, "cboListDAT").setCurrentIndex(0);
    Control<QComboBox>(main, "cboTypeDisk").setCurrentIndex(Control<QComboBox>(main, "cboTypeDisk").findText("Fixed"));
    EXPECT_EQ(find(main, "data"), (std::vector<std::string>{"one1.txt", "one2.txt", "tool1.exe"}));
    Control<QComboBox>(main, "cboTypeDisk").setCurrentIndex(0);
    Control<QComboBox>(main, "cboFilter").setCurrentIndex(Control<QComboBox>(main, "cboFilter").findData("*.exe"));
    EXPECT_EQ(find(main, "data"), std::vector<std::string>{"tool1.exe"});
    Control<QComboBox>(main, "cboFilter").setCurrentIndex(0);

    // Sorted results come by name; the header then sorts them.
    Control<CheckBoxWeb>(main, "CBWSort").setValue(true);
    EXPECT_EQ(find(main, "two1 one"), (std::vector<std::string>{"one1.txt", "one2.txt", "two1.txt"}));
    world.windows.get<SearchResultsWindow>().results().clickColumn(FindRow::File);
    EXPECT_EQ(world.windows.get<SearchResultsWindow>().results().row(0)[FindRow::File], "two1.txt");
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
}

TEST_F(SearchLaunchTest, TheHitLimitEndsTheSearchWithOneMessage)
{
    catalog("A.dat", "Fixed", "a", 400);
    catalog("B.dat", "Fixed", "b", 300);
    auto& main = start();
    world.settings.MaxHit = 500;
    EXPECT_EQ(find(main, "kb").size(), 500u);
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_EQ(world.fakes.prompter.boxes[0].text, "The search stopped at the maximum number of hits.");

    Control<CheckBoxWeb>(main, "CBWIgnoreMaxHit").setValue(true); // takes effect at once
    EXPECT_EQ(find(main, "kb").size(), 700u);
    EXPECT_EQ(world.fakes.prompter.boxes.size(), 1u);

    Control<CheckBoxWeb>(main, "CBWIgnoreMaxHit").setValue(false);
    world.settings.MaxHit = 0;
    EXPECT_TRUE(find(main, "kb").empty());
    EXPECT_EQ(world.fakes.prompter.boxes.size(), 2u);
}

TEST_F(SearchLaunchTest, ACatalogThatIsNoCatalogIsToldOnceAndTheOthersAreStillSearched)
{
    catalog("A.dat", "Fixed", "a", 1);
    world.home.write("dat/B.dat", std::string("\x7F"
                                              "ELF\0\0binary",
                                              11));
    catalog("C.dat", "Fixed", "c", 1);
    auto& main = start();
    EXPECT_EQ(find(main, "data"), (std::vector<std::string>{"a1.txt", "c1.txt"}));
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    const std::string& said = world.fakes.prompter.boxes[0].text;
    EXPECT_NE(said.find("Error 321: Invalid file format"), std::string::npos) << said;
    EXPECT_NE(said.find("B.dat"), std::string::npos) << said;
    EXPECT_NE(said.find("in CorvaneDisk.modFindText.FindWordOnFile."), std::string::npos) << said;
}

TEST_F(SearchLaunchTest, RecentSearchesRotateAndSkipRepeatsAndEmptyTexts)
{
    catalog("A.dat", "Fixed", "a", 3);
    auto& main = start();
    world.settings.RecentCount = 3;
    for (const char* text : {"alpha", "beta", "gamma", "delta"})
        find(main, text);
    EXPECT_EQ((std::vector<std::string>{recent(1), recent(2), recent(3), recent(4)}),
              (std::vector<std::string>{"delta", "gamma", "beta", ""}));
    EXPECT_EQ(Control<QComboBox>(main, "cboFind").count(), 4); // the list keeps them all while the program runs
    EXPECT_EQ(Control<QComboBox>(main, "cboFind").itemText(0), "delta");

    find(main, "beta"); // already listed: nothing moves
    EXPECT_EQ(Control<QComboBox>(main, "cboFind").itemText(0), "delta");
    EXPECT_EQ(recent(1), "delta");
    EXPECT_EQ(find(main, "").size(), 3u); // not kept, searched all the same
    EXPECT_EQ(Control<QComboBox>(main, "cboFind").count(), 4);
    EXPECT_EQ(recent(1), "delta");
}

TEST_F(SearchLaunchTest, OneSearchAtATimeAndClosingWaitsForIt)
{
    catalog("Big.dat", "Fixed", "file", 20000);
    auto& main = start();
    Control<QComboBox>(main, "cboFind").setEditText("file");
    Control<ButtonWeb>(main, "BWFind").click();
    EXPECT_TRUE(main.isBusy());
    Control<ButtonWeb>(main, "BWFind").click(); // refused while the first runs
    ASSERT_TRUE(TestWorld::waitFor([&] { return !main.isBusy(); }));
    EXPECT_EQ(world.windows.get<SearchResultsWindow>().results().rowCount(), 500);

    world.settings.IgnoreMaxHit = true;
    Control<ButtonWeb>(main, "BWFind").click();
    main.close(); // stops the search and closes once it has ended
    ASSERT_TRUE(TestWorld::waitFor([&] { return !main.isVisible(); }));
    EXPECT_FALSE(main.isBusy());
    EXPECT_EQ(world.fakes.prompter.boxes.size(), 1u); // the first search's limit
}

TEST_F(SearchLaunchTest, EnterInTheSearchBoxSearchesAsTheButtonDoes)
{
    catalog("One.dat", "Fixed", "one", 2);
    auto& main = start();
    Control<QComboBox>(main, "cboFind").setEditText("one2");
    QTest::keyClick(Control<QComboBox>(main, "cboFind").lineEdit(), Qt::Key_Return);
    ASSERT_TRUE(TestWorld::waitFor([&] { return !main.isBusy(); }));
    FindResultsModel& rows = world.windows.get<SearchResultsWindow>().results();
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.row(0)[FindRow::File], "one2.txt");
    EXPECT_EQ(recent(1), "one2");
    EXPECT_EQ(Control<QComboBox>(main, "cboFind").count(), 1); // the box did not add the text a second time
}

TEST_F(SearchLaunchTest, TheBoxSearchesWhatWasTypedNeverARecentSearchThatBeginsAlike)
{
    catalog("Gpl.dat", "Fixed", "gpl", 3);
    catalog("Oma.dat", "Fixed", "oma", 2);
    catalog("Top.dat", "Fixed", "top", 1);
    auto& main = start();
    find(main, "gpl -gpl2");
    find(main, "oma");
    auto& box = Control<QComboBox>(main, "cboFind");
    QLineEdit& edit = *box.lineEdit();
    main.activateWindow(); // completion would act on the focused box only
    edit.setFocus();
    QApplication::processEvents();
    auto typeAndEnter = [&](const QString& typed) {
        edit.clear();
        QTest::keyClicks(&edit, typed);
        EXPECT_EQ(edit.text(), typed);
        QTest::keyClick(&edit, Qt::Key_Return);
        EXPECT_TRUE(TestWorld::waitFor([&] { return !main.isBusy(); }));
        return world.windows.get<SearchResultsWindow>().results().rowCount();
    };
    EXPECT_EQ(typeAndEnter("gpl"), 3); // not "gpl -gpl2", which leaves one out
    EXPECT_EQ(box.currentText(), "gpl");
    EXPECT_EQ(typeAndEnter("o"), 3); // not "oma", which leaves top1 out
    EXPECT_EQ(recent(1), "o");
    EXPECT_EQ(recent(2), "gpl");
    // The list holds each text once, as it was searched.
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items.append(box.itemText(i));
    EXPECT_EQ(items.join('|').toStdString(), "o|gpl|oma|gpl -gpl2");
}
