// The options dialog on the program's windows and a world of fakes: what
// opening, each page and closing store and apply.
#include "engine/registry/Registry.h"
#include "engine/report/Reports.h"
#include "engine/start/AppFolders.h"
#include "gui/AppIcons.h"
#include "gui/dialogs/CommentDialog.h"
#include "gui/menu/PopupMenu.h"
#include "gui/widgets/ButtonWeb.h"
#include "gui/widgets/CheckBoxWeb.h"
#include "gui/widgets/ColorChooser.h"
#include "mainwindow/TrayIconMenu.h"
#include "mainwindow/SaveCatalogDialog.h"
#include "mainwindow/MainWindowOptionsLink.h"
#include "options/FileChoiceList.h"
#include "options/OptionsDialog.h"
#include "platform/gui/DialogPrompter.h"
#include "skin/default/DefaultSkinPackage.h"
#include "tests/support/HttpStub.h"
#include "tests/options/OptionsTestWorld.h"
#include "tests/support/MenuItem.h"
#include "tests/support/NamedControl.h"
#include "tests/support/SameLines.h"
#include "tests/support/ScopedEnv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkProxy>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include <atomic>
#include <optional>
#include <tuple>
#include <thread>

namespace {

const std::string Option = std::string(AppRegKey) + "\\Option";
const std::string Search = std::string(AppRegKey) + "\\Search";

std::string Stored(const std::string& key, const std::string& value)
{
    return QueryValue(HKEY_LOCAL_MACHINE, key, value).text();
}

QString Text(const QWidget& window, const char* name)
{
    return window.findChild<QWidget*>(QLatin1String(name))->property("text").toString();
}

QStringList Items(const QComboBox& combo)
{
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items << combo.itemText(i);
    return items;
}

QStringList Items(const QListWidget& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.item(i)->text();
    return items;
}

QString NodeText(const QTreeWidget& tree, const char* key)
{
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it; ++it)
        if ((*it)->data(0, TreeNodeKeyRole).toString() == QLatin1String(key))
            return (*it)->text(0);
    return {};
}

bool OnTop(const QWidget* w)
{
    return w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

bool SamePicture(const QPixmap& a, const QPixmap& b)
{
    return a.toImage().convertToFormat(QImage::Format_ARGB32) == b.toImage().convertToFormat(QImage::Format_ARGB32);
}

class OptionsDialogTest : public OptionsTestBase {
protected:
    OptionsDialog& open()
    {
        ShowOptionsDialog(world.app);
        auto& dialog = world.windows.get<OptionsDialog>();
        QApplication::processEvents();
        return dialog;
    }
    // A click on the list's row showing text, as the mouse gives it.
    void choose(QListWidget& list, const QString& text)
    {
        const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        list.scrollToItem(found[0]);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(found[0]).center());
    }
    void close(OptionsDialog& dialog)
    {
        Control<QPushButton>(dialog, "cmdExit").click();
        settle();
        ASSERT_EQ(world.windows.loaded(OptionsDialog::WindowName), nullptr);
    }
    TrayIconMenu* tray() { return world.windows.find<TrayIconMenu>(); }
};

} // namespace

TEST_F(OptionsDialogTest, OpeningWritesNothingAndLeavesTheTrayAndTheMainWindowAlone)
{
    world.settings.OnTop = true; // as if stored: the box opens ticked, which applies nothing
    const std::string before = registryBytes();
    FakeTrayIcon* icon = world.fakes.tray.liveIcons().at(0);
    const qint64 picture = icon->icon.cacheKey();
    const Qt::WindowFlags flags = main->windowFlags();

    OptionsDialog& dialog = open();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(OnTop(&dialog));
    EXPECT_PRED_FORMAT2(SameLines, registryBytes(), before);
    ASSERT_EQ(world.fakes.tray.liveIcons().size(), 1u);
    EXPECT_EQ(world.fakes.tray.liveIcons()[0], icon);
    EXPECT_EQ(icon->icon.cacheKey(), picture);
    EXPECT_EQ(main->windowFlags(), flags);
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());

    // The boxes show the settings; the tree its seven nodes, labelled.
    EXPECT_TRUE(Control<QCheckBox>(dialog, "chkAllwaysOnTop").isChecked());
    EXPECT_TRUE(Control<QCheckBox>(dialog, "chkSystray").isChecked());
    EXPECT_TRUE(Control<QCheckBox>(dialog, "chkDevChange").isChecked());
    EXPECT_EQ(dialog.page(), "SETUP");
    EXPECT_EQ(NodeText(Control<QTreeWidget>(dialog, "TWOption"), "Setup"), "Setup");
    EXPECT_EQ(NodeText(Control<QTreeWidget>(dialog, "TWOption"), "Display"), "Display");
    EXPECT_EQ(NodeText(Control<QTreeWidget>(dialog, "TWOption"), "Font"), "Font");
    EXPECT_EQ(Text(dialog, "chkTaskbar"), "Show in the task bar");

    // F5 again brings the same dialog forward.
    QTest::keyClick(main, Qt::Key_F5);
    EXPECT_EQ(&world.windows.get<OptionsDialog>(), &dialog);
}

