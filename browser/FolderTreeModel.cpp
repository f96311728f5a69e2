#include "browser/FolderTreeModel.h"

#include "gui/models/CellText.h"

namespace {
QIcon FolderIcon()
{
    QIcon icon;
    const QIcon closed = QIcon::fromTheme(QStringLiteral("folder"));
    const QIcon open = QIcon::fromTheme(QStringLiteral("folder-open"), closed);
    for (int size : {16, 22}) {
        icon.addPixmap(closed.pixmap(size), QIcon::Normal);
        icon.addPixmap(open.pixmap(size), QIcon::Selected);
    }
    return icon;
}
} // namespace

FolderTreeModel::FolderTreeModel(QObject* parent)
    : QAbstractItemModel(parent), folderIcon_(FolderIcon()),
      topLevelIcon_(QIcon::fromTheme(QStringLiteral("drive-harddisk")))
{
}

void FolderTreeModel::setFolders(std::shared_ptr<const CatalogFolders> folders)
{
    beginResetModel();
    folders_ = std::move(folders);
    endResetModel();
}

FolderId FolderTreeModel::folderAt(const QModelIndex& index) const
{
    return index.isValid() ? FolderId(index.internalId()) : NoFolder;
}

std::span<const FolderId> FolderTreeModel::childrenOf(const QModelIndex& parent) const
{
    if (!folders_)
        return {};
    return parent.isValid() ? folders_->Children(folderAt(parent)) : folders_->TopLevel();
}

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    const std::span<const FolderId> children = childrenOf(parent);
    if (column != 0 || row < 0 || std::size_t(row) >= children.size())
        return {};
    return createIndex(row, 0, quintptr(children[std::size_t(row)]));
}

QModelIndex FolderTreeModel::parent(const QModelIndex& child) const
{
    if (!folders_ || !child.isValid())
        return {};
    const FolderId up = folders_->Parent(folderAt(child));
    return up == NoFolder ? QModelIndex() : createIndex(int(folders_->Row(up)), 0, quintptr(up));
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const
{
    return parent.column() > 0 ? 0 : int(childrenOf(parent).size());
}

int FolderTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

bool FolderTreeModel::hasChildren(const QModelIndex& parent) const
{
    return rowCount(parent) > 0;
}

QVariant FolderTreeModel::data(const QModelIndex& index, int role) const
{
    if (!folders_ || !index.isValid())
        return {};
    const FolderId folder = folderAt(index);
    switch (role) {
    case Qt::DisplayRole:
        return CellText(folders_->Text(folder));
    case Qt::ToolTipRole:
        if (QString tip = CellToolTip(folders_->Text(folder)); !tip.isNull())
            return tip;
        return {};
    case Qt::DecorationRole:
        return folders_->Kind(folder) == FolderKind::TopLevel ? topLevelIcon_ : folderIcon_;
    default:
        return {};
    }
}
