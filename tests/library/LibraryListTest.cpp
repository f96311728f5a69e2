#include "browser/CatalogBrowser.h"
#include "gui/WindowRegistry.h"
#include "gui/jobs/JobRunner.h"
#include "library/CatalogPropertiesDialog.h"
#include "library/LibraryList.h"
#include "library/LibraryModel.h"
#include "tests/library/LibraryFixtures.h"
#include "tests/support/CheckedModel.h"
#include "tests/support/NamedControl.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

namespace {

struct LibraryListTest : ::testing::Test {
    TestWorld world;
    MainWindow* main = nullptr;
    std::unique_ptr<QAbstractItemModelTester> checker;

    std::string catalog(const std::string& name, const HeaderFields& h = HeaderFields(), const std::string& body = {})
    {
        return world.home.write("dat/" + name, CatalogHeaderText(h) + body);
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(world.lib() + name); }
    std::string text(const std::string& name) const { return world.home.read("dat/" + name); }

    // The main window on its LIB layer.
    void showLibrary()
    {
        main = &StartMainWindow(world);
        SendKey(main, Qt::Key_L, Qt::ControlModifier);
        ASSERT_EQ(main->currentLayer(), MainWindow::Layer::Lib);
        checker = CheckModel(model());
    }
    LibraryModel& model() { return main->library().model(); }
    QTreeView& view() { return Control<QTreeView>(*main, "LVLib"); }
    QStringList column(int c)
    {
        QStringList cells;
        for (int r = 0; r < model().rowCount(); ++r)
            cells << model().index(r, c).data().toString();
        return cells;
    }
    QStringList names() { return column(LibraryModel::Name); }
    void clickHeader(int c)
    {
        QHeaderView* h = view().header();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(c) + h->sectionSize(c) / 2, h->height() / 2));
    }
    QPoint rowPoint(const QString& name)
    {
        return view().visualRect(model().index(model().rowOfFile(name), 0)).center();
    }
    void selectRow(const QString& name) { QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, rowPoint(name)); }
    void rightClick(const QString& name) { QTest::mouseClick(view().viewport(), Qt::RightButton, {}, rowPoint(name)); }
    // F2 on the selected row, the label typed, Enter: as a person renames.
    void typeLabel(const QString& typed)
    {
        SendKey(&view(), Qt::Key_F2);
        auto* editor = view().viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->setText(typed);
        SendKey(editor, Qt::Key_Return);
        QApplication::processEvents();
        QApplication::processEvents();
    }
    std::vector<std::string> files() const
    {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(world.lib()))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
};

} // namespace

