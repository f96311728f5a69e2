#include "mainwindow/CatLayer.h"

#include "gui/FilterCombo.h"
#include "gui/widgets/ButtonWeb.h"
#include "gui/widgets/CheckBoxWeb.h"
#include "mainwindow/FolderTree.h"
#include "mainwindow/MainControls.h"

#include <QFontMetrics>

CatLayer::CatLayer(QWidget& window) : LayerPanel(window)
{
    folderTree_ = MakeControl<FolderTree>(this, "FolderTreeview", {27, 18, 172, 180});
    fileTypeBox_ = MainCombo(this, "cboFileType", {201, 19, 155, 20});
    recursiveBox_ = MakeControl<CheckBoxWeb>(this, "CBWRecursive", {207, 49, 16, 10});
    archiveBox_ = MakeControl<CheckBoxWeb>(this, "CBWSearchZipContent", {207, 65, 16, 10});
    commentBox_ = MakeControl<CheckBoxWeb>(this, "CBWEnableComment", {207, 81, 16, 10});
    ejectBox_ = MakeControl<CheckBoxWeb>(this, "CBWEjectCD", {207, 97, 16, 10});
    createButton_ = MakeControl<ButtonWeb>(this, "BWSearch", {230, 128, 16, 10});
    stopButton_ = MakeControl<ButtonWeb>(this, "BWStop", {291, 128, 16, 10});
    MainLabel(this, "lblRecursive", {227, 48});
    MainLabel(this, "lblSearchZipContent", {227, 64});
    MainLabel(this, "lblEnableComment", {227, 80});
    ejectLabel_ = MainLabel(this, "lblEjectCD", {227, 96});
    MainLabel(this, "lblSearch", {249, 127});
    MainLabel(this, "lblStop", {310, 127});
    statusLine_ = MakeControl<QLabel>(this, "lblDisplay1", {203, 148, 153, 16});
    detailLine_ = MakeControl<QLabel>(this, "lblDisplay2", {203, 164, 153, 34});
    for (QLabel* l : {statusLine_, detailLine_}) {
        ShowOnly(l);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        keepSize(l);
    }
    fitLabels();

    connect(createButton_, &ButtonWeb::clicked, this, &CatLayer::createClicked);
    connect(stopButton_, &ButtonWeb::clicked, this, &CatLayer::stopClicked);
    connect(folderTree_, &FolderTree::folderChosen, this, &CatLayer::folderChosen);
}

ScanRequest CatLayer::scanRequest() const
{
    return {.recursive = recursiveBox_->value(),
            .archiveContents = archiveBox_->value(),
            .comments = commentBox_->value(),
            .patterns = SelectedPatterns(*fileTypeBox_)};
}

QString CatLayer::chosenFolder() const
{
    return folderTree_->selectedPath();
}

void CatLayer::chooseNewVolume(const QString& mountPoint)
{
    folderTree_->refreshRoots();
    folderTree_->setSelectedPath(mountPoint);
}

void CatLayer::reloadFileTypes()
{
    LoadFilter(*fileTypeBox_);
}

void CatLayer::showEjectBox(bool shown)
{
    ejectBox_->setVisible(shown);
    ejectLabel_->setVisible(shown);
}

bool CatLayer::ejectAsked() const
{
    // Shown on the window, whether or not the window itself is (it may be in the tray).
    return ejectBox_->isVisibleTo(window()) && ejectBox_->value();
}

void CatLayer::setStatus(const QString& first, const QString& second)
{
    statusLine_->setText(first);
    detailLine_->setText(second);
}

void CatLayer::showProgress(const QString& count, const QString& folder)
{
    QFontMetrics metrics(detailLine_->font());
    detailLine_->setText(count + '\n' + metrics.elidedText(folder, Qt::ElideMiddle, detailLine_->width()));
}
