#include "engine/registry/Registry.h"
#include "engine/settings/SettingsTable.h"
#include "gui/menu/PopupMenu.h"
#include "gui/widgets/ButtonWeb.h"
#include "gui/widgets/CheckBoxWeb.h"
#include "mainwindow/FolderTree.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/TrayIconMenu.h"
#include "mainwindow/SaveCatalogDialog.h"
#include "mainwindow/ShutdownSignals.h"
#include "mainwindow/WindowMode.h"
#include "skin/default/DefaultSkinPackage.h"
#include "tests/mainwindow/StartMainWindow.h"
#include "tests/support/MenuItem.h"
#include "tests/support/TestWorld.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

namespace {

const std::string Option = std::string(AppRegKey) + "\\Option";

struct MainWindowTest : ::testing::Test {
    TestWorld world;

    MainWindow& start() { return StartMainWindow(world); }
    void key(QWidget* target, int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, k, mods);
        QApplication::sendEvent(target, &press);
    }
    // A folder of a few files to catalogue.
    std::string folder()
    {
        world.home.write("disk/a.txt", "alpha");
        world.home.write("disk/sub/b.txt", std::string(3000, 'b'));
        return world.home.file("disk");
    }
    // Answers the save dialog with a name and a comment (or cancels it).
    void answerSave(const QString& name, const QString& comment, bool save = true)
    {
        TestWorld::whenModal([=](QWidget* w) {
            auto* dialog = qobject_cast<SaveCatalogDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            Control<QLineEdit>(*dialog, "txtName").setText(name);
            Control<QPlainTextEdit>(*dialog, "txtComment").setPlainText(comment);
            if (save)
                QMetaObject::invokeMethod(dialog->findChild<ButtonWeb*>("BWSave"), "clicked");
            else
                dialog->reject();
        });
    }
    void create(MainWindow& main, const std::string& path)
    {
        main.catalogueFolder(QString::fromStdString(path));
        ASSERT_TRUE(TestWorld::waitFor([&] { return !main.isBusy(); }));
    }
    std::vector<std::string> catalogs() const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(world.lib()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

} // namespace

TEST_F(MainWindowTest, StartUpTakesTheDefaultsAndTurnsTheSkinsInListingOrder)
{
    for (const char* name : {"Blue.zip", "Amber.zip", "Cedar.zip"})
        world.home.write(std::string("skin/") + name, BuildDefaultSkinPackage());
    std::filesystem::remove(world.home.file("skin/CorvaneDisk.zip"));
    std::vector<std::string> loaded;
    for (int run = 0; run < 4; ++run) {
        auto& main = start();
        loaded.push_back(world.skin.name());
        EXPECT_EQ(main.currentLayer(), MainWindow::Layer::Cat);
        world.windows.unloadAll();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(loaded, (std::vector<std::string>{"Amber.zip", "Blue.zip", "Cedar.zip", "Amber.zip"}));
    EXPECT_EQ(QueryValue(HKEY_LOCAL_MACHINE, Option, "NextSkin").text(), "Amber.zip");
    EXPECT_TRUE(world.settings.BorderMagnetic);
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
}

TEST_F(MainWindowTest, WithoutAnySkinTheWindowStillWorksAndNothingIsSaid)
{
    std::filesystem::remove(world.home.file("skin/CorvaneDisk.zip"));
    auto& main = start();
    EXPECT_TRUE(world.skin.name().empty());
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
    // The skin menu: options, the skin title, Default, separators, about, exit.
    EXPECT_EQ(Control<PopupMenu>(main, "m_cMenu").itemCount(), 7);
    EXPECT_EQ(Control<PopupMenu>(main, "m_cMenu").key(3), "SKIN:DEFAULT");
    EXPECT_FALSE(main.findChild<QLabel*>("lblRecursive")->text().isEmpty());
}

// Every text the main window shows from the language, its menu included.
static void StoreLanguage(const std::string& file)
{
    const std::string key = std::string(AppRegKey) + "\\Language";
    CreateNewKey(HKEY_LOCAL_MACHINE, key);
    SetKeyValue(HKEY_LOCAL_MACHINE, key, "", file, REG_SZ);
}

static void ExpectNoBlankLabels(MainWindow& main)
{
    for (const char* name :
         {"lblRecursive", "lblSearchZipContent", "lblEnableComment", "lblEjectCD", "lblSearch", "lblStop", "lblFind",
          "lblListDAT", "lblFilter", "lblTypeDisk", "lblIgnoreMaxHit", "lblSort"})
        EXPECT_FALSE(main.findChild<QLabel*>(name)->text().isEmpty()) << name;
    for (int c = 0; c < 6; ++c)
        EXPECT_FALSE(Control<QTreeView>(main, "LVLib").model()->headerData(c, Qt::Horizontal).toString().isEmpty())
            << c;
    EXPECT_EQ(MenuItem(Control<PopupMenu>(main, "m_cMenu"), "OPTION").text(), "Properties...     F5");
    EXPECT_EQ(Control<QComboBox>(main, "cboTypeDisk").itemText(0), "All");
}

TEST_F(MainWindowTest, AStoredLanguageThatIsGoneGivesEnglishAndOneMessage)
{
    StoreLanguage("CorD_deu.lng");
    world.home.write("language/CorD_eng.lng", "[Text]\r\n9=From the file\r\n46=Properties\r\n");
    auto& main = start();
    EXPECT_EQ(main.findChild<QLabel*>("lblRecursive")->text(), "From the file");
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    const std::string& said = world.fakes.prompter.boxes[0].text;
    EXPECT_NE(said.find("\"CorD_deu.lng\" is missing"), std::string::npos) << said;
    EXPECT_NE(said.find("CorD_eng.lng are used"), std::string::npos) << said;
}

TEST_F(MainWindowTest, WithoutAnyLanguageFileTheProgramsOwnEnglishIsUsedAndSaidOnce)
{
    StoreLanguage("CorD_deu.lng");
    std::filesystem::remove(world.home.file("language/CorD_eng.lng"));
    auto& main = start();
    ExpectNoBlankLabels(main);
    EXPECT_EQ(main.findChild<QLabel*>("lblRecursive")->text(), "Include subfolders");
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    const std::string& said = world.fakes.prompter.boxes[0].text;
    EXPECT_NE(said.find("\"CorD_deu.lng\" is missing"), std::string::npos) << said;
    EXPECT_NE(said.find("\"CorD_eng.lng\" is missing"), std::string::npos) << said;
    EXPECT_NE(said.find("program's own English"), std::string::npos) << said;

    // The default name stored and missing: one file named, one message.
    world.windows.unloadAll();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    world.fakes.prompter.boxes.clear();
    world.texts = LangText();
    StoreLanguage("CorD_eng.lng");
    ExpectNoBlankLabels(start());
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_EQ(world.fakes.prompter.boxes[0].text,
              "The language file \"CorD_eng.lng\" is missing. The program's own English texts are used instead.");
}

TEST_F(MainWindowTest, TheWindowsSpeakThroughThePrompterTheyAreHandedNotTheActiveOne)
{
    RecordingPrompter bystander; // the active prompter from here on
    StoreLanguage("CorD_deu.lng");
    auto& main = start();
    main.loadSkin("gone.zip", false);
    bool ended = false;
    world.jobs.start(
        JobOptions{.owner = &main}, [](JobControl&) { throw std::runtime_error("the disk went away"); },
        [&ended] { ended = true; });
    ASSERT_TRUE(TestWorld::waitFor([&] { return !world.jobs.isBusy(); }));

    EXPECT_TRUE(bystander.boxes.empty()) << bystander.boxes[0].text;
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 3u);
    EXPECT_NE(world.fakes.prompter.boxes[0].text.find("\"CorD_deu.lng\" is missing"), std::string::npos);
    EXPECT_NE(world.fakes.prompter.boxes[1].text.find("The skin \"gone.zip\" cannot be used"), std::string::npos);
    EXPECT_NE(world.fakes.prompter.boxes[2].text.find("the disk went away\r\nin CorvaneDisk.JobRunner.start."),
              std::string::npos)
        << world.fakes.prompter.boxes[2].text;
    EXPECT_FALSE(ended);
}

TEST_F(MainWindowTest, TheTrayMenuStartsInTheLanguageWithTheOtherMenus)
{
    world.settings.ShowSysTray = true;
    TrayIconMenu* tray = start().trayMenu();
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(MenuItem(*tray->menu(), "ABOUT").text().toStdString(), "About...     CTRL+A");
    EXPECT_EQ(MenuItem(*tray->menu(), "PROP").text().toStdString(), "Properties...     F5");

    world.windows.unloadAll();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::filesystem::copy_file(CORVANE_FIXTURES "/language/CorD_deu.lng", world.home.file("language/CorD_deu.lng"));
    StoreLanguage("CorD_deu.lng");
    auto& main = start();
    for (int round = 0; round < 2; ++round) { // at start-up, then turned off and on again by Options
        tray = main.trayMenu();
        ASSERT_NE(tray, nullptr);
        EXPECT_EQ(MenuItem(*tray->menu(), "ABOUT").text().toStdString(), "Info...     CTRL+A");
        EXPECT_EQ(MenuItem(*tray->menu(), "ONTOP").text().toStdString(), "Immer im Vordergrund");
        EXPECT_EQ(MenuItem(*tray->menu(), "EXIT").text().toStdString(), "Beenden...     ALT+F4");
        world.settings.ShowSysTray = false;
        main.updateTrayIcon();
        EXPECT_EQ(main.trayMenu(), nullptr);
        world.settings.ShowSysTray = true;
        main.updateTrayIcon();
    }
}

TEST_F(MainWindowTest, LayersSwitchByButtonAndCtrlKeysOnly)
{
    world.home.write("dat/One.dat", "");
    auto& main = start();
    key(&main, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(main.currentLayer(), MainWindow::Layer::Cat);
    key(&Control<QComboBox>(main, "cboFileType"), Qt::Key_F, Qt::ControlModifier); // from any control
    EXPECT_EQ(main.currentLayer(), MainWindow::Layer::Find);
    EXPECT_TRUE(Control<QComboBox>(main, "cboFind").isVisible());
    EXPECT_FALSE(Control<FolderTree>(main, "FolderTreeview").isVisible());
    ASSERT_EQ(Control<QComboBox>(main, "cboListDAT").count(), 2);
    EXPECT_EQ(Control<QComboBox>(main, "cboListDAT").itemText(1), "One.dat");
    Control<QComboBox>(main, "cboListDAT").setCurrentIndex(1);
    Control<LayerTab>(main, "BWLayerFind").click(); // the current layer's button changes nothing
    EXPECT_EQ(Control<QComboBox>(main, "cboListDAT").currentIndex(), 1);
    key(&main, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(main.currentLayer(), MainWindow::Layer::Lib);
    EXPECT_TRUE(Control<QTreeView>(main, "LVLib").isVisible());
    key(&main, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(main.currentLayer(), MainWindow::Layer::Cat);

    for (auto [combo, context] : {std::pair{Qt::Key_S, 1003}, {Qt::Key_F, 1004}, {Qt::Key_L, 1005}}) {
        key(&main, combo, Qt::ControlModifier);
        key(&main, Qt::Key_F1, Qt::ShiftModifier); // keys without Ctrl act whatever the shift state
        EXPECT_EQ(world.fakes.help.contexts.back(), context);
    }
}

// The mouse reaches every control shown where it is shown: the window's own
// (title, tabs) under the layers as well as the layer's, also after a skin
// made the window larger and put a control in the new room.
static void ExpectEveryShownControlUnderTheMouse(MainWindow& main)
{
    int checked = 0;
    for (QWidget* w : main.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisible() || w->isWindow() ||
            w->testAttribute(Qt::WA_TransparentForMouseEvents))
            continue;
        QWidget* hit = main.childAt(w->mapTo(&main, w->rect().center()));
        EXPECT_TRUE(hit == w || w->isAncestorOf(hit)) << w->objectName().toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 8);
}

TEST_F(MainWindowTest, TheMouseReachesEveryShownControlOnEveryLayer)
{
    auto& main = start();
    for (MainWindow::Layer layer : {MainWindow::Layer::Cat, MainWindow::Layer::Find, MainWindow::Layer::Lib}) {
        main.showLayer(layer);
        ExpectEveryShownControlUnderTheMouse(main);
    }
    main.showLayer(MainWindow::Layer::Find);
    main.clearMask(); // a skin without an outline
    main.setFixedSize(main.width() + 100, main.height() + 60);
    QApplication::processEvents();
    Control<ButtonWeb>(main, "BWFind").move(main.width() - 30, main.height() - 20);
    ExpectEveryShownControlUnderTheMouse(main);
}

TEST_F(MainWindowTest, ButtonsASkinPutsUnderTheStatusLinesStillTakeTheClick)
{
    auto& main = start();
    Control<FolderTree>(main, "FolderTreeview").setSelectedPath(QString::fromStdString(folder()));
    // Where "BWSearch=3450,2250,240,150" puts Create: on the first status line.
    Control<ButtonWeb>(main, "BWSearch").move(230, 150);
    Control<ButtonWeb>(main, "BWStop").move(230, 175); // on the second
    QApplication::processEvents();
    ExpectEveryShownControlUnderTheMouse(main);
    // Clicked as the mouse clicks, through the window; the second time the
    // status lines hold the first scan's count.
    for (const char* name : {"First", "Second"}) {
        answerSave(name, "");
        QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, QPoint(238, 155));
        ASSERT_TRUE(TestWorld::waitFor([&] { return !main.isBusy(); }));
        EXPECT_FALSE(main.findChild<QLabel*>("lblDisplay2")->text().isEmpty());
    }
    EXPECT_EQ(catalogs(), (std::vector<std::string>{"First.dat", "Second.dat"}));
}

TEST_F(MainWindowTest, CreateSavesUnderTheTrimmedNameWithTheCommentEncoded)
{
    auto& main = start();
    Control<CheckBoxWeb>(main, "CBWRecursive").setValue(true);
    answerSave("  Holiday  ", "first line\nsecond > line <ok>");
    create(main, folder());
    ASSERT_EQ(catalogs(), std::vector<std::string>{"Holiday.dat"});
    std::string text = world.home.read("dat/Holiday.dat");
    EXPECT_NE(text.find(">Comment first line\x01second > line <ok>\r\n"), std::string::npos);
    EXPECT_NE(text.find("b.txt>3 Kb/"), std::string::npos);
    EXPECT_NE(Control<QLabel>(main, "lblDisplay2").text().indexOf("2 files found"), -1);

    // The same name again: No keeps the dialog open, then Cancel writes nothing.
    const auto before = std::filesystem::last_write_time(world.home.file("dat/Holiday.dat"));
    world.fakes.prompter.answers = {false};
    TestWorld::whenModal([](QWidget* w) {
        auto* dialog = qobject_cast<SaveCatalogDialog*>(w);
        Control<QLineEdit>(*dialog, "txtName").setText("Holiday");
        QMetaObject::invokeMethod(dialog->findChild<ButtonWeb*>("BWSave"), "clicked");
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    create(main, folder());
    EXPECT_EQ(std::filesystem::last_write_time(world.home.file("dat/Holiday.dat")), before);
    EXPECT_EQ(world.fakes.prompter.boxes.back().kind, "question");

    // Yes replaces it.
    world.fakes.prompter.answers = {true};
    answerSave("Holiday", "");
    create(main, folder());
    EXPECT_NE(world.home.read("dat/Holiday.dat").find(">Comment \r\n"), std::string::npos);
    EXPECT_EQ(catalogs(), std::vector<std::string>{"Holiday.dat"});
}

TEST_F(MainWindowTest, BlankOrRefusedNamesAndStopWriteNothing)
{
    auto& main = start();
    answerSave("   ", "ignored");
    create(main, folder());
    answerSave("a", "", false); // cancelled
    create(main, folder());
    EXPECT_TRUE(catalogs().empty());

    TestWorld::whenModal([](QWidget* w) {
        auto* dialog = qobject_cast<SaveCatalogDialog*>(w);
        for (const char* bad : {"..", "a>b", "back\\slash", "dir/name"}) {
            Control<QLineEdit>(*dialog, "txtName").setText(bad);
            QMetaObject::invokeMethod(dialog->findChild<ButtonWeb*>("BWSave"), "clicked");
            EXPECT_TRUE(dialog->isVisible()) << bad;
        }
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&Control<QLineEdit>(*dialog, "txtName"), &esc);
    });
    create(main, folder());
    EXPECT_TRUE(catalogs().empty());
    EXPECT_EQ(world.fakes.prompter.boxes.size(), 4u); // one message per refused name

    // Stop at once: no dialog, nothing saved.
    main.catalogueFolder(QString::fromStdString(folder()));
    Control<ButtonWeb>(main, "BWStop").click();
    ASSERT_TRUE(TestWorld::waitFor([&] { return !main.isBusy(); }));
    EXPECT_TRUE(catalogs().empty());
    // The status line says so, with the folder, instead of a scan that runs for ever.
    EXPECT_EQ(Control<QLabel>(main, "lblDisplay1").text(), "Cataloguing stopped");
    EXPECT_EQ(Control<QLabel>(main, "lblDisplay2").text(), QString::fromStdString(folder()));
}

TEST_F(MainWindowTest, AFolderGoneBeforeCreateIsToldAsTheBatchModeTellsItAndOffersNoSave)
{
    auto& main = start();
    const std::string gone = folder();
    Control<FolderTree>(main, "FolderTreeview").setSelectedPath(QString::fromStdString(gone));
    std::filesystem::remove_all(gone);
    Control<ButtonWeb>(main, "BWSearch").click();
    // No scan started, so no save dialog for an empty catalog either.
    ASSERT_FALSE(main.isBusy());
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_EQ(world.fakes.prompter.boxes[0].text, "Directory does not exist");
    EXPECT_EQ(world.fakes.prompter.boxes[0].title, "CorvaneDisk");
    EXPECT_EQ(world.fakes.prompter.boxes[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(Control<QLabel>(main, "lblDisplay2").text().indexOf("files found"), -1);

    // A file where the folder was is no folder to catalogue.
    world.home.write("disk", "a file now");
    main.catalogueFolder(QString::fromStdString(gone));
    ASSERT_FALSE(main.isBusy());
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 2u);
    EXPECT_EQ(world.fakes.prompter.boxes[1].text, "Directory does not exist");
    EXPECT_TRUE(catalogs().empty());
}

TEST_F(MainWindowTest, ACatalogThatCannotBeSavedIsToldInTheErrorBox)
{
    auto& main = start();
    std::filesystem::create_directories(world.home.file("dat/Pages.dat")); // no file can take its place
    world.fakes.prompter.answers = {true};                                 // replace it
    answerSave("Pages", "");
    create(main, folder());
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 2u);
    EXPECT_EQ(world.fakes.prompter.boxes[1].title, "Error");
    EXPECT_NE(world.fakes.prompter.boxes[1].text.find("in CorvaneDisk.modFindFile.SaveFile."), std::string::npos)
        << world.fakes.prompter.boxes[1].text;
    EXPECT_TRUE(std::filesystem::is_directory(world.home.file("dat/Pages.dat")));
}

TEST_F(MainWindowTest, TheDiscIsEjectedOnlyWhenItsBoxIsShownAndTicked)
{
    auto& main = start();
    main.driveTypeOf = [](const std::string&) { return std::string("Fixed"); };
    Control<FolderTree>(main, "FolderTreeview").setSelectedPath(QString::fromStdString(folder()));
    EXPECT_FALSE(Control<CheckBoxWeb>(main, "CBWEjectCD").isVisible());
    Control<CheckBoxWeb>(main, "CBWEjectCD").setValue(true);
    answerSave("", "");
    create(main, folder());
    EXPECT_TRUE(world.fakes.ejector.ejected.empty());

    main.driveTypeOf = [](const std::string&) { return std::string("Cd-Rom"); };
    Control<FolderTree>(main, "FolderTreeview").setSelectedPath(QString::fromStdString(world.home.file("disk/sub")));
    EXPECT_TRUE(Control<CheckBoxWeb>(main, "CBWEjectCD").isVisible());
    answerSave("", "");
    create(main, folder());
    EXPECT_EQ(world.fakes.ejector.ejected, std::vector<std::string>{folder()});
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
}

TEST_F(MainWindowTest, TheEjectBoxFollowsTheKeysAndEjectsFromTheTrayOrSaysWhyNot)
{
    auto& main = start();
    const std::string disc = folder();
    main.driveTypeOf = [disc](const std::string& f) { return std::string(f.rfind(disc, 0) == 0 ? "Cd-Rom" : "Fixed"); };
    Control<FolderTree>(main, "FolderTreeview").setSelectedPath(QString::fromStdString(disc));
    ASSERT_TRUE(Control<CheckBoxWeb>(main, "CBWEjectCD").isVisible());
    key(&Control<FolderTree>(main, "FolderTreeview"), Qt::Key_Left); // up to the folder above, on no disc
    EXPECT_NE(Control<FolderTree>(main, "FolderTreeview").selectedPath().toStdString(), disc);
    EXPECT_FALSE(Control<CheckBoxWeb>(main, "CBWEjectCD").isVisible());
    key(&Control<FolderTree>(main, "FolderTreeview"), Qt::Key_Right);
    Control<FolderTree>(main, "FolderTreeview").setSelectedPath(QString::fromStdString(disc));
    Control<CheckBoxWeb>(main, "CBWEjectCD").setValue(true);

    // Hidden in the tray while the scan runs: the box still counts.
    main.hide();
    world.fakes.ejector.succeeds = false;
    answerSave("", "");
    create(main, disc);
    EXPECT_EQ(world.fakes.ejector.ejected, std::vector<std::string>{disc});
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_EQ(world.fakes.prompter.boxes[0].text, "The disc could not be ejected: the drive is locked");
}

TEST_F(MainWindowTest, ANewVolumeIsOfferedWhenAllowedAndNotDuringWork)
{
    auto& main = start();
    MountInfoEntry mount{1, "8:1", folder(), "vfat", "/dev/sdb1"};
    world.settings.DevChange = false;
    world.fakes.mounts.announce(mount);
    QApplication::processEvents();
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());

    world.settings.DevChange = true;
    world.fakes.prompter.answers = {false};
    world.fakes.mounts.announce(mount);
    ASSERT_TRUE(TestWorld::waitFor([&] { return world.fakes.prompter.boxes.size() == 1; }));
    EXPECT_NE(world.fakes.prompter.boxes[0].text.find(mount.mountPoint), std::string::npos);
    EXPECT_FALSE(main.isBusy());

    // Other work runs: the offer waits for it, then Yes catalogues the mount.
    std::atomic<bool> release{false};
    world.holdJobs(release);
    world.fakes.prompter.answers = {true};
    world.fakes.mounts.announce(mount);
    TestWorld::waitFor([] { return false; }, 300);
    EXPECT_EQ(world.fakes.prompter.boxes.size(), 1u);
    release = true;
    answerSave("Stick", "");
    ASSERT_TRUE(TestWorld::waitFor([&] { return world.fakes.prompter.boxes.size() == 2; }));
    ASSERT_TRUE(TestWorld::waitFor([&] { return std::filesystem::exists(world.lib() + "Stick.dat"); }));
    EXPECT_EQ(main.currentLayer(), MainWindow::Layer::Cat);
}

TEST_F(MainWindowTest, AnOfferWhoseVolumeWentWhileItWaitedIsDropped)
{
    start();
    world.settings.DevChange = true;
    world.home.write("pulled/x.txt", "x");
    world.home.write("emptied/x.txt", "x");
    MountInfoEntry pulled{1, "8:1", world.home.file("pulled"), "vfat", "/dev/sdb1"};
    MountInfoEntry emptied{2, "8:17", world.home.file("emptied"), "vfat", "/dev/sdc1"};
    MountInfoEntry stays{3, "8:33", folder(), "vfat", "/dev/sdd1"};
    std::atomic<bool> release{false};
    world.holdJobs(release);
    for (const MountInfoEntry& m : {pulled, emptied, stays})
        world.fakes.mounts.announce(m);
    TestWorld::waitFor([] { return false; }, 100);
    world.fakes.mounts.unmount(pulled);
    std::filesystem::remove_all(emptied.mountPoint);
    world.fakes.prompter.answers = {false};
    release = true;
    ASSERT_TRUE(TestWorld::waitFor([&] { return world.fakes.prompter.boxes.size() == 1; }));
    TestWorld::waitFor([] { return false; }, 700);
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_NE(world.fakes.prompter.boxes[0].text.find(stays.mountPoint), std::string::npos);
}

TEST_F(MainWindowTest, ClosingWritesEverySettingAndClosesTheOtherWindows)
{
    auto& main = start();
    world.windows.get<SaveCatalogDialog>().show();
    Control<CheckBoxWeb>(main, "CBWSort").setValue(true);
    // tmp/ loses what the program put there, never the user's files or what a link points at.
    world.home.write("tmp/fond.bmp", "unpacked");
    world.home.write("tmp/notes.txt", "the user's");
    const std::string outside = world.home.write("outside/kept.bmp", "the user's");
    std::filesystem::create_symlink(outside, world.home.file("tmp/link.bmp"));
    main.close();
    EXPECT_EQ(world.windows.loadedNames(), std::vector<std::string>{MainWindow::WindowName});
    for (const SettingDef& d : SettingsTable()) {
        const std::string key = std::string(AppRegKey) + "\\" + std::string(d.key);
        if (WrittenAtExit(d.id)) {
            EXPECT_FALSE(QueryValue(HKEY_LOCAL_MACHINE, key, d.value).isEmpty())
                << "not written: " << key << "\\" << d.value;
        }
    }
    EXPECT_TRUE(RegFlag(HKEY_LOCAL_MACHINE, Option, "Sort Result"));
    EXPECT_FALSE(std::filesystem::exists(world.home.file("tmp/fond.bmp")));
    EXPECT_EQ(world.home.read("tmp/notes.txt"), "the user's");
    EXPECT_TRUE(std::filesystem::is_symlink(world.home.file("tmp/link.bmp")));
    EXPECT_EQ(world.home.read("outside/kept.bmp"), "the user's");
}

TEST_F(MainWindowTest, ASkinChosenFromTheMenuWaitsForTheRunningJob)
{
    world.home.write("skin/Other.zip", world.home.read("skin/CorvaneDisk.zip"));
    auto& main = start();
    const std::string before = world.skin.name();
    std::atomic<bool> release{false};
    world.holdJobs(release);
    const int item = Control<PopupMenu>(main, "m_cMenu").indexOfKey(QStringLiteral("SKIN:Other.zip"));
    ASSERT_GT(item, 0);
    QTimer::singleShot(0, [&] {
        Control<PopupMenu>(main, "m_cMenu").setActiveAction(Control<PopupMenu>(main, "m_cMenu").item(item));
        QTest::keyClick(&Control<PopupMenu>(main, "m_cMenu"), Qt::Key_Return);
    });
    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&Control<QLabel>(main, "imgIcon"), &click);
    TestWorld::waitFor([] { return false; }, 200);
    EXPECT_EQ(world.skin.name(), before);
    release = true;
    EXPECT_TRUE(TestWorld::waitFor([&] { return world.skin.name() == "Other.zip"; }));
}

// Odd package names: another letter case, the Default item's word, an "&".
TEST_F(MainWindowTest, EachSkinItemLoadsTheFileItShowsByItsOwnName)
{
    const std::string package = world.home.read("skin/CorvaneDisk.zip");
    for (const char* name : {"Blue.ZIP", "DEFAULT.zip", "b&w.zip"})
        world.home.write(std::string("skin/") + name, package);
    auto& main = start();
    PopupMenu& menu = Control<PopupMenu>(main, "m_cMenu");
    const std::pair<QString, std::string> items[] = {
        {"Blue\t", "Blue.ZIP"}, {"DEFAULT\t", "DEFAULT.zip"}, {"b&&w\t", "b&w.zip"}, {"&Default\t", "CorvaneDisk.zip"}};
    for (const auto& [caption, file] : items) {
        int item = 0;
        for (int i = 1; i <= menu.itemCount(); ++i)
            if (menu.item(i)->text() == caption)
                item = item ? -1 : i;
        ASSERT_GT(item, 0) << caption.toStdString();
        QTimer::singleShot(0, [&menu, item] {
            menu.setActiveAction(menu.item(item));
            QTest::keyClick(&menu, Qt::Key_Return);
        });
        QMouseEvent click(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&Control<QLabel>(main, "imgIcon"), &click);
        EXPECT_TRUE(TestWorld::waitFor([&] { return world.skin.name() == file; })) << file;
    }
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
}

// No skin package, or the stored one gone: the stored states and place still
// hold, and the exit writes back what the user had.
TEST_F(MainWindowTest, WithoutASkinTheStoredBoxesAndPlaceSurviveAStartAndAnExit)
{
    const std::string pos = Option + "\\Pos";
    for (bool randomSkin : {true, false}) {
        std::filesystem::remove(world.home.file("skin/CorvaneDisk.zip"));
        CreateNewKey(HKEY_LOCAL_MACHINE, pos);
        for (const char* flag : {"Recursive", "Ignore MaxHit", "Sort Result"})
            SetKeyValue(HKEY_LOCAL_MACHINE, Option, flag, "True", REG_SZ);
        SetKeyValue(HKEY_LOCAL_MACHINE, Option, "RandomSkin", randomSkin ? "1" : "0", REG_DWORD);
        SetKeyValue(HKEY_LOCAL_MACHINE, pos, "MainLeft", "1500", REG_SZ);
        SetKeyValue(HKEY_LOCAL_MACHINE, pos, "MainTop", "1200", REG_SZ);
        auto& main = start();
        EXPECT_TRUE(Control<CheckBoxWeb>(main, "CBWRecursive").value());
        EXPECT_TRUE(Control<CheckBoxWeb>(main, "CBWIgnoreMaxHit").value());
        EXPECT_TRUE(Control<CheckBoxWeb>(main, "CBWSort").value());
        EXPECT_FALSE(Control<CheckBoxWeb>(main, "CBWEnableComment").value());
        EXPECT_TRUE(world.settings.IgnoreMaxHit);
        EXPECT_EQ(main.pos(), QPoint(100, 80));
        main.close();
        for (const char* flag : {"Recursive", "Ignore MaxHit", "Sort Result"})
            EXPECT_TRUE(RegFlag(HKEY_LOCAL_MACHINE, Option, flag)) << flag;
        EXPECT_EQ(QueryValue(HKEY_LOCAL_MACHINE, pos, "MainLeft").text(), "1500");
        EXPECT_EQ(QueryValue(HKEY_LOCAL_MACHINE, pos, "MainTop").text(), "1200");
        world.windows.unloadAll();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(MainWindowTest, ANeverPlacedWindowWithoutASkinIsCentred)
{
    std::filesystem::remove(world.home.file("skin/CorvaneDisk.zip"));
    auto& main = start();
    const QRect screen = main.screen()->geometry();
    EXPECT_NEAR(main.x() + main.width() / 2, screen.center().x(), 2);
    EXPECT_NEAR(main.y() + main.height() / 2, screen.center().y(), 2);
}

TEST_F(MainWindowTest, TheWindowComesBackWhenTheTrayIconGoesWhileItIsHidden)
{
    world.settings.ShowSysTray = true;
    auto& main = start();
    ASSERT_NE(main.trayMenu(), nullptr);
    Control<ButtonWeb>(main, "BWMin").click();
    ASSERT_TRUE(main.hiddenToTray());
    ASSERT_FALSE(main.isVisible());
    world.settings.ShowSysTray = false; // the options' Display page
    main.removeTrayIcon();
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(main.hiddenToTray());

    // Also when the icon is taken away behind the window's back.
    world.settings.ShowSysTray = true;
    main.updateTrayIcon();
    Control<ButtonWeb>(main, "BWMin").click();
    ASSERT_FALSE(main.isVisible());
    world.windows.unload(TrayIconMenu::WindowName);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(TestWorld::waitFor([&] { return main.isVisible(); }));

    // Re-adding the icon keeps a hidden window hidden.
    main.updateTrayIcon();
    Control<ButtonWeb>(main, "BWMin").click();
    main.updateTrayIcon();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    TestWorld::waitFor([] { return false; }, 100);
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(main.hiddenToTray());
}

TEST_F(MainWindowTest, ATerminateSignalClosesTheWindowAsItsExitButtonDoes)
{
    auto& main = start();
    ShutdownSignals shutdownSignals;
    shutdownSignals.closeWindow(main);
    Control<CheckBoxWeb>(main, "CBWSort").setValue(true);
    // A running scan is stopped first and saves nothing.
    main.catalogueFolder(QString::fromStdString(folder()));
    ASSERT_TRUE(main.isBusy());
    world.home.write("tmp/fond.bmp", "unpacked");
    std::raise(SIGTERM);
    ASSERT_TRUE(TestWorld::waitFor([&] { return !main.isVisible(); }));
    EXPECT_FALSE(main.isBusy());
    EXPECT_TRUE(catalogs().empty());
    EXPECT_TRUE(RegFlag(HKEY_LOCAL_MACHINE, Option, "Sort Result"));
    EXPECT_EQ(world.windows.loadedNames(), std::vector<std::string>{MainWindow::WindowName});
    EXPECT_FALSE(std::filesystem::exists(world.home.file("tmp/fond.bmp")));
}

TEST_F(MainWindowTest, ATerminateSignalCancelsTheSaveDialogAndStillCloses)
{
    auto& main = start();
    ShutdownSignals shutdownSignals;
    shutdownSignals.closeWindow(main);
    TestWorld::whenModal([](QWidget*) { std::raise(SIGTERM); }); // the dialog is left unanswered
    main.catalogueFolder(QString::fromStdString(folder()));
    ASSERT_TRUE(TestWorld::waitFor([&] { return !main.isVisible(); }));
    EXPECT_TRUE(catalogs().empty());
    EXPECT_FALSE(QueryValue(HKEY_LOCAL_MACHINE, Option + "\\Pos", "MainLeft").isEmpty());
}
