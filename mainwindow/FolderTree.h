#pragma once
// The folder tree of the CAT layer: the home folder, the file system's root
// and every mounted volume at the top, each folder's sub-folders read only
// when it is opened. Symbolic links and hidden folders are left out, as a
// scan would not walk into them.

#include <QTreeView>

class QStandardItem;
class QStandardItemModel;

class FolderTree : public QTreeView {
    Q_OBJECT
public:
    explicit FolderTree(QWidget* parent = nullptr);

    // The native path of the chosen folder ("" when none is chosen); the
    // home folder until the tree has been read.
    QString selectedPath() const;
    // Chooses path, opening the folders above it; false when it is no folder.
    bool setSelectedPath(const QString& path);
    // Reads the mounted volumes again (a volume came or went).
    void refreshRoots();

signals:
    // A click, a key, or setSelectedPath chose another folder.
    void folderChosen(const QString& path);

protected:
    // The volumes are read once the window shows, not while it starts.
    void showEvent(QShowEvent* event) override;

private:
    void ensureRoots();
    QStandardItem* addFolder(QStandardItem* parent, const QString& path, const QString& caption);
    QStandardItem* addRoot(const QString& path, const QString& caption, const QIcon& icon);
    void fill(const QModelIndex& index);
    QStandardItem* childFor(QStandardItem* parent, const QString& path);

    QStandardItemModel* model_;
    bool rootsRead_ = false;
};
