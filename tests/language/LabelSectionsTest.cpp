// The window sections against the windows they label: each control a section
// names is in its window and shows its text, and each caption, column header,
// tree node and menu item of those windows comes from a section. A control
// added without its entry shows no caption, and fails here.

#include "gui/widgets/ColorChooser.h"
#include "gui/widgets/PictureButton.h"
#include "language/LabelSections.h"
#include "language/WindowTexts.h"
#include "tests/mainwindow/StartMainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTreeView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

namespace {

// Controls of the labelled windows that show no language text, and why.
struct Unlabelled {
    const char* window;
    const char* control;
    const char* why;
};
constexpr Unlabelled NoSectionText[] = {
    {"frmCorvaneDisk", "imgIcon", "a picture"},
    {"frmCorvaneDisk", "lblDisplay1", "the scan's progress"},
    {"frmCorvaneDisk", "lblDisplay2", "the scan's progress"},
    {"frmOption", "picSideBar", "a picture"},
    {"frmOption", "picSysIcon", "the chosen tray picture"},
    {"frmOption", "lblSampleLabel", "a sample of the label font"},
    {"frmOption", "lblSampleTitle", "a sample of the title font"},
    // Fixed texts: the same in every language.
    {"frmOption", "fraSetup", "the page title \"Setup\""},
    {"frmOption", "cmdRebuildShellContextMenu", "\"Add to the folder menus\", which has no text number"},
    {"frmEditComment", "lblTitle", "the program's name, in the window's own font"},
};

std::string Name(const QObject& o)
{
    return o.objectName().toStdString();
}

class LabelSectionsTest : public ::testing::Test {
protected:
    LabelSectionsTest()
    {
        StartMainWindow(world);
        for (const LabelSection& section : LabelSections())
            for (const WindowLabels& labels : section.windows)
                world.windows.instance(labels.window);
        world.windowTexts.relabelLoadedWindows();
    }

    QWidget& window(const char* name) { return world.windows.instance(name); }

    // The windows the sections label, each once.
    std::set<std::string> labelledWindows() const
    {
        std::set<std::string> names;
        for (const LabelSection& section : LabelSections())
            for (const WindowLabels& labels : section.windows)
                names.insert(labels.window);
        return names;
    }

    // Whether an entry of any section names this control of the window (in
    // the target given, with its column or key when it has one).
    static bool named(const std::string& window, const std::string& control,
                      std::optional<LabelTarget> target = std::nullopt, int column = 0, const std::string& key = "")
    {
        for (const LabelSection& section : LabelSections())
            for (const WindowLabels& labels : section.windows)
                for (const LabelEntry& e : labels.entries)
                    if (labels.window == window && e.control == control &&
                        (!target || (e.target == *target && e.column == column && e.key == key)))
                        return true;
        return false;
    }

    TestWorld world;
};

// What the control shows where the entry puts its text; nothing when the
// window has no such control, column, node or item.
std::optional<QString> Shown(QWidget& window, const LabelEntry& e)
{
    const std::nullopt_t missing = std::nullopt;
    if (e.target == LabelTarget::MenuItem) {
        for (const QMenu* menu : window.findChildren<QMenu*>(QLatin1String(e.control)))
            for (const QAction* item : menu->actions())
                if (item->objectName() == QLatin1String(e.key))
                    return item->text();
        return missing;
    }
    QWidget* control = window.findChild<QWidget*>(QLatin1String(e.control));
    if (!control)
        return missing;
    switch (e.target) {
    case LabelTarget::Caption:
        return control->property("text").toString();
    case LabelTarget::FrameTitle:
        return control->property("title").toString();
    case LabelTarget::ToolTip:
        return control->toolTip();
    case LabelTarget::ColumnHeader: {
        auto* view = qobject_cast<QAbstractItemView*>(control);
        if (!view || !view->model() || e.column >= view->model()->columnCount())
            return missing;
        return view->model()->headerData(e.column, Qt::Horizontal).toString();
    }
    case LabelTarget::TreeNode:
        if (auto* tree = qobject_cast<QTreeWidget*>(control))
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                if ((*it)->data(0, TreeNodeKeyRole).toString() == QLatin1String(e.key))
                    return (*it)->text(0);
        return missing;
    case LabelTarget::MenuItem:
        break;
    }
    return missing;
}

bool ShowsNoLanguageText(const std::string& window, const std::string& control)
{
    for (const Unlabelled& u : NoSectionText)
        if (u.window == window && u.control == control)
            return true;
    return false;
}

} // namespace

