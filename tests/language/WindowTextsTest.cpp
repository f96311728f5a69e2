#include "engine/settings/FontSetting.h"
#include "engine/start/AppFolders.h"
#include "gui/WindowRegistry.h"
#include "language/LangText.h"
#include "language/WindowTexts.h"
#include "platform/gui/WinColor.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

template <class W> W* Add(QWidget& parent, const char* name)
{
    auto* w = new W(&parent);
    w->setObjectName(name);
    return w;
}

QMenu* AddMenu(QWidget& window, const char* name, std::initializer_list<const char*> keys)
{
    QMenu* menu = Add<QMenu>(window, name);
    for (const char* key : keys) {
        QAction* item = menu->addAction(QString("&") + key);
        item->setObjectName(key);
    }
    return menu;
}

QString Caption(QWidget& window, const char* name)
{
    QObject* control = window.findChild<QObject*>(name);
    return control ? control->property("text").toString() : QString("(missing)");
}

QString Item(QWidget& window, const char* menu, const char* key)
{
    for (QAction* a : window.findChild<QMenu*>(menu)->actions())
        if (a->objectName() == key)
            return a->text();
    return "(missing)";
}

// The main window as the window kit builds it, but for a few controls a
// later window adds (left out on purpose).
QWidget* MakeMainWindow()
{
    auto* w = new QWidget;
    Add<QLabel>(*w, "lblTitle")->setText("CorvaneDisk");
    for (const char* name : {"lblEjectCD", "lblEnableComment", "lblRecursive", "lblSearch", "lblStop", "lblFind",
                             "lblListDAT", "lblFilter", "lblTypeDisk", "lblSort"})
        Add<QLabel>(*w, name);
    auto* lib = Add<QTreeWidget>(*w, "LVLib");
    lib->setColumnCount(6);
    AddMenu(*w, "m_cMenu", {"OPTION", "SKIN:DEFAULT", "ABOUT", "EXIT"});
    AddMenu(*w, "m_cMenuLib", {"OPEN", "DEL", "MOVE", "PROP"}); // no PRINT
    return w;
}

class WindowTextsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetAppFolders(CORVANE_BINARY_DIR);
        LoadLanguage(prompter, texts, Folders().LangPath, "CorD_eng.lng");
        label = {.Name = "DejaVu Sans", .Bold = true, .Italic = false, .Color = 0x0000FF, .Size = 9};
        title = {.Name = "DejaVu Serif", .Bold = false, .Italic = true, .Color = 0xFF0000, .Size = 14};
        windows.define("frmCorvaneDisk", MakeMainWindow);
    }

    RecordingPrompter prompter;
    LangText texts;
    FontSetting label;
    FontSetting title;
    WindowRegistry windows;
    WindowTexts labels{windows, texts, label, title};
};

} // namespace

