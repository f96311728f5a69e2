#include "mainwindow/LibLayer.h"

#include "gui/MakeControl.h"
#include "library/LibraryList.h"

#include <QHeaderView>
#include <QTreeView>

LibLayer::LibLayer(QWidget& window, AppContext& app) : LayerPanel(window)
{
    // Its rows and columns come from the library list (library/).
    list_ = MakeControl<QTreeView>(this, "LVLib", {26, 16, 332, 185});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSortingEnabled(false);
    list_->setAllColumnsShowFocus(true);
    list_->header()->setStretchLastSection(true);
    library_ = std::make_unique<LibraryList>(app, *list_);
}

LibLayer::~LibLayer() = default;

int LibLayer::columnWidth(int column) const
{
    return list_->columnWidth(column);
}

void LibLayer::setColumnWidth(int column, int pixels)
{
    list_->setColumnWidth(column, pixels);
}
