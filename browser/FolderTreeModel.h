#pragma once
// The browser's folder tree as a model over a loaded catalog: nodes are made
// by the view as it asks for them, so a catalog of 50,000 folders shows at
// once. A node's internal id is its FolderId.

#include "engine/browse/CatalogFolders.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <memory>

class FolderTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit FolderTreeModel(QObject* parent = nullptr);

    // The tree of folders; nullptr empties it.
    void setFolders(std::shared_ptr<const CatalogFolders> folders);
    FolderId folderAt(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::span<const FolderId> childrenOf(const QModelIndex& parent) const;

    std::shared_ptr<const CatalogFolders> folders_;
    QIcon folderIcon_; // closed, open when selected
    QIcon topLevelIcon_;
};