TEST_F(OptionsDialogTest, EachToggleStoresAndAppliesItsOwnState)
{
    OptionsDialog& dialog = open();
    auto& alwaysOnTop = Control<QCheckBox>(dialog, "chkAllwaysOnTop");
    auto& showInTray = Control<QCheckBox>(dialog, "chkSystray");

    alwaysOnTop.click();
    EXPECT_TRUE(world.settings.OnTop);
    EXPECT_EQ(Stored(Option, "OnTop"), "True");
    EXPECT_TRUE(OnTop(main));
    EXPECT_TRUE(MenuItem(*tray()->menu(), "ONTOP").isChecked());

    // The tray menu turns stay-on-top off behind the dialog's back ...
    emit tray()->menuChosen(0, QStringLiteral("ONTOP"));
    EXPECT_FALSE(world.settings.OnTop);
    EXPECT_FALSE(OnTop(main));
    // ... so unticking the box stores off (not the opposite of the setting).
    alwaysOnTop.click();
    EXPECT_FALSE(world.settings.OnTop);
    EXPECT_EQ(Stored(Option, "OnTop"), "False");
    EXPECT_FALSE(OnTop(main));
    EXPECT_FALSE(MenuItem(*tray()->menu(), "ONTOP").isChecked());
    alwaysOnTop.click();
    EXPECT_TRUE(world.settings.OnTop);
    EXPECT_TRUE(OnTop(main));

    Control<QCheckBox>(dialog, "chkTaskbar").click();
    EXPECT_FALSE(world.settings.ShowTaskBar);
    EXPECT_EQ(Stored(Option, "ShowTaskBar"), "False");
    EXPECT_EQ(main->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(main->isVisible());

    showInTray.click();
    settle();
    EXPECT_FALSE(world.settings.ShowSysTray);
    EXPECT_EQ(Stored(Option, "ShowSysTray"), "False");
    EXPECT_EQ(tray(), nullptr);
    EXPECT_TRUE(world.fakes.tray.liveIcons().empty());
    showInTray.click();
    EXPECT_NE(tray(), nullptr);
    EXPECT_EQ(world.fakes.tray.liveIcons().size(), 1u);

    for (auto [box, flag, value] :
         {std::tuple{"chkScreenBorderMagnetic", &world.settings.BorderMagnetic, "BorderMagnetic"},
          {"chkDevChange", &world.settings.DevChange, "DevChange"},
          {"chkRandomSkin", &world.settings.RandomSkin, "RandomSkin"}}) {
        const bool was = *flag;
        Control<QCheckBox>(dialog, box).click();
        EXPECT_EQ(*flag, !was) << value;
        EXPECT_EQ(Stored(Option, value), was ? "False" : "True") << value;
    }
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
}

TEST_F(OptionsDialogTest, TheSliderChangesThePreviewTheStoreAndAShownIcon)
{
    OptionsDialog& dialog = open();
    auto& slider = Control<QSlider>(dialog, "SliderIcon");
    auto& showInTray = Control<QCheckBox>(dialog, "chkSystray");
    EXPECT_EQ(slider.value(), 2);

    slider.setValue(5);
    EXPECT_TRUE(SamePicture(Control<QLabel>(dialog, "picSysIcon").pixmap(), TrayPicture(5)));
    EXPECT_EQ(world.settings.NumIconSysTray, 5);
    EXPECT_EQ(QueryValue(HKEY_LOCAL_MACHINE, Option, "NumIconSysTray").kind(), RegValue::Kind::Number);
    EXPECT_EQ(Stored(Option, "NumIconSysTray"), "5");
    EXPECT_TRUE(SamePicture(world.fakes.tray.liveIcons().at(0)->icon.pixmap(32, 32), TrayPicture(5)));

    // Without the icon only the preview and the value change; the next icon takes them.
    showInTray.click();
    settle();
    slider.setValue(3);
    EXPECT_EQ(Stored(Option, "NumIconSysTray"), "3");
    EXPECT_TRUE(world.fakes.tray.liveIcons().empty());
    showInTray.click();
    EXPECT_TRUE(SamePicture(world.fakes.tray.liveIcons().at(0)->icon.pixmap(32, 32), TrayPicture(3)));
}

TEST_F(OptionsDialogTest, ClosingWritesTheCountsTheReportAndTheFonts)
{
    // The store, not the setting in memory, fills the two counts.
    SetKeyValue(HKEY_LOCAL_MACHINE, Search, "MaxHit", "321", REG_DWORD);
    OptionsDialog& dialog = open();
    auto& recentCount = Control<QSpinBox>(dialog, "UpDownSlideRecent");
    auto& maxHitCount = Control<QSpinBox>(dialog, "UpDownSlideMaxHit");
    EXPECT_EQ(maxHitCount.value(), 321);
    EXPECT_EQ(recentCount.value(), 5);
    EXPECT_EQ(recentCount.maximum(), 10);
    EXPECT_EQ(maxHitCount.maximum(), 10000);

    recentCount.setValue(7);
    maxHitCount.setValue(2500);
    Control<QCheckBox>(dialog, "chkDiskID").click();
    EXPECT_EQ(Stored(Search, ""), "5"); // only closing writes them
    EXPECT_EQ(world.settings.Report.IncludeDisk, 0);
    close(dialog);
    EXPECT_EQ(Stored(Search, ""), "7");
    EXPECT_EQ(Stored(Search, "MaxHit"), "2500");
    EXPECT_EQ(QueryValue(HKEY_LOCAL_MACHINE, Search, "MaxHit").kind(), RegValue::Kind::Number);
    EXPECT_EQ(world.settings.MaxHit, 2500);
    EXPECT_EQ(world.settings.RecentCount, 7);
    EXPECT_EQ(world.settings.Report.IncludeDisk, 1);
    EXPECT_EQ(Stored(Option, "IncludeDisk"), "0"); // the main window writes the report settings at exit

    // Closing gives the main window its own stay-on-top back, unless it lives in the tray.
    world.settings.OnTop = true;
    OptionsDialog& again = open();
    close(again);
    EXPECT_TRUE(OnTop(main));
    QMetaObject::invokeMethod(&Control<ButtonWeb>(*main, "BWMin"), "clicked");
    ASSERT_TRUE(main->hiddenToTray());
    OptionsDialog& third = open();
    close(third);
    EXPECT_FALSE(main->isVisible());
}

TEST_F(OptionsDialogTest, FontsReachEveryWindowOnApplyAndAMissingFontIsKept)
{
    world.settings.FontLabel.Name = "No Such Font 123";
    world.settings.FontTitle.Size = 500; // edited by hand
    auto& save = world.windows.get<SaveCatalogDialog>();
    auto& edit = world.windows.get<CommentDialog>();
    OptionsDialog& dialog = open();
    auto& labelFont = Control<QComboBox>(dialog, "cmbFontLabel");
    auto& labelSize = Control<QComboBox>(dialog, "cmbSizeLabel");
    auto& titleSize = Control<QComboBox>(dialog, "cmbSizeTitle");
    EXPECT_EQ(labelFont.currentText(), "No Such Font 123");
    EXPECT_EQ(labelSize.currentText(), "7");
    EXPECT_EQ(titleSize.currentText(), "500");
    EXPECT_EQ(Items(labelSize), QStringList({"7", "8", "9", "10", "11", "12", "13", "14"}));

    // Changes go into the settings at once, onto the windows only with Apply.
    const QString family = QFontDatabase::families().value(0);
    ASSERT_FALSE(family.isEmpty());
    labelFont.setCurrentIndex(labelFont.findText(family));
    labelSize.setCurrentIndex(labelSize.findText("12"));
    Control<QCheckBox>(dialog, "chkBoldLabel").click();
    Control<ColorChooser>(dialog, "CCLabel").setColor(0x0000FF); // red
    titleSize.setCurrentIndex(titleSize.findText("10"));
    EXPECT_EQ(world.settings.FontLabel.Name, family.toStdString());
    EXPECT_EQ(world.settings.FontLabel.Size, 12);
    EXPECT_TRUE(world.settings.FontLabel.Bold);
    EXPECT_EQ(Control<QLabel>(dialog, "lblSampleLabel").font().pointSize(), 12);
    QLabel* recursive = main->findChild<QLabel*>("lblRecursive");
    EXPECT_NE(recursive->font().pointSize(), 12);

    Control<QPushButton>(dialog, "cmdApplyTitle").click();
    for (QLabel* l : {recursive, save.findChild<QLabel*>("lblName"), edit.findChild<QLabel*>("lblOk")}) {
        EXPECT_EQ(l->font().family(), family) << l->objectName().toStdString();
        EXPECT_EQ(l->font().pointSize(), 12);
        EXPECT_TRUE(l->font().bold());
        EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }
    for (QLabel* l : {&Control<QLabel>(*main, "lblTitle"), save.findChild<QLabel*>("lblTitle")})
        EXPECT_EQ(l->font().pointSize(), 10);

    // Opened and closed again, a font that is not installed stays as stored.
    close(dialog);
    world.settings.FontLabel.Name = "No Such Font 123";
    OptionsDialog& again = open();
    EXPECT_EQ(Control<QComboBox>(again, "cmbFontLabel").currentText(), "No Such Font 123");
    close(again);
    EXPECT_EQ(world.settings.FontLabel.Name, "No Such Font 123");
}

TEST_F(OptionsDialogTest, FileTypesAreAddedRefusedAndRemovedAndTheCombosFollow)
{
    OptionsDialog& dialog = open();
    auto& typeList = Control<QListWidget>(dialog, "lstType");
    auto& nameEdit = Control<QLineEdit>(dialog, "txtName");
    auto& patternEdit = Control<QLineEdit>(dialog, "txtTypeFile");
    auto& removeButton = Control<QPushButton>(dialog, "cmdRemoveFileType");
    const QStringList standard = {"All Files (*.*)", "Compressed archives (*.zip)", "Executable files (*.exe)",
                                  "Text documents (*.txt)"};
    EXPECT_EQ(Items(typeList), standard);
    EXPECT_FALSE(removeButton.isEnabled());
    auto add = [&](const QString& name, const QString& patterns) {
        nameEdit.setText(name);
        patternEdit.setText(patterns);
        Control<QPushButton>(dialog, "cmdAddFileType").click();
    };

    add("Pictures", "*.jpg;*.png");
    add("Text", "*.text"); // a name inside another's hides nothing
    EXPECT_EQ(Stored(std::string(AppRegKey) + "\\FileType\\Pictures", ""), "*.jpg;*.png");
    const QStringList six = {
        "All Files (*.*)", "Compressed archives (*.zip)", "Executable files (*.exe)", "Pictures (*.jpg;*.png)",
        "Text (*.text)",   "Text documents (*.txt)"};
    EXPECT_EQ(Items(typeList), six);
    EXPECT_EQ(Items(Control<QComboBox>(*main, "cboFileType")), six);
    EXPECT_EQ(Items(Control<QComboBox>(*main, "cboFilter")), six);
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());

    // Refused: a name that exists in any case, names the lists cannot show back; empty boxes say nothing.
    const std::string before = registryBytes();
    add("PICTURES", "*.gif");
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_EQ(world.fakes.prompter.boxes[0].text, "This name already exists.");
    for (const char* bad : {" Lead", "Trail ", "a\\b", "Old (1998)"})
        add(QString::fromUtf8(bad), "*.x");
    EXPECT_EQ(world.fakes.prompter.boxes.size(), 5u);
    add("Nothing", "");
    add("", "*.y");
    EXPECT_EQ(world.fakes.prompter.boxes.size(), 5u);
    EXPECT_PRED_FORMAT2(SameLines, registryBytes(), before);
    EXPECT_EQ(Items(typeList), six);

    // A long pattern list is kept whole.
    const QString many = QString("*.a;").repeated(1250);
    add("Many", many);
    EXPECT_EQ(Stored(std::string(AppRegKey) + "\\FileType\\Many", "").size(), 5000u);

    typeList.setCurrentItem(typeList.findItems("Pictures (*.jpg;*.png)", Qt::MatchExactly).value(0));
    EXPECT_EQ(nameEdit.text(), "Pictures");
    EXPECT_EQ(patternEdit.text(), "*.jpg;*.png");
    EXPECT_TRUE(removeButton.isEnabled());
    removeButton.click();
    EXPECT_TRUE(QueryValue(HKEY_LOCAL_MACHINE, std::string(AppRegKey) + "\\FileType\\Pictures", "").isEmpty());
    EXPECT_TRUE(nameEdit.text().isEmpty());
    EXPECT_FALSE(removeButton.isEnabled());
    EXPECT_FALSE(Items(Control<QComboBox>(*main, "cboFilter")).contains("Pictures (*.jpg;*.png)"));
    EXPECT_EQ(Control<QComboBox>(*main, "cboFilter").count(), 6);

    close(dialog);
    OptionsDialog& again = open();
    auto& listAgain = Control<QListWidget>(again, "lstType");
    EXPECT_FALSE(Items(listAgain).contains("Pictures (*.jpg;*.png)"));
    EXPECT_EQ(listAgain.count(), 6);
}

