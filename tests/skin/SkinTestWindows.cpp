#include "tests/skin/SkinTestWindows.h"

#include "gui/WindowRegistry.h"
#include "gui/widgets/ButtonWeb.h"
#include "gui/widgets/CheckBoxWeb.h"
#include "gui/widgets/SkinnedForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace {
using K = ControlKind;

QWidget* make(ControlKind kind, QWidget* parent)
{
    switch (kind) {
    case K::Label:
        return new QLabel("label", parent);
    case K::Button:
        return new ButtonWeb(parent);
    case K::CheckBox:
        return new CheckBoxWeb(parent);
    case K::Picture:
        return new PictureBox(parent);
    case K::List:
        return new QTreeWidget(parent);
    case K::Combo:
        return new QComboBox(parent);
    case K::Text:
        return new QLineEdit(parent);
    }
    return nullptr;
}

// A window with the skinned frame of the search results, the browser and the viewer.
SkinnedForm* framed(const char* name, std::vector<TestControl> content)
{
    std::vector<TestControl> controls = {{"picGH", K::Picture}, {"picG", K::Picture},  {"picGB", K::Picture},
                                         {"picB", K::Picture},  {"picDB", K::Picture}, {"picD", K::Picture},
                                         {"picDH", K::Picture}, {"picH", K::Picture},  {"BWExit", K::Button},
                                         {"BWMax", K::Button},  {"lblTitle", K::Label}};
    controls.insert(controls.end(), content.begin(), content.end());
    return MakeTestWindow(name, controls);
}
} // namespace

SkinnedForm* MakeTestWindow(const char* name, const std::vector<TestControl>& controls)
{
    auto* window = new SkinnedForm;
    window->setObjectName(name);
    for (const TestControl& c : controls) {
        QWidget* control = make(c.kind, window);
        control->setObjectName(c.name);
        control->setGeometry(1, 2, 30, 20);
    }
    return window;
}

void DefineMainTestWindow(WindowRegistry& windows)
{
    windows.define("frmCorvaneDisk", [] {
        return MakeTestWindow("frmCorvaneDisk", {{"CBWRecursive", K::CheckBox},
                                                 {"CBWSearchZipContent", K::CheckBox},
                                                 {"CBWEnableComment", K::CheckBox},
                                                 {"CBWEjectCD", K::CheckBox},
                                                 {"CBWSort", K::CheckBox},
                                                 {"CBWIgnoreMaxHit", K::CheckBox},
                                                 {"BWExit", K::Button},
                                                 {"BWMin", K::Button},
                                                 {"BWSearch", K::Button},
                                                 {"BWStop", K::Button},
                                                 {"BWFind", K::Button},
                                                 {"BWLayerCat", K::Button},
                                                 {"BWLayerFind", K::Button},
                                                 {"BWLayerLib", K::Button},
                                                 {"lblTitle", K::Label},
                                                 {"lblEjectCD", K::Label},
                                                 {"lblEnableComment", K::Label},
                                                 {"lblRecursive", K::Label},
                                                 {"lblSearch", K::Label},
                                                 {"lblSearchZipContent", K::Label},
                                                 {"lblStop", K::Label},
                                                 {"lblFind", K::Label},
                                                 {"lblListDAT", K::Label},
                                                 {"lblFilter", K::Label},
                                                 {"lblTypeDisk", K::Label},
                                                 {"lblIgnoreMaxHit", K::Label},
                                                 {"lblSort", K::Label},
                                                 {"LVLib", K::List},
                                                 {"FolderTreeview", K::List},
                                                 {"cboFileType", K::Combo},
                                                 {"cboFilter", K::Combo},
                                                 {"cboListDAT", K::Combo},
                                                 {"cboTypeDisk", K::Combo},
                                                 {"cboFind", K::Combo},
                                                 {"imgIcon", K::Picture}});
    });
}

void DefineSkinTestWindows(WindowRegistry& windows)
{
    DefineMainTestWindow(windows);
    windows.define("frmSaveIDX", [] {
        return MakeTestWindow("frmSaveIDX", {{"BWSave", K::Button},
                                             {"BWCancel", K::Button},
                                             {"BWExit", K::Button},
                                             {"lblCancel", K::Label},
                                             {"lblComment", K::Label},
                                             {"lblName", K::Label},
                                             {"lblSave", K::Label},
                                             {"lblTitle", K::Label},
                                             {"txtName", K::Text},
                                             {"txtComment", K::Text}});
    });
    windows.define("frmFind", [] { return framed("frmFind", {{"LVFind", K::List}}); });
    windows.define("frmLib", [] {
        return framed("frmLib", {{"picSplit", K::Picture},
                                 {"CBWView", K::CheckBox},
                                 {"lblView", K::Label},
                                 {"TVPath", K::List},
                                 {"LVPath", K::List}});
    });
    windows.define("frmViewImg", [] { return framed("frmViewImg", {{"picScroll", K::Picture}, {"rtf", K::Text}}); });
    windows.define("frmEditComment", [] {
        return MakeTestWindow("frmEditComment", {{"BWOK", K::Button},
                                                 {"BWCancel", K::Button},
                                                 {"BWExit", K::Button},
                                                 {"lblCancel", K::Label},
                                                 {"lblOk", K::Label},
                                                 {"lblTitle", K::Label},
                                                 {"txtComment", K::Text}});
    });
}
