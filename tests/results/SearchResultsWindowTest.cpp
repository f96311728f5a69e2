#include "engine/catalog/CatalogPath.h"
#include "engine/scan/CatalogScan.h"
#include "engine/search/LibrarySearch.h"
#include "gui/dialogs/CommentDialog.h"
#include "gui/menu/PopupMenu.h"
#include "mainwindow/WindowMode.h"
#include "results/FindResultsModel.h"
#include "results/SearchResultsWindow.h"
#include "tests/support/CheckedModel.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/NamedControl.h"
#include "tests/support/TestWorld.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

void PrintTo(const QString& s, std::ostream* out)
{
    *out << '"' << s.toStdString() << '"';
}

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t p = 0, nl; (nl = text.find("\r\n", p)) != std::string::npos; p = nl + 2)
        lines.push_back(text.substr(p, nl - p));
    return lines;
}

// The lines of after that differ from before (the files have as many lines).
std::vector<std::string> ChangedLines(const std::string& before, const std::string& after)
{
    const auto a = Lines(before), b = Lines(after);
    EXPECT_EQ(a.size(), b.size());
    std::vector<std::string> changed;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            changed.push_back(b[i]);
    return changed;
}

// A disk catalogued by the real scan into dat/Disk.dat: files, a folder whose
// name holds a dot, a ZIP archive (members, a comment of two lines), an ACE
// archive (a folder entry), and a file whose path ends another file's path.
struct SearchResultsWindowTest : ::testing::Test {
    TestWorld world;
    std::string disk;
    std::unique_ptr<QAbstractItemModelTester> checker;

    SearchResultsWindowTest()
    {
        LoadLanguage(world.fakes.prompter, world.texts, world.app.folders.LangPath, "CorD_eng.lng");
        DefineWindows(world.app);
        disk = world.home.file("disk");
        world.home.write("disk/a.txt", std::string(5 * 1024 + 10, 'a'));
        world.home.write("disk/v1.2/notes.txt", std::string(12 * 1024 + 10, 'n'));
        fs::copy_file(CORVANE_FIXTURES "/archives/sample.zip", disk + "/pack.zip");
        fs::copy_file(CORVANE_FIXTURES "/archives/sample.ace", disk + "/old.ace");
        const std::string b = world.home.write("disk/data/b.txt", "bee");
        const std::string longer = world.home.write("disk/backup" + disk + "/data/b.txt", "bee");
        fs::last_write_time(longer, fs::last_write_time(b));
        scan();
    }
    void scan()
    {
        ScanOptions opts;
        opts.RecursiveDir = opts.SearchZipContent = opts.EnableComment = true;
        opts.RootDir = disk;
        opts.FilePatterns = "*.*";
        ScanSession session;
        CreateCatalog(opts, session);
        ASSERT_TRUE(SaveFile(session.lines, world.lib() + "Disk.dat", session.problems));
    }
    std::string catalog() const { return world.home.read("dat/Disk.dat"); }