TEST_F(OptionsDialogTest, TheReportPageRoundTripsThroughAReport)
{
    world.home.write("dat/Backup.dat", ">Fixed\r\n>Serial 1A2B\r\n>Volume DATA\r\n>Free 512 MB\r\n>Total 1024 MB\r\n"
                                       ">Root Dir \\data\r\n>Recursive Dir True\r\n>Search zip content True\r\n"
                                       ">Enable comment False\r\n>Search *.*\r\n>Comment \r\n"
                                       "\\data\\a.txt>12 Kb/01/02/2003>old letter<\r\n");
    const ReportCaptions captions{"Report", {"File", "Folder", "Size", "Date", "Disk", "Comment"}};
    auto report = [&](const char* name) {
        Problems problems;
        EXPECT_TRUE(WriteLibReport(world.settings.Report, "Backup.dat", captions, problems).has_value());
        return world.home.read(std::string("reports/") + name);
    };

    OptionsDialog& dialog = open();
    auto& separator = Control<QComboBox>(dialog, "cmbSeparator");
    EXPECT_TRUE(Control<QRadioButton>(dialog, "optHTML").isChecked());
    EXPECT_FALSE(separator.isEnabled());
    Control<QRadioButton>(dialog, "optText").click();
    EXPECT_TRUE(separator.isEnabled());
    EXPECT_FALSE(Control<ColorChooser>(dialog, "CCHeaderBackColor").isEnabled());
    EXPECT_FALSE(Control<QCheckBox>(dialog, "chkBorder").isEnabled());
    Control<QCheckBox>(dialog, "chkPath").click();
    Control<QCheckBox>(dialog, "chkComment").click();
    separator.setCurrentText("!");
    close(dialog);
    EXPECT_EQ(report("Lib_Backup.txt"), "File!Size!Date!Comment!\r\na.txt!12 Kb!01/02/2003!old letter!\r\n\r\n");

    OptionsDialog& again = open();
    EXPECT_TRUE(Control<QRadioButton>(again, "optText").isChecked());
    EXPECT_EQ(Control<QComboBox>(again, "cmbSeparator").currentText(), "!");
    EXPECT_FALSE(Control<QCheckBox>(again, "chkPath").isChecked());
    Control<QRadioButton>(again, "optHTML").click();
    Control<QCheckBox>(again, "chkBorder").click();
    Control<ColorChooser>(again, "CCHeaderBackColor").setColor(0x00FF00); // green
    Control<ColorChooser>(again, "CCFieldTextColor").setColor(0x800000);  // dark blue
    close(again);
    const std::string html = report("Lib_Backup.html");
    EXPECT_NE(html.find("<TABLE BGCOLOR='#FFFFFF' BORDER='0' WIDTH=100%><TR BGCOLOR='#00FF00'>"), std::string::npos);
    EXPECT_NE(html.find("<TD><font color='#000080'"), std::string::npos);
    EXPECT_EQ(html.find("Folder"), std::string::npos);
}

