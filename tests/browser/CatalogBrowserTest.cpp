#include "browser/CatalogBrowser.h"
#include "browser/SplitBar.h"
#include "engine/catalog/CatalogFile.h"
#include "engine/catalog/CatalogPath.h"
#include "engine/scan/CatalogScan.h"
#include "gui/dialogs/CommentDialog.h"
#include "gui/widgets/CheckBoxWeb.h"
#include "tests/support/CheckedModel.h"
#include "tests/support/NamedControl.h"
#include "tests/support/TestWorld.h"
#include "viewer/FileViewer.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <utime.h>

namespace {

QPlainTextEdit& CommentBox(const CommentDialog& dialog)
{
    return Control<QPlainTextEdit>(dialog, "txtComment");
}

struct CatalogBrowserTest : ::testing::Test {
    TestWorld world;
    CatalogBrowser* lib = nullptr;
    std::unique_ptr<QAbstractItemModelTester> treeChecker, listChecker;

    CatalogBrowserTest()
    {
        world.windows.define(CatalogBrowser::WindowName, [this] { return new CatalogBrowser(world.app); });
        world.windows.define(FileViewer::WindowName, [this] { return new FileViewer(world.app); });
        world.windows.define(CommentDialog::WindowName, [this] { return new CommentDialog(world.app); });
        lib = &world.windows.get<CatalogBrowser>();
        lib->resize(700, 500);
        treeChecker = CheckModel(*folderTree().model());
        listChecker = CheckModel(*fileList().model());
    }

    // A file of the disk to catalogue, with its modification day.
    void diskFile(const std::string& name, std::size_t size, int year, int month, int day)
    {
        const std::string path = world.home.write("disk/" + name, std::string(size, 'x'));
        const QDateTime when(QDate(year, month, day), QTime(12, 0), Qt::UTC);
        const utimbuf times{when.toSecsSinceEpoch(), when.toSecsSinceEpoch()};
        ASSERT_EQ(::utime(path.c_str(), &times), 0);
    }
    // The disk catalogued by the scan into the library as name.
    void catalogue(const std::string& name)
    {
        ScanSession session;
        ScanOptions opts;
        opts.RecursiveDir = true;
        opts.RootDir = world.home.file("disk");
        opts.FilePatterns = "*.*";
        CreateCatalog(opts, session);
        ASSERT_TRUE(SaveFile(session.lines, world.lib() + name, session.problems));
    }
    // The browser's controls, by the names skins and language files know them by.
    QTreeView& folderTree() { return Control<QTreeView>(*lib, "TVPath"); }
    QTreeView& fileList() { return Control<QTreeView>(*lib, "LVPath"); }
    SplitBar& splitBar() { return Control<SplitBar>(*lib, "picSplit"); }
    CheckBoxWeb& viewBox() { return Control<CheckBoxWeb>(*lib, "CBWView"); }
    void load(const std::string& name)
    {
        lib->openCatalog(name);
        ASSERT_TRUE(TestWorld::waitFor([&] { return !world.jobs.runsFor(lib); }));
    }
    QModelIndex node(const QModelIndex& parent, const QString& text)
    {
        QAbstractItemModel* m = folderTree().model();
        for (int r = 0; r < m->rowCount(parent); ++r)
            if (m->index(r, 0, parent).data().toString() == text)
                return m->index(r, 0, parent);
        ADD_FAILURE() << "no folder " << text.toStdString();
        return {};
    }
    QModelIndex root() { return folderTree().model()->index(0, 0); }
    void choose(const QModelIndex& folder) { folderTree().setCurrentIndex(folder); }
    QStringList column(int c)
    {
        QStringList cells;
        QAbstractItemModel* m = fileList().model();
        for (int r = 0; r < m->rowCount(); ++r)
            cells << m->index(r, c).data().toString();
        return cells;
    }
    void clickRow(int row)
    {
        const QRect place = fileList().visualRect(fileList().model()->index(row, 0));
        QTest::mouseClick(fileList().viewport(), Qt::LeftButton, {}, place.center());
    }
    void key(QWidget* target, int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, k, mods);
        QApplication::sendEvent(target, &press);
    }
};

} // namespace