    // The window showing the hits of a real search of the library.
    SearchResultsWindow& search(const std::string& expression, const std::string& filter = "*.*", bool sorted = false)
    {
        auto& w = world.windows.get<SearchResultsWindow>();
        checker = CheckModel(w.results());
        w.clearResults(sorted);
        FindRequest request;
        request.LibraryFolder = world.lib();
        request.Expression = expression;
        request.FileFilter = filter;
        FindSession session;
        std::vector<std::vector<FindRow>> batches;
        RunFind(request, session, [&](std::vector<FindHit>&& hits) { batches.push_back(FindRowsOf(hits)); });
        w.appendRows(std::move(batches));
        w.show();
        return w;
    }
    // The list of hits, by the name skins and language files know it by.
    static QTreeView& resultList(const SearchResultsWindow& w) { return Control<QTreeView>(w, "LVFind"); }
    // Selects the first row showing name (of that kind, in a folder whose
    // catalog path ends with dirEnd); its row.
    int select(SearchResultsWindow& w, const std::string& name, HitKind kind = HitKind::File,
               const std::string& dirEnd = "")
    {
        FindResultsModel& m = w.results();
        for (int r = 0; r < m.rowCount(); ++r) {
            const FindRow& row = m.row(r);
            if (row[FindRow::File] == name && row.kind() == kind && row[FindRow::Directory].ends_with(dirEnd)) {
                resultList(w).setCurrentIndex(m.index(r, 0));
                return r;
            }
        }
        ADD_FAILURE() << "no row " << name;
        return -1;
    }
    void key(SearchResultsWindow& w, int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, k, mods);
        QApplication::sendEvent(&resultList(w), &press);
    }
    // The kinds of the boxes shown so far, in order.
    std::vector<std::string> boxes() const
    {
        std::vector<std::string> kinds;
        for (const auto& b : world.fakes.prompter.boxes)
            kinds.push_back(b.kind);
        return kinds;
    }
    std::vector<std::string> opened() const
    {
        std::vector<std::string> paths;
        for (const auto& c : world.fakes.desktop.calls)
            if (c.action == "open")
                paths.push_back(c.path);
        return paths;
    }
    void editComment(SearchResultsWindow& w, const QString& text)
    {
        TestWorld::whenModal([text](QWidget* dialog) {
            auto* editor = qobject_cast<CommentDialog*>(dialog);
            ASSERT_NE(editor, nullptr);
            Control<QPlainTextEdit>(*editor, "txtComment").setPlainText(text);
            editor->accept();
        });
        w.editSelectedComment();
    }
    // What a right-click on the selected row shows: "desktop" (the desktop's
    // menu), "own" (the window's) or "" (nothing); the menu is closed again.
    std::string rightClick(SearchResultsWindow& w, Qt::KeyboardModifiers mods)
    {
        std::string shown;
        // Goes with this call when no menu ran an event loop.
        QTimer closer;
        closer.setSingleShot(true);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            QWidget* popup = QApplication::activePopupWidget();
            if (!popup)
                return;
            shown = qobject_cast<PopupMenu*>(popup) ? "own" : "desktop";
            popup->close();
        });
        closer.start(50);
        const QRect cell = resultList(w).visualRect(resultList(w).currentIndex());
        QMouseEvent release(QEvent::MouseButtonRelease, cell.center(),
                            resultList(w).viewport()->mapToGlobal(cell.center()), Qt::RightButton, Qt::NoButton, mods);
        QApplication::sendEvent(resultList(w).viewport(), &release);
        return shown;
    }
};

} // namespace