TEST_F(OptionsDialogTest, ALanguageClickRelabelsEveryOpenWindowAndBothCombos)
{
    world.home.write("language/CorD_xx.lng", "[Text]\r\n9=Only nine\r\n"); // no name of its own
    auto& save = world.windows.get<SaveCatalogDialog>();
    auto& edit = world.windows.get<CommentDialog>();
    main->showLayer(MainWindow::Layer::Find);
    Control<QComboBox>(*main, "cboTypeDisk").setCurrentIndex(2);
    OptionsDialog& dialog = open();
    dialog.showPage("Language");
    FileChoiceList& list = Control<FileChoiceList>(dialog, "lstLang");
    EXPECT_EQ(Items(list), QStringList({"Deutsch", "English", "CorD_xx.lng"}));
    EXPECT_EQ(list.currentItem()->text(), "English");

    choose(list, "Deutsch");
    EXPECT_EQ(world.settings.Language, "CorD_deu.lng");
    EXPECT_EQ(Stored(std::string(AppRegKey) + "\\Language", ""), "CorD_deu.lng");
    EXPECT_EQ(Text(*main, "lblRecursive"), "Unterordner einbeziehen");
    EXPECT_EQ(Text(*main, "lblSort"), "Ergebnisse sortieren");
    EXPECT_EQ(Control<QTreeView>(*main, "LVLib").model()->headerData(0, Qt::Horizontal).toString(), "Name");
    EXPECT_EQ(Control<QTreeView>(*main, "LVLib").model()->headerData(1, Qt::Horizontal).toString(), "Datum");
    EXPECT_EQ(Text(save, "lblSave"), "Speichern");
    EXPECT_EQ(Text(save, "lblTitle"), "Katalog speichern");
    EXPECT_EQ(Text(edit, "lblCancel"), "Abbrechen");
    EXPECT_EQ(NodeText(Control<QTreeWidget>(dialog, "TWOption"), "Setup"), "Einstellungen");
    EXPECT_EQ(NodeText(Control<QTreeWidget>(dialog, "TWOption"), "Font"), "Font");
    EXPECT_EQ(dialog.findChild<QGroupBox*>("fraLanguage")->title(), "Sprache");
    EXPECT_EQ(Text(dialog, "chkTaskbar"), "In der Taskleiste zeigen");
    EXPECT_EQ(MenuItem(Control<PopupMenu>(*main, "m_cMenu"), "OPTION").text(), "Eigenschaften...     F5");
    EXPECT_EQ(MenuItem(*tray()->menu(), "ABOUT").text(), "Info...     CTRL+A");
    EXPECT_EQ(Control<QComboBox>(*main, "cboListDAT").itemText(0), "Alle");
    EXPECT_EQ(Items(Control<QComboBox>(*main, "cboTypeDisk")),
              QStringList({"Alle", "Fixed", "Cd-Rom", "Ram Disk", "Remote", "Removable"}));
    EXPECT_EQ(Control<QComboBox>(*main, "cboTypeDisk").currentIndex(), 0);
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());

    // A file that lacks texts leaves the ones before in place.
    choose(list, "CorD_xx.lng");
    EXPECT_EQ(Text(*main, "lblRecursive"), "Only nine");
    EXPECT_EQ(Text(*main, "lblSort"), "Ergebnisse sortieren");

    // A stored name in another case still finds its file.
    close(dialog);
    SetKeyValue(HKEY_LOCAL_MACHINE, std::string(AppRegKey) + "\\Language", "", "cord_ENG.LNG", REG_SZ);
    OptionsDialog& again = open();
    EXPECT_EQ(Control<FileChoiceList>(again, "lstLang").currentItem()->text(), "English");
}