TEST_F(LibraryListTest, HeaderClicksSortTypedValuesDescendingFirstThenFlipOrKeepTheOrder)
{
    catalog("a.dat", HeaderFields().Free("9 MB"));
    catalog("b.dat", HeaderFields().Free("100 MB"));
    catalog("c.dat", HeaderFields().Free("10 MB"));
    catalog("d.dat", HeaderFields().Free("-5 MB"));
    world.home.write("dat/e.dat", "no catalog\r\n"); // no values: first ascending, last descending
    // Same day at two times, and a year earlier.
    SetModificationTime(world.lib() + "a.dat", 1104580800); // 01/01/2005 12:00:00
    SetModificationTime(world.lib() + "b.dat", 1104537600); // 01/01/2005 00:00:00
    SetModificationTime(world.lib() + "c.dat", 1072958400); // 01/01/2004 12:00:00
    SetModificationTime(world.lib() + "d.dat", 1104620400); // 01/01/2005 23:00:00
    SetModificationTime(world.lib() + "e.dat", 946728000);  // 01/01/2000 12:00:00
    showLibrary();
    const QStringList before = names();
    const QStringList freeBefore = column(LibraryModel::Free);
    QHeaderView* header = view().header();
    selectRow("c.dat");

    clickHeader(LibraryModel::Free);
    EXPECT_EQ(names(), QStringList({"b.dat", "c.dat", "a.dat", "d.dat", "e.dat"}));
    EXPECT_EQ(header->sortIndicatorSection(), LibraryModel::Free);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    clickHeader(LibraryModel::Free);
    EXPECT_EQ(names(), QStringList({"e.dat", "d.dat", "a.dat", "c.dat", "b.dat"}));
    EXPECT_EQ(view().selectionModel()->selectedRows().at(0).row(), 3);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    clickHeader(LibraryModel::Free);
    EXPECT_EQ(names(), QStringList({"b.dat", "c.dat", "a.dat", "d.dat", "e.dat"}));

    // Another column keeps the direction; the arrow moves to it alone.
    clickHeader(LibraryModel::Date);
    EXPECT_EQ(names(), QStringList({"d.dat", "a.dat", "b.dat", "c.dat", "e.dat"}));
    EXPECT_EQ(header->sortIndicatorSection(), LibraryModel::Date);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    clickHeader(LibraryModel::Date);
    EXPECT_EQ(names(), QStringList({"e.dat", "c.dat", "b.dat", "a.dat", "d.dat"}));

    // The cells read as before: only the order changed.
    clickHeader(LibraryModel::Name);
    EXPECT_EQ(names(), QStringList({"a.dat", "b.dat", "c.dat", "d.dat", "e.dat"}));
    QStringList now = names(), freeNow = column(LibraryModel::Free);
    for (int i = 0; i < before.size(); ++i)
        EXPECT_EQ(freeNow[now.indexOf(before[i])], freeBefore[i]);
    EXPECT_EQ(column(LibraryModel::Free).filter(" MB").size(), 4);

    // A refill (here: entering the layer again) keeps the sort.
    SendKey(main, Qt::Key_S, Qt::ControlModifier);
    SendKey(main, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(names(), QStringList({"a.dat", "b.dat", "c.dat", "d.dat", "e.dat"}));
    EXPECT_EQ(header->sortIndicatorSection(), LibraryModel::Name);
    EXPECT_EQ(main->library().selectedCatalog(), "c.dat"); // the selection followed every sort
}

TEST_F(LibraryListTest, DamagedAndUnusualCatalogsAreListedAndNothingIsSaid)
{
    world.home.write("dat/empty.dat", "");
    world.home.write("dat/short.dat", ">Fixed\r\n>Serial 1\r\n>Volume X\r\n");
    world.home.write("dat/notes.dat", "just some text\n");
    std::filesystem::copy_file(CORVANE_FIXTURES "/catalogs/windows1252.dat", world.lib() + "legacy.dat");
    catalog("Été 2004 photos.dat", HeaderFields().Type("Ram Disk").Comment("two\x01lines"));
    showLibrary();
    EXPECT_EQ(names(), QStringList({"empty.dat", "legacy.dat", "notes.dat", "short.dat", "Été 2004 photos.dat"}));
    const int legacy = model().rowOfFile("legacy.dat");
    EXPECT_EQ(model().index(legacy, LibraryModel::Root).data().toString(), QString::fromUtf8("C:\\Données"));
    EXPECT_EQ(model().index(legacy, LibraryModel::Free).data().toString(), "1024 MB");
    const int empty = model().rowOfFile("empty.dat");
    for (int c = LibraryModel::Root; c < LibraryModel::ColumnCount; ++c)
        EXPECT_TRUE(model().index(empty, c).data().toString().isEmpty());
    const int summer = model().rowOfFile(QString::fromUtf8("Été 2004 photos.dat"));
    EXPECT_EQ(model().index(summer, LibraryModel::Comment).data().toString(), QStringLiteral("two\x01lines"));
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
}

TEST_F(LibraryListTest, LabelEditRenamesTheCatalogFile)
{
    const std::string content = CatalogHeaderText(HeaderFields());
    catalog("Old.dat");
    catalog("Other.dat", HeaderFields().Comment("the other one"));
    showLibrary();
    selectRow("Old.dat");

    typeLabel("  Old.dat "); // unchanged once trimmed: no question, nothing touched
    EXPECT_EQ(files(), (std::vector<std::string>{"Old.dat", "Other.dat"}));
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());

    typeLabel("New"); // the extension is added, or the library would lose it
    EXPECT_EQ(files(), (std::vector<std::string>{"New.dat", "Other.dat"}));
    EXPECT_EQ(text("New.dat"), content);
    EXPECT_EQ(view().selectionModel()->selectedRows().first().data().toString(), "New.dat");

    for (const char* refused : {"a>b.dat", "x/y", "back\\slash", ".."}) {
        typeLabel(refused);
        ASSERT_FALSE(world.fakes.prompter.boxes.empty());
        EXPECT_EQ(world.fakes.prompter.boxes.back().kind, "message");
    }
    EXPECT_EQ(world.fakes.prompter.boxes.size(), 4u);
    EXPECT_EQ(files(), (std::vector<std::string>{"New.dat", "Other.dat"}));

    world.fakes.prompter.answers = {false}; // onto a taken name, No: both stay, the label too
    typeLabel("Other.dat");
    EXPECT_EQ(world.fakes.prompter.boxes.back().kind, "question");
    EXPECT_EQ(world.fakes.prompter.boxes.back().text, world.texts[TextId::AskReplaceCatalog]);
    EXPECT_EQ(files(), (std::vector<std::string>{"New.dat", "Other.dat"}));
    EXPECT_EQ(names(), QStringList({"New.dat", "Other.dat"}));

    world.fakes.prompter.answers = {true}; // Yes: the renamed catalog replaces the other
    typeLabel("Other.dat");
    EXPECT_EQ(files(), (std::vector<std::string>{"Other.dat"}));
    EXPECT_EQ(text("Other.dat"), content);
    EXPECT_EQ(names(), QStringList({"Other.dat"}));
}