TEST_F(CatalogBrowserTest, LoadsOnAWorkerThenListsAndSortsAFolderFromMemory)
{
    diskFile("a.txt", 9 * 1024, 2004, 1, 1);
    diskFile("b.txt", 10 * 1024, 2003, 12, 31);
    diskFile("c.txt", 100 * 1024, 2005, 6, 1);
    diskFile("sub/d.txt", 1, 2001, 1, 1);
    catalogue("Disk.dat");
    catalogue("Other.dat");

    lib->openCatalog("Disk.dat");
    EXPECT_TRUE(lib->isVisible());
    EXPECT_TRUE(world.jobs.runsFor(lib));
    QWidget* wait = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmWait" && w->isVisible())
            wait = w;
    EXPECT_NE(wait, nullptr);
    lib->openCatalog("Other.dat"); // one load at a time
    ASSERT_TRUE(TestWorld::waitFor([&] { return !world.jobs.runsFor(lib); }));
    EXPECT_EQ(lib->loadedCatalog(), "Disk.dat");
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());

    EXPECT_EQ(root().data().toString().toStdString(), ToCatalogPath(world.home.file("disk")) + "\\");
    EXPECT_EQ(fileList().model()->rowCount(), 0); // nothing listed before a folder is chosen
    choose(root());
    EXPECT_EQ(column(0), (QStringList{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(column(1), (QStringList{"9 Kb", "10 Kb", "100 Kb"}));
    EXPECT_EQ(column(2), (QStringList{"01/01/2004", "31/12/2003", "01/06/2005"}));

    QHeaderView* header = fileList().header();
    emit header->sectionClicked(1); // first click: descending
    EXPECT_EQ(column(0), (QStringList{"c.txt", "b.txt", "a.txt"}));
    emit header->sectionClicked(1);
    EXPECT_EQ(column(0), (QStringList{"a.txt", "b.txt", "c.txt"}));
    emit header->sectionClicked(2); // another column keeps the direction
    EXPECT_EQ(column(0), (QStringList{"b.txt", "a.txt", "c.txt"}));
    EXPECT_EQ(header->sortIndicatorSection(), 2);

    choose(node(root(), "sub"));
    EXPECT_EQ(column(0), QStringList{"d.txt"});
    choose(root()); // listed again in the order chosen last
    EXPECT_EQ(column(0), (QStringList{"b.txt", "a.txt", "c.txt"}));

    // The next catalog replaces the whole tree.
    load("Other.dat");
    EXPECT_EQ(lib->loadedCatalog(), "Other.dat");
    EXPECT_EQ(fileList().model()->rowCount(), 0);
    EXPECT_EQ(folderTree().model()->rowCount(), 1);
}

TEST_F(CatalogBrowserTest, AFolderIsListedByNameAndStaysChosenWhenTheTreeIsClickedBesideIt)
{
    // The catalog holds them in byte order: B.txt before a.txt.
    for (const char* name : {"c.txt", "a.txt", "B.txt"})
        diskFile(name, 1024, 2004, 1, 1);
    catalogue("Disk.dat");
    load("Disk.dat");
    QWidget* tree = folderTree().viewport();
    const QRect rootRow = folderTree().visualRect(root());
    QTest::mouseClick(tree, Qt::LeftButton, {}, rootRow.center());
    EXPECT_EQ(column(0), (QStringList{"a.txt", "B.txt", "c.txt"}));
    emit fileList().header()->sectionClicked(0); // the first click still sorts descending
    const QStringList descending{"c.txt", "B.txt", "a.txt"};
    EXPECT_EQ(column(0), descending);

    const QPoint blank(rootRow.center().x(), tree->height() - 2);
    ASSERT_FALSE(folderTree().indexAt(blank).isValid());
    const auto stillChosen = [&](const char* after) {
        EXPECT_EQ(folderTree().selectionModel()->selectedRows(), QModelIndexList{root()}) << after;
        EXPECT_EQ(column(0), descending) << after;
    };
    QTest::mouseClick(tree, Qt::LeftButton, {}, blank);
    stillChosen("a click beside the folders");
    QTest::mouseClick(tree, Qt::LeftButton, Qt::ControlModifier, rootRow.center());
    stillChosen("Ctrl and a click on the chosen folder");
}

TEST_F(CatalogBrowserTest, F12ChangesExactlyTheRightLineOfTheLoadedCatalog)
{
    const std::string fixture = CORVANE_FIXTURES "/catalogs/windows1252.dat";
    std::filesystem::copy_file(fixture, world.lib() + "w.dat");
    std::filesystem::copy_file(fixture, world.lib() + "other.dat");
    load("w.dat");
    const QModelIndex autres = node(node({}, "D:"), "Autres");
    choose(autres);
    ASSERT_EQ(column(3), QStringList{QString::fromUtf8("prix > 5 €")});
    fileList().setCurrentIndex(fileList().model()->index(0, 0));

    key(&fileList(), Qt::Key_F12, Qt::ShiftModifier); // Shift held: nothing
    TestWorld::whenModal([](QWidget* dialog) {
        auto* edit = qobject_cast<CommentDialog*>(dialog);
        ASSERT_NE(edit, nullptr);
        edit->reject(); // Cancel writes nothing
    });
    key(&fileList(), Qt::Key_F12);
    TestWorld::whenModal([](QWidget* dialog) {
        auto* edit = qobject_cast<CommentDialog*>(dialog);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(CommentBox(*edit).toPlainText(), QString::fromUtf8("prix > 5 €"));
        CommentBox(*edit).setPlainText(QString::fromUtf8("vérifié\ndeux fois"));
        edit->accept();
    });
    const std::string before = ReadFileBytes(fixture);
    EXPECT_EQ(ReadFileBytes(world.lib() + "w.dat"), before);
    key(&fileList(), Qt::Key_F12);

    std::string expected = before;
    const std::string line = "D:\\Autres\\notes.txt>1 Kb/01/01/2000>prix > 5 \x80<";
    expected.replace(expected.find(line), line.size(),
                     "D:\\Autres\\notes.txt>1 Kb/01/01/2000>v\xE9rifi\xE9\x01"
                     "deux fois<");
    EXPECT_EQ(ReadFileBytes(world.lib() + "w.dat"), expected);
    EXPECT_EQ(ReadFileBytes(world.lib() + "other.dat"), before);
    // The first line shows, the whole comment in the tool tip.
    const QModelIndex comment = fileList().model()->index(0, 3);
    EXPECT_EQ(column(3), QStringList{QString::fromUtf8("vérifié")});
    EXPECT_EQ(comment.data(Qt::ToolTipRole), QString::fromUtf8("vérifié\ndeux fois"));
    // The model holds it: the folder shows it when chosen again.
    choose(root());
    choose(autres);
    EXPECT_EQ(fileList().model()->index(0, 3).data(Qt::ToolTipRole), QString::fromUtf8("vérifié\ndeux fois"));
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
}

TEST_F(CatalogBrowserTest, F12ChangesNoRowWhenNothingWasWrittenAndSaysWhy)
{
    const std::string fixture = CORVANE_FIXTURES "/catalogs/windows1252.dat";
    const std::string path = world.lib() + "w.dat";
    std::filesystem::copy_file(fixture, path);
    load("w.dat");
    choose(node(node({}, "D:"), "Autres"));
    fileList().setCurrentIndex(fileList().model()->index(0, 0));
    auto typeNewComment = [] {
        TestWorld::whenModal([](QWidget* dialog) {
            auto* edit = qobject_cast<CommentDialog*>(dialog);
            ASSERT_NE(edit, nullptr);
            CommentBox(*edit).setPlainText("new");
            edit->accept();
        });
    };

    // Rewritten since it was loaded: the line's size is another now.
    std::string changed = ReadFileBytes(fixture);
    const std::string line = "D:\\Autres\\notes.txt>1 Kb/";
    changed.replace(changed.find(line), line.size(), "D:\\Autres\\notes.txt>2 Kb/");
    std::ofstream(path, std::ios::binary | std::ios::trunc) << changed;
    typeNewComment();
    key(&fileList(), Qt::Key_F12);
    EXPECT_EQ(ReadFileBytes(path), changed);
    EXPECT_EQ(column(3), QStringList{QString::fromUtf8("prix > 5 €")});
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_EQ(world.fakes.prompter.boxes[0].kind, "message");
    EXPECT_NE(world.fakes.prompter.boxes[0].text.find("\"w\" no longer holds this entry"), std::string::npos);

    // Gone: the rewrite's error box, and nothing more.
    std::filesystem::remove(path);
    typeNewComment();
    key(&fileList(), Qt::Key_F12);
    EXPECT_EQ(column(3), QStringList{QString::fromUtf8("prix > 5 €")});
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 2u);
    EXPECT_NE(world.fakes.prompter.boxes[1].text.find("Error 53"), std::string::npos);
}

// A legacy name of a Linux disk keeps its bytes: a comment its line cannot
// hold is refused with the reason, and the editor comes back with the text.
TEST_F(CatalogBrowserTest, F12RefusesACommentThatWouldChangeAName)
{
    diskFile("\x81x.txt", 10, 2004, 1, 1);
    catalogue("Disk.dat");
    const std::string before = ReadFileBytes(world.lib() + "Disk.dat");
    load("Disk.dat");
    choose(root());
    fileList().setCurrentIndex(fileList().model()->index(0, 0));

    QString reopened;
    TestWorld::whenModal([&](QWidget* dialog) {
        auto* edit = qobject_cast<CommentDialog*>(dialog);
        ASSERT_NE(edit, nullptr);
        CommentBox(*edit).setPlainText(QString::fromUtf8("日本 vu"));
        edit->accept();
        TestWorld::whenModal([&](QWidget* again) {
            auto* second = qobject_cast<CommentDialog*>(again);
            ASSERT_NE(second, nullptr);
            reopened = CommentBox(*second).toPlainText();
            CommentBox(*second).setPlainText(QString::fromUtf8("déjà vu"));
            second->accept();
        });
    });
    key(&fileList(), Qt::Key_F12);

    EXPECT_EQ(reopened, QString::fromUtf8("日本 vu"));
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_EQ(world.fakes.prompter.boxes[0].kind, "message");
    EXPECT_NE(world.fakes.prompter.boxes[0].text.find("\"Disk\" holds this file's name in the Windows-1252 code "
                                                      "page, which has no \"日本\"; the comment was not written."),
              std::string::npos)
        << world.fakes.prompter.boxes[0].text;
    std::string expected = before;
    expected.insert(expected.find("\r\n", expected.find("\\\x81x.txt>")), ">d\xE9j\xE0 vu<");
    EXPECT_EQ(ReadFileBytes(world.lib() + "Disk.dat"), expected);
    EXPECT_EQ(column(3), QStringList{QString::fromUtf8("déjà vu")});
}

TEST_F(CatalogBrowserTest, TheViewBoxShowsAClickedFileAndClosingTheBrowserHidesTheViewer)
{
    diskFile("notes.txt", 10, 2004, 1, 1);
    QImage(40, 30, QImage::Format_RGB32).save(QString::fromStdString(world.home.file("disk/shot.png")));
    catalogue("Disk.dat");
    load("Disk.dat");
    lib->show();
    choose(root());
    ASSERT_EQ(column(0), (QStringList{"notes.txt", "shot.png"}));

    clickRow(1); // the box is clear: nothing
    EXPECT_EQ(world.windows.find<FileViewer>(), nullptr);
    viewBox().setValue(true);
    EXPECT_TRUE(world.settings.View);
    clickRow(1);
    FileViewer* viewer = world.windows.find<FileViewer>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->state(), FileViewer::State::Picture);
    EXPECT_EQ(viewer->viewFilePath(), world.home.file("disk/shot.png"));
    clickRow(0);
    EXPECT_EQ(viewer->state(), FileViewer::State::Text);

    viewBox().setValue(false);
    EXPECT_FALSE(viewer->isVisible());
    EXPECT_FALSE(world.settings.View);
    viewBox().setValue(true);
    clickRow(0);
    EXPECT_TRUE(viewer->isVisible());

    key(&fileList(), Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(lib->isVisible());
    key(&fileList(), Qt::Key_Escape);
    EXPECT_FALSE(lib->isVisible());
    EXPECT_FALSE(viewer->isVisible());
    key(&folderTree(), Qt::Key_F1);
    EXPECT_EQ(world.fakes.help.contexts, std::vector<int>{1006});
}

// "a>b.txt" and "a?b.txt" share one catalog line ("?" stands for what a line
// cannot hold): neither is viewed from it, and the user is told why; a lone
// "c>d.txt" is viewed as itself.
TEST_F(CatalogBrowserTest, AFileWhoseLineFitsSeveralFilesIsNotViewed)
{
    diskFile("a>b.txt", 10, 2004, 1, 1);
    diskFile("a?b.txt", 10, 2004, 1, 1);
    diskFile("c>d.txt", 10, 2004, 1, 1);
    catalogue("Disk.dat");
    load("Disk.dat");
    // The folder lists a name once, and says so when loaded.
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_NE(world.fakes.prompter.boxes[0].text.find("Error 457"), std::string::npos);
    world.fakes.prompter.boxes.clear();
    lib->show();
    choose(root());
    ASSERT_EQ(column(0), (QStringList{"a?b.txt", "c?d.txt"}));
    viewBox().setValue(true);

    clickRow(0);
    EXPECT_EQ(world.windows.find<FileViewer>(), nullptr);
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_EQ(world.fakes.prompter.boxes[0].kind, "message");
    const std::string disk = world.home.file("disk/");
    EXPECT_EQ(world.fakes.prompter.boxes[0].text, "The catalog writes the names of these files alike, so \"" + disk +
                                                      "a?b.txt\" could be any of them; nothing was done:\n" + disk +
                                                      "a>b.txt\n" + disk + "a?b.txt");

    clickRow(1);
    FileViewer* viewer = world.windows.find<FileViewer>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->state(), FileViewer::State::Text);
    EXPECT_EQ(viewer->viewFilePath(), disk + "c>d.txt");
    EXPECT_EQ(world.fakes.prompter.boxes.size(), 1u);
}