TEST_F(OptionsDialogTest, ASkinClickReskinsEveryWindowAndTheMainWindowKeepsItsPlaceAndBoxes)
{
    std::filesystem::copy_file(CORVANE_FIXTURES "/skins/Slate.zip", world.home.file("skin/Slate.zip"));
    auto& save = world.windows.get<SaveCatalogDialog>();
    auto& edit = world.windows.get<CommentDialog>();
    const QPixmap saveBefore = save.picture();
    Control<CheckBoxWeb>(*main, "CBWRecursive").setValue(true);
    main->move(40, 30);
    const QPoint place = main->pos();
    OptionsDialog& dialog = open();
    FileChoiceList& list = Control<FileChoiceList>(dialog, "lstSkins");
    EXPECT_EQ(Items(list), QStringList({"CorvaneDisk", "Slate"}));
    EXPECT_EQ(list.currentItem()->text(), "CorvaneDisk");

    choose(list, "Slate");
    EXPECT_EQ(world.settings.Skins, "Slate.zip");
    EXPECT_EQ(Stored(std::string(AppRegKey) + "\\Skins", ""), "Slate.zip");
    EXPECT_EQ(world.skin.name(), "Slate.zip");
    EXPECT_EQ(main->size(), QSize(400, 220));
    EXPECT_EQ(main->pos(), place);
    EXPECT_TRUE(Control<CheckBoxWeb>(*main, "CBWRecursive").value());
    EXPECT_FALSE(Control<CheckBoxWeb>(*main, "CBWSort").value());
    EXPECT_EQ(edit.palette().color(QPalette::Window), QColor(90, 40, 40));
    EXPECT_FALSE(SamePicture(save.picture(), saveBefore));
    EXPECT_EQ(world.windows.loaded(OptionsDialog::WindowName), &dialog);
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
}