TEST_F(LabelSectionsTest, EveryControlASectionNamesIsInItsWindowAndShowsItsText)
{
    for (const LabelSection& section : LabelSections())
        for (const WindowLabels& labels : section.windows)
            for (const LabelEntry& e : labels.entries) {
                SCOPED_TRACE(std::string(section.name) + ": " + labels.window + " " + e.control + " " + e.key +
                             " column " + std::to_string(e.column));
                const std::optional<QString> shown = Shown(window(labels.window), e);
                if (!shown) {
                    ADD_FAILURE() << "the window has no such control";
                    continue;
                }
                if (e.text) {
                    EXPECT_TRUE(shown->contains(QString::fromStdString(world.texts[*e.text])))
                        << "shows \"" << shown->toStdString() << "\"";
                }
            }
}

TEST_F(LabelSectionsTest, EveryCaptionOfALabelledWindowHasItsEntry)
{
    for (const std::string& name : labelledWindows()) {
        QWidget& w = window(name.c_str());
        for (QWidget* control : w.findChildren<QWidget*>()) {
            const std::string c = Name(*control);
            // Skin pictures and colour values show no caption; popups are looked at by their items.
            if (c.empty() || c.starts_with("qt_") || control->window() != &w || qobject_cast<PictureButton*>(control) ||
                qobject_cast<ColorChooser*>(control))
                continue;
            if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control) ||
                qobject_cast<QGroupBox*>(control)) {
                EXPECT_TRUE(named(name, c) || ShowsNoLanguageText(name, c)) << name << ": " << c << " has no entry";
            }
            if (auto* list = qobject_cast<QTreeView*>(control); list && !list->header()->isHidden()) {
                for (int column = 0; column < list->model()->columnCount(); ++column) {
                    EXPECT_TRUE(named(name, c, LabelTarget::ColumnHeader, column))
                        << name << ": " << c << " has no header for column " << column;
                }
            }
            if (auto* tree = qobject_cast<QTreeWidget*>(control))
                for (QTreeWidgetItemIterator it(tree); *it; ++it) {
                    const std::string key = (*it)->data(0, TreeNodeKeyRole).toString().toStdString();
                    EXPECT_TRUE(named(name, c, LabelTarget::TreeNode, 0, key))
                        << name << ": " << c << " has no entry for the node \"" << key << "\"";
                }
        }
        for (const QMenu* menu : w.findChildren<QMenu*>()) {
            if (menu->objectName().isEmpty())
                continue; // a colour chooser's palette
            for (const QAction* item : menu->actions()) {
                const std::string key = Name(*item);
                if (!key.empty() && !key.starts_with("SKIN:")) { // skin items show the packages' names
                    EXPECT_TRUE(named(name, Name(*menu), LabelTarget::MenuItem, 0, key))
                        << name << ": menu " << Name(*menu) << " has no entry for " << key;
                }
            }
        }
    }
}

TEST_F(LabelSectionsTest, TheControlsWithoutEntriesAreInTheirWindowsAndInNoSection)
{
    for (const Unlabelled& u : NoSectionText) {
        SCOPED_TRACE(std::string(u.window) + ": " + u.control + " (" + u.why + ")");
        EXPECT_TRUE(window(u.window).findChild<QWidget*>(QLatin1String(u.control)));
        EXPECT_FALSE(named(u.window, u.control));
    }
}