// A row whose file is gone, or stands as a folder now, is missing in the
// viewer, which says so itself: no message box.
TEST_F(CatalogBrowserTest, ARowWhoseFileIsGoneIsMissingInTheViewer)
{
    diskFile("a.txt", 10, 2004, 1, 1);
    diskFile("b.txt", 10, 2004, 1, 1);
    catalogue("Disk.dat");
    load("Disk.dat");
    lib->show();
    choose(root());
    viewBox().setValue(true);
    std::filesystem::remove(world.home.file("disk/a.txt"));
    std::filesystem::remove(world.home.file("disk/b.txt"));
    world.home.write("disk/b.txt/inside.txt", "kept");
    for (int row : {0, 1}) {
        clickRow(row);
        FileViewer* viewer = world.windows.find<FileViewer>();
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(viewer->state(), FileViewer::State::Missing) << row;
    }
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
}

TEST_F(CatalogBrowserTest, ColumnWidthsComeFromTheSettingsAndGoBack)
{
    world.windows.unload(CatalogBrowser::WindowName);
    world.settings.LVPath[1] = 1500.0;
    lib = &world.windows.get<CatalogBrowser>();
    EXPECT_EQ(fileList().columnWidth(0), 180); // 2700 twips, the design width
    EXPECT_EQ(fileList().columnWidth(1), 100);
    fileList().setColumnWidth(3, 200);
    EXPECT_EQ(world.settings.LVPath[3], 3000.0);
}