TEST_F(OptionsDialogTest, TheSkinListShowsOddNamesAsTheyAreAndLoadsEachOne)
{
    for (const char* name : {"Blue.ZIP", "DEFAULT.zip", "b&w.zip"})
        std::filesystem::copy_file(CORVANE_FIXTURES "/skins/Slate.zip", world.home.file(std::string("skin/") + name));
    OptionsDialog& dialog = open();
    dialog.showPage("Skins");
    FileChoiceList& list = Control<FileChoiceList>(dialog, "lstSkins");
    EXPECT_EQ(Items(list), QStringList({"Blue", "CorvaneDisk", "DEFAULT", "b&w"}));
    for (const char* file : {"Blue.ZIP", "DEFAULT.zip", "b&w.zip"}) {
        choose(list, QString::fromUtf8(file).chopped(4));
        EXPECT_EQ(world.skin.name(), file);
        EXPECT_EQ(world.settings.Skins, file);
    }
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
}

TEST_F(OptionsDialogTest, AClickOnTheChoiceAlreadyMadeAppliesItsFileAgain)
{
    OptionsDialog& dialog = open();
    dialog.showPage("Language");
    FileChoiceList& languages = Control<FileChoiceList>(dialog, "lstLang");
    ASSERT_EQ(languages.currentItem()->text(), "English");
    choose(languages, "English");
    world.home.write("language/CorD_eng.lng", "[Text]\r\n0=English\r\n9=Edited nine\r\n");
    choose(languages, "English");
    EXPECT_EQ(Text(*main, "lblRecursive"), "Edited nine");

    dialog.showPage("Skins");
    FileChoiceList& skins = Control<FileChoiceList>(dialog, "lstSkins");
    ASSERT_EQ(skins.currentItem()->text(), "CorvaneDisk");
    choose(skins, "CorvaneDisk");
    std::filesystem::copy_file(CORVANE_FIXTURES "/skins/Slate.zip", world.home.file("skin/CorvaneDisk.zip"),
                               std::filesystem::copy_options::overwrite_existing);
    choose(skins, "CorvaneDisk");
    EXPECT_EQ(main->size(), QSize(400, 220));
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
}

