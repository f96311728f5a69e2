// The main window's controls with their names and their places when no skin
// places them (the default skin's places, in pixels).
#include "mainwindow/MainWindow.h"

#include "gui/AppIcons.h"
#include "gui/MakeControl.h"
#include "gui/widgets/ButtonWeb.h"
#include "gui/widgets/CheckBoxWeb.h"
#include "mainwindow/FolderTree.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>

namespace {

QLabel* Label(QWidget* parent, const char* name, QPoint at)
{
    auto* l = MakeControl<QLabel>(parent, name, QRect(at, QSize(1, 1)));
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

LayerTab* Tab(QWidget* parent, const char* name, const char* caption, int top)
{
    auto* t = MakeControl<LayerTab>(parent, name, {6, top, 19, 47});
    t->setText(QLatin1String(caption));
    return t;
}

QComboBox* Combo(QWidget* parent, const char* name, QRect place, bool editable = false)
{
    auto* c = MakeControl<QComboBox>(parent, name, place);
    c->setEditable(editable);
    c->setMaxVisibleItems(15);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

} // namespace

void MainWindow::buildControls()
{
    setWindowTitle(QStringLiteral("CorvaneDisk"));
    setWindowIcon(ProgramIcon());
    setFixedSize(361, 203);

    imgIcon = MakeControl<QLabel>(this, "imgIcon", {3, 1, 16, 16});
    imgIcon->setPixmap(ProgramIcon().pixmap(16, 16));
    imgIcon->setCursor(Qt::PointingHandCursor);
    lblTitle = Label(this, "lblTitle", {22, 2});
    lblTitle->setText(QStringLiteral("CorvaneDisk"));
    BWMin = MakeControl<ButtonWeb>(this, "BWMin", {338, 5, 7, 7});
    BWExit = MakeControl<ButtonWeb>(this, "BWExit", {350, 5, 7, 7});
    BWLayerCat = Tab(this, "BWLayerCat", "CAT", 19);
    BWLayerFind = Tab(this, "BWLayerFind", "FIND", 66);
    BWLayerLib = Tab(this, "BWLayerLib", "LIB", 113);

    // CAT
    FolderTreeview = MakeControl<FolderTree>(this, "FolderTreeview", {27, 18, 172, 180});
    cboFileType = Combo(this, "cboFileType", {201, 19, 155, 20});
    CBWRecursive = MakeControl<CheckBoxWeb>(this, "CBWRecursive", {207, 49, 16, 10});
    CBWSearchZipContent = MakeControl<CheckBoxWeb>(this, "CBWSearchZipContent", {207, 65, 16, 10});
    CBWEnableComment = MakeControl<CheckBoxWeb>(this, "CBWEnableComment", {207, 81, 16, 10});
    CBWEjectCD = MakeControl<CheckBoxWeb>(this, "CBWEjectCD", {207, 97, 16, 10});
    BWSearch = MakeControl<ButtonWeb>(this, "BWSearch", {230, 128, 16, 10});
    BWStop = MakeControl<ButtonWeb>(this, "BWStop", {291, 128, 16, 10});
    QLabel* lblRecursive = Label(this, "lblRecursive", {227, 48});
    QLabel* lblSearchZipContent = Label(this, "lblSearchZipContent", {227, 64});
    QLabel* lblEnableComment = Label(this, "lblEnableComment", {227, 80});
    QLabel* lblEjectCD = Label(this, "lblEjectCD", {227, 96});
    QLabel* lblSearch = Label(this, "lblSearch", {249, 127});
    QLabel* lblStop = Label(this, "lblStop", {310, 127});
    lblDisplay1 = MakeControl<QLabel>(this, "lblDisplay1", {203, 148, 153, 16});
    lblDisplay2 = MakeControl<QLabel>(this, "lblDisplay2", {203, 164, 153, 34});
    for (QLabel* l : {lblDisplay1, lblDisplay2}) {
        l->setAttribute(Qt::WA_TranslucentBackground);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    catControls_ = {FolderTreeview,   cboFileType, BWSearch,   BWStop,       CBWRecursive,        CBWSearchZipContent,
                    CBWEnableComment, lblSearch,   lblStop,    lblRecursive, lblSearchZipContent, lblEnableComment,
                    lblDisplay1,      lblDisplay2, CBWEjectCD, lblEjectCD};

    // FIND
    cboFind = Combo(this, "cboFind", {32, 23, 255, 20}, true);
    BWFind = MakeControl<ButtonWeb>(this, "BWFind", {295, 30, 16, 10});
    QLabel* lblFind = Label(this, "lblFind", {315, 29});
    cboListDAT = Combo(this, "cboListDAT", {32, 67, 170, 20});
    cboFilter = Combo(this, "cboFilter", {32, 111, 170, 20});
    cboTypeDisk = Combo(this, "cboTypeDisk", {32, 155, 170, 20});
    QLabel* lblListDAT = Label(this, "lblListDAT", {33, 54});
    QLabel* lblFilter = Label(this, "lblFilter", {33, 99});
    QLabel* lblTypeDisk = Label(this, "lblTypeDisk", {33, 142});
    CBWSort = MakeControl<CheckBoxWeb>(this, "CBWSort", {214, 74, 16, 10});
    CBWIgnoreMaxHit = MakeControl<CheckBoxWeb>(this, "CBWIgnoreMaxHit", {214, 89, 16, 10});
    QLabel* lblSort = Label(this, "lblSort", {234, 72});
    QLabel* lblIgnoreMaxHit = Label(this, "lblIgnoreMaxHit", {234, 87});
    findControls_ = {cboFind,   BWFind,    CBWSort,     lblSort,     lblFind,         cboListDAT,     lblListDAT,
                     cboFilter, lblFilter, cboTypeDisk, lblTypeDisk, CBWIgnoreMaxHit, lblIgnoreMaxHit};

    // LIB: its rows and columns come from the library list (library/).
    LVLib = MakeControl<QTreeView>(this, "LVLib", {26, 16, 332, 185});
    LVLib->setRootIsDecorated(false);
    LVLib->setUniformRowHeights(true);
    LVLib->setSortingEnabled(false);
    LVLib->setAllColumnsShowFocus(true);
    LVLib->header()->setStretchLastSection(true);
    libControls_ = {LVLib};

    for (QLabel* l : findChildren<QLabel*>())
        if (l != imgIcon && l != lblDisplay1 && l != lblDisplay2)
            l->adjustSize();
}