// A link to a catalog, or a hard link of it, is a row of its own: renamed
// onto the catalog it leads to, Yes to the question replaces nothing.
TEST_F(LibraryListTest, ALabelEditOntoTheSameCatalogByAnotherNameKeepsIt)
{
    const std::string content = CatalogHeaderText(HeaderFields().Comment("the only one"));
    catalog("Alpha.dat", HeaderFields().Comment("the only one"));
    std::filesystem::create_symlink("Alpha.dat", world.lib() + "Zlink.dat");
    std::filesystem::create_hard_link(world.lib() + "Alpha.dat", world.lib() + "Hard.dat");
    showLibrary();
    for (const char* name : {"Zlink.dat", "Hard.dat"}) {
        selectRow(name);
        world.fakes.prompter.answers = {true};
        typeLabel("Alpha");
        ASSERT_EQ(world.fakes.prompter.boxes.size(), 2u) << name;
        EXPECT_EQ(world.fakes.prompter.boxes[0].text, world.texts[TextId::AskReplaceCatalog]);
        EXPECT_EQ(world.fakes.prompter.boxes[1].title, "Error");
        EXPECT_NE(world.fakes.prompter.boxes[1].text.find("both are the same catalog file"), std::string::npos);
        world.fakes.prompter.boxes.clear();
        EXPECT_EQ(files(), (std::vector<std::string>{"Alpha.dat", "Hard.dat", "Zlink.dat"}));
        EXPECT_EQ(text("Alpha.dat"), content);
        EXPECT_EQ(names(), QStringList({"Alpha.dat", "Hard.dat", "Zlink.dat"}));
    }
}

TEST_F(LibraryListTest, DeleteAsksFirstAndActsOnTheRowUnderThePointer)
{
    catalog("a.dat");
    catalog("b.dat");
    catalog("c.dat");
    showLibrary();
    selectRow("a.dat");

    world.fakes.prompter.answers = {false};
    SendKey(&view(), Qt::Key_Delete);
    EXPECT_EQ(world.fakes.prompter.boxes.back().text, world.texts[TextId::AskDelete]);
    EXPECT_EQ(files(), (std::vector<std::string>{"a.dat", "b.dat", "c.dat"}));

    world.fakes.prompter.answers = {true};
    SendKey(&view(), Qt::Key_Delete, Qt::ShiftModifier); // any shift state
    EXPECT_EQ(files(), (std::vector<std::string>{"b.dat", "c.dat"}));
    EXPECT_EQ(names(), QStringList({"b.dat", "c.dat"}));

    // b is selected; the menu opened over c deletes c.
    selectRow("b.dat");
    world.fakes.prompter.answers = {true};
    ChooseFromNextMenu("DEL");
    rightClick("c.dat");
    EXPECT_EQ(files(), (std::vector<std::string>{"b.dat"}));

    // Deleted by another program while the menu is open: one clear message.
    world.fakes.prompter.answers = {true};
    std::filesystem::remove(world.lib() + "b.dat");
    const std::size_t boxes = world.fakes.prompter.boxes.size();
    ChooseFromNextMenu("DEL");
    rightClick("b.dat");
    ASSERT_EQ(world.fakes.prompter.boxes.size(), boxes + 2);
    EXPECT_NE(world.fakes.prompter.boxes.back().text.find("File not found"), std::string::npos);
    EXPECT_NE(world.fakes.prompter.boxes.back().text.find("\r\nin CorvaneDisk.frmCorvaneDisk.DeleteCatalog.\r\n"),
              std::string::npos);
    EXPECT_EQ(world.fakes.prompter.boxes.back().title, "Error");
    EXPECT_EQ(model().rowCount(), 0);
}