TEST_F(OptionsDialogTest, ALanguageThatCannotBeReadKeepsTheTextsAndSaysWhy)
{
    world.home.write("language/CorD_gone.lng", "[Text]\r\n0=Gone\r\n9=Never seen\r\n");
    world.home.write("language/CorD_none.lng", "[Other]\r\n9=Never seen\r\n");
    OptionsDialog& dialog = open();
    dialog.showPage("Language");
    std::filesystem::remove(world.home.file("language/CorD_gone.lng"));
    choose(Control<FileChoiceList>(dialog, "lstLang"), "Gone");
    choose(Control<FileChoiceList>(dialog, "lstLang"), "CorD_none.lng");
    EXPECT_EQ(Text(*main, "lblRecursive"), "Include subfolders");
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 2u);
    EXPECT_NE(world.fakes.prompter.boxes[0].text.find("\"CorD_gone.lng\" is missing"), std::string::npos);
    EXPECT_NE(world.fakes.prompter.boxes[1].text.find("\"CorD_none.lng\" holds no [Text]"), std::string::npos);
}

TEST_F(OptionsDialogTest, ChoicesMadeDuringAJobWaitForItsEnd)
{
    std::filesystem::copy_file(CORVANE_FIXTURES "/skins/Slate.zip", world.home.file("skin/Slate.zip"));
    OptionsDialog& dialog = open();
    std::atomic<bool> release{false};
    bool completed = false;
    world.holdJobs(release, [&] { completed = true; });
    choose(Control<FileChoiceList>(dialog, "lstLang"), "Deutsch");
    choose(Control<FileChoiceList>(dialog, "lstSkins"), "Slate");
    TestWorld::waitFor([] { return false; }, 200);
    EXPECT_EQ(world.settings.Language, "CorD_deu.lng"); // stored at once
    EXPECT_EQ(Text(*main, "lblRecursive"), "Include subfolders");
    EXPECT_EQ(world.skin.name(), "CorvaneDisk.zip");

    release = true;
    ASSERT_TRUE(TestWorld::waitFor([&] { return world.skin.name() == "Slate.zip"; }));
    EXPECT_TRUE(completed);
    EXPECT_EQ(Text(*main, "lblRecursive"), "Unterordner einbeziehen");
}

TEST_F(OptionsDialogTest, GenerateWritesTheDefaultPackageAndEmptiesTheWorkFolder)
{
    std::filesystem::remove(world.home.file("skin/CorvaneDisk.zip"));
    world.home.write("skin/Other.zip", BuildDefaultSkinPackage());
    world.home.write("tmp/fond.bmp", "left over");
    world.home.write("tmp/CorvaneDisk.ini", "left over");
    OptionsDialog& dialog = open();
    FileChoiceList& list = Control<FileChoiceList>(dialog, "lstSkins");
    EXPECT_EQ(Items(list), QStringList({"Other"}));

    Control<QPushButton>(dialog, "cmdGenereSkin").click();
    EXPECT_EQ(world.home.read("skin/CorvaneDisk.zip"), BuildDefaultSkinPackage());
    EXPECT_FALSE(std::filesystem::exists(world.home.file("tmp/fond.bmp")));
    EXPECT_FALSE(std::filesystem::exists(world.home.file("tmp/CorvaneDisk.ini")));
    EXPECT_EQ(Items(list), QStringList({"CorvaneDisk", "Other"}));
    EXPECT_EQ(list.currentItem()->text(), "CorvaneDisk"); // the stored skin stays chosen
    EXPECT_EQ(world.skin.name(), "CorvaneDisk.zip");      // and nothing is applied
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());

    // A package damaged on disk is replaced.
    world.home.write("skin/CorvaneDisk.zip", "broken");
    Control<QPushButton>(dialog, "cmdGenereSkin").click();
    EXPECT_EQ(world.home.read("skin/CorvaneDisk.zip"), BuildDefaultSkinPackage());
}

TEST_F(OptionsDialogTest, F1OpensTheHelpOfThePageShown)
{
    OptionsDialog& dialog = open();
    dialog.activateWindow();
    QApplication::setActiveWindow(&dialog);
    std::vector<int> expected;
    for (auto [key, context] : {std::pair{"Setup", 1010},
                                {"Display", 1011},
                                {"FileType", 1012},
                                {"Language", 1013},
                                {"Skins", 1014},
                                {"Report", 1015},
                                {"Font", 1016}}) {
        dialog.showPage(key);
        QTest::keyClick(&Control<QTreeWidget>(dialog, "TWOption"), Qt::Key_F1);
        expected.push_back(context);
    }
    dialog.showPage("font"); // keys compare exactly: nothing changes
    EXPECT_EQ(dialog.page(), "FONT");
    EXPECT_EQ(world.fakes.help.contexts, expected);
}