TEST_F(SearchResultsWindowTest, KeysActWithTheirOwnModifiersOnly)
{
    SearchResultsWindow& w = search("a.txt");
    key(w, Qt::Key_O, Qt::ControlModifier); // no row chosen yet: nothing
    EXPECT_TRUE(boxes().empty());
    select(w, "a.txt");

    key(w, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(world.fakes.help.contexts, std::vector<int>{1007});
    key(w, Qt::Key_O);
    key(w, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    key(w, Qt::Key_Delete, Qt::ShiftModifier);
    key(w, Qt::Key_F12, Qt::ControlModifier);
    key(w, Qt::Key_P);
    EXPECT_TRUE(boxes().empty());

    world.fakes.prompter.answers = {false, true};
    key(w, Qt::Key_O, Qt::ControlModifier); // Cancel at the insert-disk prompt
    key(w, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(boxes(), (std::vector<std::string>{"okcancel", "okcancel"}));
    EXPECT_EQ(world.fakes.prompter.boxes[0].text, "Please insert the disk Disk");
    EXPECT_EQ(opened(), std::vector<std::string>{disk + "/a.txt"});

    key(w, Qt::Key_Delete); // Cancel at the prompt again
    EXPECT_EQ(boxes().size(), 3u);
    EXPECT_TRUE(fs::exists(disk + "/a.txt"));

    TestWorld::whenModal([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    key(w, Qt::Key_F12);
    EXPECT_FALSE(QApplication::activeModalWidget());

    world.settings.Report.StyleHTML = false;
    key(w, Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(TestWorld::waitFor([&] { return !world.jobs.isBusy(); }));
    EXPECT_EQ(world.fakes.shell.opened, std::vector<std::string>{world.home.file("reports/rep_find.txt")});

    key(w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.results().rowCount(), 1); // hidden with its rows
}

TEST_F(SearchResultsWindowTest, DeleteAsksForTheDiskThenByNameAndDeletesOnYesOnly)
{
    SearchResultsWindow& w = search("a.txt");
    select(w, "a.txt");
    const std::string file = disk + "/a.txt";
    world.fakes.prompter.answers = {false};
    w.deleteSelected();
    world.fakes.prompter.answers = {true, false};
    w.deleteSelected();
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(boxes(), (std::vector<std::string>{"okcancel", "okcancel", "question"}));
    EXPECT_EQ(world.fakes.prompter.boxes[2].text,
              "Do you really want to delete the selected item? a.txt will be removed from the disk.");

    world.fakes.prompter.answers = {true, true};
    w.deleteSelected();
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(w.results().rowCount(), 1);

    // Gone already: said so, and no question.
    world.fakes.prompter.answers = {true, true};
    w.deleteSelected();
    ASSERT_EQ(boxes().size(), 7u);
    EXPECT_EQ(boxes()[6], "message");
    EXPECT_NE(world.fakes.prompter.boxes[6].text.find("no longer exists"), std::string::npos);
}

TEST_F(SearchResultsWindowTest, MoveGoesElsewhereRefusesItsOwnFolderAndAsksBeforeReplacing)
{
    SearchResultsWindow& w = search("notes.txt a.txt");
    const std::string other = world.home.file("other");
    fs::create_directories(other);
    auto& chooser = world.fakes.folderChooser;

    // The file of the dot folder moves; the folder stays.
    select(w, "notes.txt");
    world.fakes.prompter.answers = {true};
    chooser.answers = {QString::fromStdString(disk + "/v1.2")};
    w.moveSelected();
    fs::create_directory_symlink(disk + "/v1.2", world.home.file("alias"));
    world.fakes.prompter.answers = {true};
    chooser.answers = {QString::fromStdString(world.home.file("alias"))}; // the same folder by a link
    w.moveSelected();
    EXPECT_EQ(boxes(), (std::vector<std::string>{"okcancel", "message", "okcancel", "message"}));
    EXPECT_EQ(world.fakes.prompter.boxes[1].text, "The file is already in that folder.");
    EXPECT_TRUE(fs::exists(disk + "/v1.2/notes.txt"));
    EXPECT_EQ(chooser.asked.at(0).title, "Choose a folder");

    world.home.write("other/notes.txt", "old");
    world.fakes.prompter.answers = {true, false};
    chooser.answers = {QString::fromStdString(other)};
    w.moveSelected();
    EXPECT_EQ(world.home.read("other/notes.txt"), "old");
    EXPECT_EQ(world.fakes.prompter.boxes.back().text, "Do you want to overwrite the existing file notes.txt?");
    world.fakes.prompter.answers = {true, true};
    chooser.answers = {QString::fromStdString(other)};
    w.moveSelected();
    EXPECT_EQ(world.home.read("other/notes.txt"), std::string(12 * 1024 + 10, 'n'));
    EXPECT_FALSE(fs::exists(disk + "/v1.2/notes.txt"));
    EXPECT_TRUE(fs::is_directory(disk + "/v1.2"));

    // Another file to another folder; the chooser cancelled moves nothing.
    select(w, "a.txt");
    world.fakes.prompter.answers = {true};
    chooser.answers = {std::nullopt};
    w.moveSelected();
    EXPECT_TRUE(fs::exists(disk + "/a.txt"));
    world.fakes.prompter.answers = {true};
    chooser.answers = {QString::fromStdString(other)};
    w.moveSelected();
    EXPECT_FALSE(fs::exists(disk + "/a.txt"));
    EXPECT_EQ(world.home.read("other/a.txt").size(), 5u * 1024 + 10);
    EXPECT_EQ(w.results().rowCount(), 2); // the rows stay
    EXPECT_EQ(world.fakes.prompter.boxes.back().kind, "okcancel");
}

// The folder mounted a second time elsewhere is still the file's own; the
// mount lives in a child of its own and goes with it.
TEST_F(SearchResultsWindowTest, MoveRefusesItsOwnFolderMountedElsewhere)
{
    SearchResultsWindow& w = search("notes.txt");
    select(w, "notes.txt");
    const std::string bound = world.home.file("bound");
    fs::create_directories(bound);
    const int code = ExitCodeInChild([&] {
        if (!OwnMountNamespace() || !BindMount(disk + "/v1.2", bound))
            return NoMountNamespace;
        world.fakes.prompter.answers = {true, true};
        world.fakes.folderChooser.answers = {QString::fromStdString(bound)};
        w.moveSelected();
        const auto& shown = world.fakes.prompter.boxes;
        return shown.size() == 2 && shown[1].text == "The file is already in that folder." ? 0 : 1;
    });
    if (code == NoMountNamespace)
        GTEST_SKIP() << "no mount namespace for the bind mount";
    EXPECT_EQ(code, 0) << "1: not refused as the same folder, -1: did not end";
    EXPECT_EQ(world.home.read("disk/v1.2/notes.txt"), std::string(12 * 1024 + 10, 'n'));
}

// Each action that fails says where in the common error box, on the
// window's own prompter, and the file stays where it was.
TEST_F(SearchResultsWindowTest, FailedActionsAreReportedOnTheWindowsOwnPrompter)
{
    RecordingPrompter bystander; // the active prompter from here on
    SearchResultsWindow& w = search("a.txt notes.txt");
    auto lastBoxNames = [&](const char* place) {
        const RecordingPrompter::Box& box = world.fakes.prompter.boxes.back();
        EXPECT_EQ(box.title, "Error");
        EXPECT_NE(box.text.find(std::string("\r\nin CorvaneDisk.") + place + ".\r\n"), std::string::npos) << box.text;
    };

    select(w, "a.txt");
    world.fakes.desktop.failure = "the desktop is gone";
    world.fakes.prompter.answers = {true};
    w.openSelected();
    lastBoxNames("frmFind.MenuOpen");
    world.fakes.prompter.answers = {true};
    w.showSelectedProperties();
    lastBoxNames("modFile.ShowProperties");

    // A folder put where the file was while the question waits: unlink refuses it.
    world.fakes.prompter.whileAsked = [&](const RecordingPrompter::Box& box) {
        if (box.kind == "question") {
            fs::remove(disk + "/a.txt");
            fs::create_directory(disk + "/a.txt");
        }
    };
    world.fakes.prompter.answers = {true, true};
    w.deleteSelected();
    world.fakes.prompter.whileAsked = nullptr;
    lastBoxNames("frmFind.MenuDel");
    EXPECT_TRUE(fs::is_directory(disk + "/a.txt"));

    select(w, "notes.txt");
    world.fakes.prompter.answers = {true};
    world.fakes.folderChooser.answers = {QString::fromStdString(world.home.file("nowhere"))};
    w.moveSelected();
    lastBoxNames("frmFind.MenuMove");
    EXPECT_TRUE(fs::exists(disk + "/v1.2/notes.txt"));

    EXPECT_EQ(world.fakes.prompter.boxes.size(), 9u);
    EXPECT_TRUE(bystander.boxes.empty()) << bystander.boxes[0].text;
}

// A folder put where a row's file was is not that file: every action says
// the file no longer exists, and the folder keeps what it holds.
TEST_F(SearchResultsWindowTest, AFolderWhereARowsFileWasIsLeftAlone)
{
    SearchResultsWindow& w = search("a.txt");
    select(w, "a.txt");
    fs::remove(disk + "/a.txt");
    world.home.write("disk/a.txt/inside.txt", "kept");
    const std::string other = world.home.file("other");
    fs::create_directories(other);
    world.fakes.prompter.answers = {true, true, true, true, true, true}; // the disk is in, and yes to any question
    world.fakes.folderChooser.answers = {QString::fromStdString(other)};
    w.openSelected();
    w.showSelectedProperties();
    w.deleteSelected();
    w.moveSelected();
    EXPECT_EQ(rightClick(w, Qt::NoModifier), "own");

    std::vector<std::string> expected;
    for (int i = 0; i < 4; ++i)
        expected.insert(expected.end(), {"okcancel", "message"});
    ASSERT_EQ(boxes(), expected);
    for (std::size_t i = 1; i < expected.size(); i += 2)
        EXPECT_EQ(world.fakes.prompter.boxes[i].text, "\"" + disk + "/a.txt\" no longer exists.");
    EXPECT_TRUE(world.fakes.desktop.calls.empty());
    EXPECT_TRUE(world.fakes.folderChooser.asked.empty());
    EXPECT_EQ(world.home.read("disk/a.txt/inside.txt"), "kept");
    EXPECT_TRUE(fs::is_empty(other));
}

TEST_F(SearchResultsWindowTest, EachRowActsOnTheFileItWasFoundAs)
{
    const std::string zip = disk + "/pack.zip";
    const std::string ace = disk + "/old.ace";
    SearchResultsWindow& w = search("notes.txt docs");
    for (auto [name, kind, in] : {std::tuple{"notes.txt", HitKind::File, ""},
                                  {"docs\\readme.txt", HitKind::Member, "pack.zip"},
                                  {"docs\\", HitKind::ArchiveFolder, "old.ace"}}) {
        select(w, name, kind, in);
        world.fakes.prompter.answers = {true};
        w.openSelected();
    }
    // A folder entry under a filter of types shows as its archive.
    search("docs", "*.ace");
    select(w, "old.ace", HitKind::ArchiveFolder);
    world.fakes.prompter.answers = {true};
    w.showSelectedProperties();
    EXPECT_EQ(opened(), (std::vector<std::string>{disk + "/v1.2/notes.txt", zip, ace}));
    EXPECT_EQ(world.fakes.desktop.calls.back().action, "showProperties");
    EXPECT_EQ(world.fakes.desktop.calls.back().path, ace);

    // Right-click: the desktop's menu for a file that is there, unless a
    // modifier key is held; the window's own menu for a file that is gone.
    EXPECT_EQ(rightClick(w, Qt::NoModifier), "desktop");
    EXPECT_EQ(rightClick(w, Qt::ShiftModifier), "own");
    EXPECT_EQ(rightClick(w, Qt::ControlModifier), "own");
    fs::remove(disk + "/old.ace");
    EXPECT_EQ(rightClick(w, Qt::NoModifier), "own");
}

TEST_F(SearchResultsWindowTest, PathsOfAWindowsCatalogAreNeverLookedForInTheWorkingFolder)
{
    world.home.write("dat/Win.dat", std::string(">Fixed\r\n>Serial 1\r\n>Volume W\r\n>Free 1 MB\r\n>Total 2 MB\r\n"
                                                ">Root Dir C:\\\r\n>Recursive Dir True\r\n>Search zip content False\r\n"
                                                ">Enable comment False\r\n>Search *.*\r\n>Comment \r\n"
                                                "C:\\Docs\\plan.txt>4 Kb/05/06/2007\r\n"));
    // The same name relative to the working folder exists: it must not count.
    const fs::path before = fs::current_path();
    fs::current_path(world.home.file(""));
    const std::string relative = world.home.write("C:/Docs/plan.txt", "not this one");
    SearchResultsWindow& w = search("plan.txt");
    select(w, "plan.txt");
    world.fakes.prompter.answers = {true, true, true, true}; // the disk is in, each time
    w.openSelected();
    w.deleteSelected();
    w.moveSelected();
    w.showSelectedProperties();
    EXPECT_EQ(rightClick(w, Qt::NoModifier), "own");
    fs::current_path(before);
    EXPECT_EQ(boxes(), (std::vector<std::string>{"okcancel", "message", "okcancel", "message", "okcancel", "message",
                                                 "okcancel", "message"}));
    EXPECT_EQ(world.fakes.prompter.boxes[0].text, "Please insert the disk Win");
    EXPECT_EQ(world.fakes.prompter.boxes[1].text, "\"C:/Docs/plan.txt\" no longer exists.");
    EXPECT_TRUE(world.fakes.desktop.calls.empty());
    EXPECT_TRUE(fs::exists(relative));
}

// Two names that read alike: a Latin-1 "\xE9.txt" beside a UTF-8 "é.txt".
// Both rows show "é.txt"; every action of the Latin-1 row acts on its own
// bytes, never on the UTF-8 file.
TEST_F(SearchResultsWindowTest, EveryActionOfARowActsOnTheBytesOfItsOwnLine)
{
    disk = world.home.file("twins");
    const std::string latin = world.home.write("twins/\xE9.txt", "latin");
    const std::string utf8 = world.home.write("twins/\xC3\xA9.txt", "utf8");
    world.home.write("twins/z.txt", "z");
    scan();
    SearchResultsWindow& w = search("txt");
    // The scan lists names in byte order: z.txt, the UTF-8 name, the Latin-1 one.
    ASSERT_EQ(w.results().rowCount(), 3);
    for (int r = 1; r < 3; ++r)
        EXPECT_EQ(w.results().data(w.results().index(r, 0), Qt::DisplayRole), QStringLiteral("é.txt"));
    resultList(w).setCurrentIndex(w.results().index(2, 0));

    const std::string before = catalog();
    editComment(w, "latin one");
    const std::vector<std::string> changed = ChangedLines(before, catalog());
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_TRUE(changed[0].starts_with(ToCatalogPath(latin) + ">")) << changed[0];
    EXPECT_TRUE(changed[0].ends_with(">latin one<")) << changed[0];

    world.fakes.prompter.answers = {true, true};
    w.openSelected();
    w.showSelectedProperties();
    EXPECT_EQ(rightClick(w, Qt::NoModifier), "desktop");
    using Call = FakeDesktopActions::Call;
    EXPECT_EQ(world.fakes.desktop.calls, (std::vector<Call>{{"open", latin, {}}, {"showProperties", latin, {}}}));

    world.fakes.prompter.answers = {true, true};
    w.deleteSelected();
    EXPECT_EQ(world.fakes.prompter.boxes.back().text,
              "Do you really want to delete the selected item? é.txt will be removed from the disk.");
    EXPECT_FALSE(fs::exists(latin));
    EXPECT_EQ(world.home.read("twins/\xC3\xA9.txt"), "utf8");
    // Gone now: said so, though a file of the same shown name is there.
    world.fakes.prompter.answers = {true};
    w.moveSelected();
    EXPECT_EQ(world.fakes.prompter.boxes.back().text, "\"" + disk + "/é.txt\" no longer exists.");
    EXPECT_EQ(rightClick(w, Qt::NoModifier), "own");

    // The UTF-8 row moves its own file.
    const std::string other = world.home.file("other");
    fs::create_directories(other);
    resultList(w).setCurrentIndex(w.results().index(1, 0));
    world.fakes.prompter.answers = {true};
    world.fakes.folderChooser.answers = {QString::fromStdString(other)};
    w.moveSelected();
    EXPECT_FALSE(fs::exists(utf8));
    EXPECT_EQ(world.home.read("other/\xC3\xA9.txt"), "utf8");
    EXPECT_TRUE(fs::exists(disk + "/z.txt"));
}

TEST_F(SearchResultsWindowTest, CommentEditsChangeExactlyTheirOwnLine)
{
    std::string before = catalog();
    // The path of this file ends the path of the one under backup/, which
    // comes first in the catalog.
    SearchResultsWindow& w = search("b.txt");
    ASSERT_EQ(w.results().rowCount(), 2);
    const int row = w.results().row(0)[FindRow::Directory] == ToCatalogPath(disk + "/data/") ? 0 : 1;
    ASSERT_EQ(w.results().row(row)[FindRow::Directory], ToCatalogPath(disk + "/data/"));
    resultList(w).setCurrentIndex(w.results().index(row, 0));
    editComment(w, "the short one");
    std::vector<std::string> changed = ChangedLines(before, catalog());
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].find("backup"), std::string::npos);
    EXPECT_TRUE(changed[0].ends_with(">the short one<"));
    EXPECT_EQ(w.results().data(w.results().index(row, FindRow::Comment), Qt::DisplayRole), "the short one");

    // A member, and the archive's folder entry shown as the archive.
    for (auto [filter, name, kind, marker] :
         {std::tuple{"*.*", "docs\\readme.txt", HitKind::Member, "pack.zip/docs\\readme.txt>"},
          std::tuple{"*.ace", "old.ace", HitKind::ArchiveFolder, "old.ace/docs\\>"}}) {
        before = catalog();
        search("docs", filter);
        select(w, name, kind, kind == HitKind::Member ? "pack.zip" : "");
        editComment(w, "two\nlines > here");
        changed = ChangedLines(before, catalog());
        ASSERT_EQ(changed.size(), 1u) << name;
        EXPECT_NE(changed[0].find(marker), std::string::npos) << changed[0];
        EXPECT_TRUE(changed[0].ends_with(">two\x01lines ? here<")) << changed[0];
    }
    const QModelIndex cell = w.results().index(resultList(w).currentIndex().row(), FindRow::Comment);
    EXPECT_EQ(w.results().data(cell, Qt::DisplayRole), "two");
    EXPECT_EQ(w.results().data(cell, Qt::ToolTipRole), "two\nlines ? here");

    // Unchanged or cancelled: the catalog is not written.
    before = catalog();
    const auto written = fs::last_write_time(world.lib() + "Disk.dat");
    editComment(w, "two\r\nlines ? here");
    TestWorld::whenModal([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    w.editSelectedComment();
    EXPECT_EQ(catalog(), before);
    EXPECT_EQ(fs::last_write_time(world.lib() + "Disk.dat"), written);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(SearchResultsWindowTest, PrintWritesTheRowsInTheOrderShown)
{
    world.settings.Report.StyleHTML = false;
    world.settings.Report.IncludeDir = 0;
    world.settings.Report.IncludeDate = 0;
    SearchResultsWindow& w = search("a.txt notes.txt b.txt", "*.*", true);
    resultList(w).header()->sectionClicked(FindRow::Size); // the first click: largest first
    EXPECT_EQ(resultList(w).header()->sortIndicatorSection(), int(FindRow::Size));
    EXPECT_EQ(resultList(w).header()->sortIndicatorOrder(), Qt::DescendingOrder);
    key(w, Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(TestWorld::waitFor([&] { return !world.jobs.isBusy(); }));
    EXPECT_EQ(world.home.read("reports/rep_find.txt"),
              "File;Size;\r\nnotes.txt;12 Kb;\r\na.txt;5 Kb;\r\nb.txt;0 Kb;\r\nb.txt;0 Kb;\r\n\r\n");

    // A search without sorting keeps the catalog's order, whatever is clicked.
    search("a.txt notes.txt b.txt");
    resultList(w).header()->sectionClicked(FindRow::Size);
    EXPECT_FALSE(resultList(w).header()->isSortIndicatorShown());
    w.writeReport();
    ASSERT_TRUE(TestWorld::waitFor([&] { return !world.jobs.isBusy(); }));
    EXPECT_EQ(world.home.read("reports/rep_find.txt"),
              "File;Size;\r\na.txt;5 Kb;\r\nb.txt;0 Kb;\r\nb.txt;0 Kb;\r\nnotes.txt;12 Kb;\r\n\r\n");
    EXPECT_EQ(world.fakes.shell.opened.size(), 2u);
}

TEST_F(SearchResultsWindowTest, ColumnWidthsComeFromTheSettingsAndGoBackThere)
{
    world.settings.LVFind[1] = 4500;
    SearchResultsWindow& w = search("a.txt");
    EXPECT_EQ(resultList(w).columnWidth(0), 150); // the design's 2250 twips
    EXPECT_EQ(resultList(w).columnWidth(1), 300);
    resultList(w).setColumnWidth(5, 200);
    EXPECT_EQ(world.settings.LVFind[5], 3000);
    EXPECT_EQ(resultList(w).model()->headerData(5, Qt::Horizontal), "Comment");
}

// "a>b.txt" and "a?b.txt" share one catalog line ("?" stands for what a line
// cannot hold): their rows act on neither and say why; a lone "c>d.txt" is
// found as itself.
TEST_F(SearchResultsWindowTest, ARowWhoseLineFitsSeveralFilesTouchesNoneOfThem)
{
    disk = world.home.file("alike");
    const std::string gt = world.home.write("alike/a>b.txt", "gt");
    const std::string question = world.home.write("alike/a?b.txt", "qm");
    const std::string lone = world.home.write("alike/c>d.txt", "cd");
    scan();
    SearchResultsWindow& w = search("txt");
    ASSERT_EQ(w.results().rowCount(), 3);
    const std::string other = world.home.file("other");
    fs::create_directories(other);

    select(w, "a?b.txt");
    world.fakes.prompter.answers = {true, true, true, true, true, true};
    world.fakes.folderChooser.answers = {QString::fromStdString(other)};
    w.openSelected();
    w.showSelectedProperties();
    w.deleteSelected();
    w.moveSelected();
    key(w, Qt::Key_Delete);
    key(w, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(rightClick(w, Qt::NoModifier), ""); // no menu: said so at once
    std::vector<std::string> expected;
    for (int i = 0; i < 6; ++i)
        expected.insert(expected.end(), {"okcancel", "message"});
    expected.push_back("message");
    EXPECT_EQ(boxes(), expected);
    EXPECT_EQ(world.fakes.prompter.boxes[1].text, "The catalog writes the names of these files alike, so \"" + disk +
                                                      "/a?b.txt\" could be any of them; nothing was done:\n" + gt +
                                                      "\n" + question);
    EXPECT_EQ(world.fakes.prompter.boxes.back().text, world.fakes.prompter.boxes[1].text);
    EXPECT_TRUE(world.fakes.desktop.calls.empty());
    EXPECT_TRUE(world.fakes.folderChooser.asked.empty());
    EXPECT_EQ(world.home.read("alike/a>b.txt"), "gt");
    EXPECT_EQ(world.home.read("alike/a?b.txt"), "qm");
    EXPECT_TRUE(fs::is_empty(other));

    // The lone one is opened, shown and deleted as itself.
    select(w, "c?d.txt");
    world.fakes.prompter.answers = {true, true, true, true};
    w.openSelected();
    w.showSelectedProperties();
    EXPECT_EQ(rightClick(w, Qt::NoModifier), "desktop");
    using Call = FakeDesktopActions::Call;
    EXPECT_EQ(world.fakes.desktop.calls, (std::vector<Call>{{"open", lone, {}}, {"showProperties", lone, {}}}));
    w.deleteSelected();
    EXPECT_EQ(world.fakes.prompter.boxes.back().text,
              "Do you really want to delete the selected item? c>d.txt will be removed from the disk.");
    EXPECT_FALSE(fs::exists(lone));

    // With one of the pair gone, the row stands for the other.
    fs::remove(gt);
    select(w, "a?b.txt");
    world.fakes.prompter.answers = {true, true};
    w.deleteSelected();
    EXPECT_FALSE(fs::exists(question));
}