TEST_F(LibraryListTest, ReportIsWrittenOffTheWindowAndOpened)
{
    catalog("Backup.dat", {}, "\\data\\a.txt>12 Kb/03/04/2001\r\n");
    catalog("Music.dat");
    showLibrary();
    selectRow("Backup.dat");
    SendKey(&view(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier); // Ctrl alone only
    EXPECT_FALSE(world.jobs.isBusy());
    SendKey(&view(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(TestWorld::waitFor([&] { return !world.jobs.isBusy(); }));
    ASSERT_EQ(world.fakes.shell.opened.size(), 1u);
    EXPECT_EQ(world.fakes.shell.opened[0], "file://" + world.home.path() + "/reports/Lib_Backup.html");
    EXPECT_NE(world.home.read("reports/Lib_Backup.html").find("a.txt"), std::string::npos);

    ChooseFromNextMenu("PRINT"); // the menu reports the row under the pointer
    rightClick("Music.dat");
    ASSERT_TRUE(TestWorld::waitFor([&] { return !world.jobs.isBusy(); }));
    ASSERT_EQ(world.fakes.shell.opened.size(), 2u);
    EXPECT_NE(world.fakes.shell.opened[1].find("Lib_Music.html"), std::string::npos);
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
}

TEST_F(LibraryListTest, DoubleClickCtrlOAndTheMenuOpenTheChosenCatalog)
{
    catalog("a.dat");
    catalog("b.dat");
    showLibrary();
    QStringList opened;
    main->library().setCatalogOpener([&](const QString& name) { opened << name; });
    selectRow("b.dat"); // a double click's first click
    QTest::mouseDClick(view().viewport(), Qt::LeftButton, {}, rowPoint("b.dat"));
    SendKey(&view(), Qt::Key_O, Qt::ControlModifier);
    ChooseFromNextMenu("OPEN");
    rightClick("a.dat");
    EXPECT_EQ(opened, QStringList({"b.dat", "b.dat", "a.dat"}));
}

TEST_F(LibraryListTest, ACatalogOpenedWhileOtherWorkRunsOpensWhenThatWorkEnds)
{
    catalog("a.dat", HeaderFields(), "\\x\\f.txt>1 Kb/01/01/2001\r\n");
    showLibrary();
    std::atomic<bool> release{false};
    ASSERT_TRUE(world.holdJobs(release));
    selectRow("a.dat");
    QTest::mouseDClick(view().viewport(), Qt::LeftButton, {}, rowPoint("a.dat"));
    QApplication::processEvents();
    const CatalogBrowser* shown = world.windows.find<CatalogBrowser>();
    EXPECT_TRUE(!shown || !shown->isVisible());
    release = true;
    ASSERT_TRUE(TestWorld::waitFor([&] {
        const CatalogBrowser* lib = world.windows.find<CatalogBrowser>();
        return lib && !world.jobs.runsFor(lib) && lib->loadedCatalog() == "a.dat";
    }));
    EXPECT_TRUE(world.windows.find<CatalogBrowser>()->isVisible());
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
}

TEST_F(LibraryListTest, PropertiesOfTheRowUnderThePointerAlsoWithoutSizes)
{
    catalog("a.dat");
    catalog("zero.dat", HeaderFields().Free("0 MB").Total("0 MB"));
    world.home.write("dat/cut.dat", ">Fixed\r\n>Serial 1\r\n>Volume X\r\n>Free\r\n>Total\r\n>Root Dir \\x\r\n"
                                    ">Recursive Dir True\r\n>Search zip content False\r\n>Enable comment False\r\n"
                                    ">Search *.*\r\n>Comment\r\n");
    showLibrary();
    selectRow("a.dat");
    for (const char* name : {"zero.dat", "cut.dat"}) {
        QString shown;
        TestWorld::whenModal([&](QWidget* w) {
            auto* dialog = qobject_cast<CatalogPropertiesDialog*>(w);
            shown = Control<QLineEdit>(*dialog, "txtName").text() + " " + Control<QLabel>(*dialog, "lblTotal").text();
            dialog->reject();
        });
        ChooseFromNextMenu("PROP");
        rightClick(name);
        EXPECT_EQ(shown, QString::fromLatin1(name).chopped(4) + " 0 MB");
    }
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
    EXPECT_EQ(main->library().selectedCatalog(), "cut.dat");

    // No catalog at all: one message instead of the dialog.
    world.home.write("dat/broken.dat", "x\n");
    SendKey(main, Qt::Key_S, Qt::ControlModifier);
    SendKey(main, Qt::Key_L, Qt::ControlModifier);
    ChooseFromNextMenu("PROP");
    rightClick("broken.dat");
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_NE(world.fakes.prompter.boxes[0].text.find("Invalid file format"), std::string::npos);
    EXPECT_NE(world.fakes.prompter.boxes[0].text.find("\r\nin CorvaneDisk.frmCorvaneDisk.LVLib_MouseUp.\r\n"),
              std::string::npos);
}