TEST_F(OptionsDialogTest, TheUpdateButtonWaitsForItsCheckAndClosingTheDialogEndsIt)
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); // the stub is local
    HttpStub stub;
    UpdateSetup setup;
    setup.server = stub.address();
    setup.version = {2, 1, 0};
    setup.timeout = std::chrono::seconds(20);
    world.windows.define(OptionsDialog::WindowName,
                         [&] { return new OptionsDialog(world.app, MakeMainWindowLink(world.app), setup); });

    stub.answer("/file/ver210.dat", {200, "OK", "210\r\nnew.bin\r\n10\r\n"});
    OptionsDialog& dialog = open();
    auto& updateButton = Control<QPushButton>(dialog, "cmdScan");
    auto& progress = Control<QProgressBar>(dialog, "ProgressBar");
    updateButton.click();
    EXPECT_FALSE(updateButton.isEnabled());
    ASSERT_TRUE(TestWorld::waitFor([&] { return updateButton.isEnabled(); }));
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_EQ(world.fakes.prompter.boxes[0].text, "You already have the latest version.");

    // A newer version: the bar follows the download and goes when it is done.
    const QByteArray body(30727, 'u');
    HttpStub::Answer slow{200, "OK", body};
    slow.chunkBytes = 10240;
    slow.chunkDelayMs = 50;
    stub.answer("/file/ver210.dat", {200, "OK", "211\r\nnew.bin\r\n30727\r\n"});
    stub.answer("/file/new.bin", slow);
    world.fakes.prompter.answers = {true};
    updateButton.click();
    ASSERT_TRUE(TestWorld::waitFor([&] { return progress.isVisible(); }));
    EXPECT_EQ(progress.maximum(), 30727);
    ASSERT_TRUE(TestWorld::waitFor([&] { return updateButton.isEnabled(); }));
    EXPECT_FALSE(progress.isVisible());
    EXPECT_EQ(world.home.read("new.bin"), body.toStdString());
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 3u); // the question, then the message
    EXPECT_NE(world.fakes.prompter.boxes[2].text.find(world.home.file("new.bin")), std::string::npos);

    // A server that never answers: closing the dialog ends the check without a word.
    stub.answer("/file/ver210.dat", HttpStub::Answer::Silent());
    updateButton.click();
    ASSERT_TRUE(TestWorld::waitFor([&] { return stub.hits("/file/ver210.dat") == 2; }));
    EXPECT_FALSE(updateButton.isEnabled());
    close(dialog);
    TestWorld::waitFor([] { return false; }, 200);
    EXPECT_EQ(world.fakes.prompter.boxes.size(), 3u);
}

TEST_F(OptionsDialogTest, TheFolderMenuAndDesktopButtonsWriteTheirFiles)
{
    TempDir home;
    std::filesystem::create_directories(home.file("Desktop"));
    std::string launcher, service;
    {
        const ScopedEnv homeFolder("HOME", home.path());
        const ScopedEnv dataHome("XDG_DATA_HOME", home.file("share"));
        const ScopedEnv configHome("XDG_CONFIG_HOME", home.file("config"));
        OptionsDialog& dialog = open();
        Control<QPushButton>(dialog, "cmdRebuildShellContextMenu").click();
        Control<QPushButton>(dialog, "cmdAddIconDeskTop").click();
        launcher = home.read("Desktop/CorvaneDisk v2.0.0.desktop");
        service = home.read("share/kio/servicemenus/corvanedisk-catalog.desktop");
    }
    const std::string program = QCoreApplication::applicationFilePath().toStdString();

    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
    EXPECT_NE(launcher.find(program), std::string::npos);
    EXPECT_NE(service.find(program), std::string::npos);
    EXPECT_NE(service.find("-d:"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(home.file("share/nautilus/scripts/Catalog with CorvaneDisk")));
    EXPECT_TRUE(std::filesystem::exists(home.file("share/nemo/actions/corvanedisk-catalog.nemo_action")));
}

TEST_F(OptionsDialogTest, AMessageBoxStandsAboveTheDialog)
{
    open();
    DialogPrompter boxes([](std::string_view) {});
    bool above = false;
    TestWorld::whenModal([&](QWidget* box) {
        above = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        qobject_cast<QDialog*>(box)->accept();
    });
    boxes.message("You already have the latest version.", "CorvaneDisk", MsgIcon::Information);
    EXPECT_TRUE(above);
}