TEST_F(WindowTextsTest, MainSectionSetsCaptionsFontsAndColumnHeaders)
{
    QWidget& main = windows.instance("frmCorvaneDisk");
    EXPECT_EQ(Caption(main, "lblSort"), "");

    labels.relabelLoadedWindows();
    EXPECT_EQ(Caption(main, "lblTitle"), "CorvaneDisk");
    EXPECT_EQ(Caption(main, "lblSearch"), "Start");
    EXPECT_EQ(Caption(main, "lblFind"), "Start");
    EXPECT_EQ(Caption(main, "lblListDAT"), "Catalog");
    EXPECT_EQ(Caption(main, "lblSort"), "Sort the results");

    auto* sort = main.findChild<QLabel*>("lblSort");
    EXPECT_EQ(sort->font().family(), "DejaVu Sans");
    EXPECT_TRUE(sort->font().bold());
    EXPECT_FALSE(sort->font().italic());
    EXPECT_EQ(sort->font().pointSize(), 9);
    EXPECT_EQ(sort->palette().color(QPalette::WindowText), QColor(255, 0, 0)); // red in the low byte
    auto* titleLabel = main.findChild<QLabel*>("lblTitle");
    EXPECT_EQ(titleLabel->font().family(), "DejaVu Serif");
    EXPECT_TRUE(titleLabel->font().italic());
    EXPECT_EQ(titleLabel->font().pointSize(), 14);
    EXPECT_EQ(titleLabel->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(main.font().family(), "DejaVu Sans");

    QTreeWidgetItem* header = main.findChild<QTreeWidget*>("LVLib")->headerItem();
    QStringList columns;
    for (int c = 0; c < 6; ++c)
        columns << header->text(c);
    EXPECT_EQ(columns, QStringList({"Name", "Date", "Root folder", "Free", "Total", "Comment"}));
}

TEST_F(WindowTextsTest, MenuSectionGivesExactCaptionsToTheLoadedWindowsMenus)
{
    windows.define("fSysTrayIconMenu", [] {
        auto* tray = new QWidget;
        AddMenu(*tray, "m_cM", {"PROP", "ONTOP", "ABOUT", "EXIT"});
        return tray;
    });
    windows.define("frmFind", [] { return new QWidget; });
    QWidget& main = windows.instance("frmCorvaneDisk");

    labels.relabelLoadedWindows(); // no tray form, no results window loaded
    EXPECT_EQ(Item(main, "m_cMenu", "OPTION"), "Properties...     F5");
    EXPECT_EQ(Item(main, "m_cMenu", "ABOUT"), "About...     CTRL+A");
    EXPECT_EQ(Item(main, "m_cMenu", "EXIT"), "Exit...     ALT+F4");
    EXPECT_EQ(Item(main, "m_cMenu", "SKIN:DEFAULT"), "&SKIN:DEFAULT");
    EXPECT_EQ(Item(main, "m_cMenuLib", "OPEN"), "Open...     CTRL+O");
    EXPECT_EQ(Item(main, "m_cMenuLib", "DEL"), "Delete...     Del");
    EXPECT_EQ(Item(main, "m_cMenuLib", "MOVE"), "Rename");
    EXPECT_EQ(Item(main, "m_cMenuLib", "PROP"), "Properties");
    EXPECT_EQ(windows.loaded("fSysTrayIconMenu"), nullptr);

    QWidget& tray = windows.instance("fSysTrayIconMenu");
    labels.relabelWindows({"fSysTrayIconMenu"});
    EXPECT_EQ(Item(tray, "m_cM", "PROP"), "Properties...     F5");
    EXPECT_EQ(Item(tray, "m_cM", "ONTOP"), "Always on top");
    EXPECT_EQ(Item(tray, "m_cM", "EXIT"), "Exit...     ALT+F4");
}

TEST_F(WindowTextsTest, OptionSectionSetsCaptionsFramesAndTreeNodesWithoutFonts)
{
    windows.define("frmOption", [] {
        auto* w = new QWidget;
        Add<QPushButton>(*w, "cmdExit");
        Add<QGroupBox>(*w, "fraLanguage");
        Add<QCheckBox>(*w, "chkAllwaysOnTop");
        auto* tree = Add<QTreeWidget>(*w, "TWOption");
        auto* setup = new QTreeWidgetItem(tree);
        setup->setData(0, TreeNodeKeyRole, "Setup");
        for (const char* key : {"Language", "Font", "Report"})
            (new QTreeWidgetItem(setup))->setData(0, TreeNodeKeyRole, key);
        return w;
    });
    QWidget& option = windows.instance("frmOption");
    labels.relabelLoadedWindows();
    EXPECT_EQ(Caption(option, "cmdExit"), "OK");
    EXPECT_EQ(Caption(option, "chkAllwaysOnTop"), "Always on top");
    EXPECT_EQ(option.findChild<QGroupBox*>("fraLanguage")->title(), "Language");
    QTreeWidgetItem* setup = option.findChild<QTreeWidget*>("TWOption")->topLevelItem(0);
    EXPECT_EQ(setup->text(0), "Setup");
    EXPECT_EQ(setup->child(0)->text(0), "Language");
    EXPECT_EQ(setup->child(1)->text(0), "Font");
    EXPECT_EQ(setup->child(2)->text(0), "Report");
    EXPECT_FALSE(option.findChild<QPushButton*>("cmdExit")->font().bold());
    EXPECT_NE(option.font().family(), "DejaVu Sans");
}

TEST_F(WindowTextsTest, ListHeadersOfAModelViewListAndTheBrowsersToolTip)
{
    windows.define("frmFind", [] {
        auto* w = new QWidget;
        auto* list = Add<QTableView>(*w, "LVFind");
        list->setModel(new QStandardItemModel(0, 6, list));
        AddMenu(*w, "m_cMenu", {"OPEN", "DELETE", "MOVE", "PROP", "EDIT", "PRINT"});
        return w;
    });
    windows.define("frmLib", [] {
        auto* w = new QWidget;
        Add<QTreeWidget>(*w, "LVPath")->setColumnCount(3); // one column short
        Add<QLabel>(*w, "lblView");
        return w;
    });
    QWidget& find = windows.instance("frmFind");
    QWidget& lib = windows.instance("frmLib");
    labels.relabelLoadedWindows();
    QAbstractItemModel* model = find.findChild<QTableView*>("LVFind")->model();
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Directory");
    EXPECT_EQ(model->headerData(5, Qt::Horizontal).toString(), "Comment");
    EXPECT_EQ(Item(find, "m_cMenu", "PROP"), "Properties...");
    EXPECT_EQ(Item(find, "m_cMenu", "EDIT"), "Edit comment...     F12");
    auto* path = lib.findChild<QTreeWidget*>("LVPath");
    EXPECT_EQ(path->columnCount(), 3);
    EXPECT_EQ(path->headerItem()->text(2), "Date");
    EXPECT_EQ(path->toolTip(), "Press F12 to edit the comment");
    EXPECT_EQ(Caption(lib, "lblView"), "View");
}

namespace {
// A window that labels itself while it is built and again on a change.
struct CommentDialog : QWidget, Retranslatable {
    explicit CommentDialog(const WindowTexts& texts) : texts_(texts)
    {
        Add<QLabel>(*this, "lblOk");
        Add<QLabel>(*this, "lblCancel");
        retranslate();
    }
    void retranslate() override
    {
        ++calls;
        texts_.apply(*this, "frmEditComment");
    }
    const WindowTexts& texts_;
    int calls = 0;
};
} // namespace

TEST_F(WindowTextsTest, ALanguageChangeRelabelsTheLoadedWindowsOnly)
{
    windows.define("frmEditComment", [this] { return new CommentDialog(labels); });
    windows.define("frmSaveIDX", [] { return new QWidget; });
    auto& edit = static_cast<CommentDialog&>(windows.instance("frmEditComment"));
    QWidget& main = windows.instance("frmCorvaneDisk");
    EXPECT_EQ(Caption(edit, "lblOk"), "OK");

    TempDir home;
    home.write("language/CorD_tst.lng", "[Text]\n15=Fine\n70=Order\n71=Leave\n");
    SetAppFolders(home.path());
    LoadLanguage(prompter, texts, Folders().LangPath, "CorD_tst.lng");
    labels.relabelLoadedWindows();
    EXPECT_EQ(edit.calls, 2);
    EXPECT_EQ(Caption(edit, "lblOk"), "Fine");
    EXPECT_EQ(Caption(edit, "lblCancel"), "Cancel"); // not in the new file
    EXPECT_EQ(Caption(main, "lblSort"), "Order");
    EXPECT_EQ(Item(main, "m_cMenu", "EXIT"), "Leave...     ALT+F4");
    EXPECT_EQ(windows.loaded("frmSaveIDX"), nullptr);
}

TEST_F(WindowTextsTest, TextsAreShownAsWrittenNeverAsMarkupOrShortcuts)
{
    const std::string heading = "<h1>BIG</h1>", entity = "Fish &amp; Chips", amp = "Salt & Vinegar";
    texts.set(int(TextId::Recursive), heading);      // a label
    texts.set(int(TextId::Confirm), entity);         // a button
    texts.set(int(TextId::AlwaysOnTop), amp);        // a check box
    texts.set(int(TextId::PageLanguage), amp);       // a frame
    texts.set(int(TextId::MenuProperties), entity);  // menu item OPTION
    texts.set(int(TextId::BrowserListTip), heading); // a tool tip
    windows.define("frmOption", [] {
        auto* w = new QWidget;
        Add<QPushButton>(*w, "cmdExit");
        Add<QGroupBox>(*w, "fraLanguage");
        Add<QCheckBox>(*w, "chkAllwaysOnTop");
        return w;
    });
    windows.define("frmLib", [] {
        auto* w = new QWidget;
        Add<QTreeWidget>(*w, "LVPath");
        return w;
    });
    QWidget& main = windows.instance("frmCorvaneDisk");
    QWidget& option = windows.instance("frmOption");
    QWidget& lib = windows.instance("frmLib");
    labels.relabelLoadedWindows();

    auto* recursive = main.findChild<QLabel*>("lblRecursive");
    EXPECT_EQ(recursive->text(), "<h1>BIG</h1>");
    EXPECT_EQ(recursive->textFormat(), Qt::PlainText);
    // Shown as written: one line as wide as its thirteen characters, not a heading.
    EXPECT_EQ(recursive->sizeHint().width(), recursive->fontMetrics().horizontalAdvance("<h1>BIG</h1>"));
    auto* button = option.findChild<QPushButton*>("cmdExit");
    EXPECT_EQ(button->text(), "Fish &&amp; Chips"); // one "&" shown, no shortcut
    EXPECT_EQ(option.findChild<QCheckBox*>("chkAllwaysOnTop")->text(), "Salt && Vinegar");
    EXPECT_EQ(option.findChild<QGroupBox*>("fraLanguage")->title(), "Salt && Vinegar");
    EXPECT_EQ(Item(main, "m_cMenu", "OPTION"), "Fish &&amp; Chips...     F5");
    const QString tip = lib.findChild<QTreeWidget*>("LVPath")->toolTip();
    EXPECT_EQ(tip.toStdString().find("<h1>"), std::string::npos) << tip.toStdString();
    EXPECT_NE(tip.toStdString().find("&lt;h1&gt;BIG&lt;/h1&gt;"), std::string::npos) << tip.toStdString();
}