TEST_F(CatalogBrowserTest, AFileThatIsNoCatalogIsReportedAndShowsNothing)
{
    RecordingPrompter bystander; // the active prompter from here on
    world.home.write("dat/junk.dat", std::string("\x7F"
                                                 "ELF\0\0binary",
                                                 11));
    load("junk.dat");
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_NE(world.fakes.prompter.boxes[0].text.find("Invalid file format"), std::string::npos);
    EXPECT_EQ(folderTree().model()->rowCount(), 0);
    lib->openCatalog("../outside.dat"); // never a name outside the library
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 2u);
    EXPECT_NE(world.fakes.prompter.boxes[1].text.find("\r\nin CorvaneDisk.frmLib.ChargeDAT.\r\n"), std::string::npos);
    EXPECT_FALSE(world.jobs.runsFor(lib));
    EXPECT_TRUE(bystander.boxes.empty()) << bystander.boxes[0].text;
}

TEST_F(CatalogBrowserTest, TheSplitterKeepsTheTreeAtItsLeastWidthAndWideningGrowsTheList)
{
    lib->show();
    const int tree = folderTree().width();
    auto drag = [&](int dx) {
        const QPoint at = splitBar().rect().center();
        const QPoint global = splitBar().mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(&splitBar(), &press);
        QMouseEvent move(QEvent::MouseMove, at + QPoint(dx, 0), global + QPoint(dx, 0), Qt::NoButton, Qt::LeftButton,
                         {});
        QApplication::sendEvent(&splitBar(), &move);
        QMouseEvent release(QEvent::MouseButtonRelease, at + QPoint(dx, 0), global + QPoint(dx, 0), Qt::LeftButton, {},
                            {});
        QApplication::sendEvent(&splitBar(), &release);
    };
    drag(-(tree - 20)); // one move may take the tree below its least width...
    EXPECT_EQ(folderTree().width(), 20);
    drag(5); // ...the next sets it back
    EXPECT_EQ(folderTree().width(), 60);
    drag(-100); // a move that would leave no tree is ignored
    EXPECT_EQ(folderTree().width(), 60);
    drag(40);
    EXPECT_EQ(folderTree().width(), 100);
    EXPECT_EQ(fileList().x(), splitBar().x() + splitBar().width());

    const int list = fileList().width();
    lib->resize(lib->width() + 50, lib->height());
    EXPECT_EQ(folderTree().width(), 100);
    EXPECT_EQ(fileList().width(), list + 50);
}
