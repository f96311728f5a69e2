#include "mainwindow/FolderTree.h"

#include "gui/AppIcons.h"
#include "platform/volume/MountInfo.h"
#include "platform/volume/VolumeInfo.h"

#include <QDir>
#include <QFileIconProvider>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTimer>

namespace {
constexpr int PathRole = Qt::UserRole + 1;
constexpr int FilledRole = Qt::UserRole + 2;

QIcon FolderIcon()
{
    static const QIcon icon = QFileIconProvider().icon(QFileIconProvider::Folder);
    return icon;
}

QString DiskKey(const std::string& driveType)
{
    QString upper = QString::fromStdString(driveType).toUpper();
    return upper == "RAM DISK" ? QStringLiteral("UNKNOWN") : upper;
}

// A path below or at root, compared as whole folder names.
bool Within(const QString& path, const QString& root)
{
    return path == root || root == "/" || path.startsWith(root + '/');
}
} // namespace

FolderTree::FolderTree(QWidget* parent) : QTreeView(parent), model_(new QStandardItemModel(this))
{
    setModel(model_);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setEditTriggers(NoEditTriggers);
    setIconSize(QSize(16, 16));
    connect(this, &QTreeView::expanded, this, &FolderTree::fill);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) { emit folderChosen(i.data(PathRole).toString()); });
}

void FolderTree::showEvent(QShowEvent* event)
{
    QTreeView::showEvent(event);
    if (!rootsRead_)
        QTimer::singleShot(0, this, &FolderTree::ensureRoots);
}

void FolderTree::ensureRoots()
{
    if (rootsRead_)
        return;
    rootsRead_ = true;
    refreshRoots();
    if (!currentIndex().isValid())
        setSelectedPath(QDir::homePath());
}

QStandardItem* FolderTree::addFolder(QStandardItem* parent, const QString& path, const QString& caption)
{
    auto* item = new QStandardItem(FolderIcon(), caption);
    item->setData(path, PathRole);
    item->setEditable(false);
    item->appendRow(new QStandardItem); // a placeholder until the folder is opened
    parent->appendRow(item);
    return item;
}

QStandardItem* FolderTree::addRoot(const QString& path, const QString& caption, const QIcon& icon)
{
    QStandardItem* item = addFolder(model_->invisibleRootItem(), path, caption);
    item->setIcon(icon);
    item->setToolTip(path);
    return item;
}

void FolderTree::refreshRoots()
{
    rootsRead_ = true;
    const QString chosen = currentIndex().data(PathRole).toString();
    model_->clear();
    addRoot(QDir::homePath(), QDir::home().dirName(), FolderIcon())->setToolTip(QDir::homePath());
    addRoot(QStringLiteral("/"), QStringLiteral("/"), DiskIcon(QStringLiteral("FIXED")));
    for (const MountInfoEntry& m : ReadMountInfo("/proc/self/mountinfo")) {
        if (!IsVolumeMount(m) || m.mountPoint == "/")
            continue;
        QString point = QString::fromStdString(m.mountPoint);
        if (!QFileInfo(point).isDir() ||
            !model_->match(model_->index(0, 0), PathRole, point, 1, Qt::MatchExactly).isEmpty())
            continue;
        addRoot(point, point, DiskIcon(DiskKey(ProbeVolume(m.mountPoint).driveType)));
    }
    if (!chosen.isEmpty())
        setSelectedPath(chosen);
}

void FolderTree::fill(const QModelIndex& index)
{
    QStandardItem* item = model_->itemFromIndex(index);
    if (!item || item->data(FilledRole).toBool())
        return;
    item->setData(true, FilledRole);
    item->removeRows(0, item->rowCount());
    QDir dir(item->data(PathRole).toString());
    const QFileInfoList subs =
        dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& sub : subs)
        addFolder(item, sub.absoluteFilePath(), sub.fileName());
}

QString FolderTree::selectedPath() const
{
    return rootsRead_ ? currentIndex().data(PathRole).toString() : QDir::homePath();
}

QStandardItem* FolderTree::childFor(QStandardItem* parent, const QString& path)
{
    QStandardItem* best = nullptr;
    for (int r = 0; r < parent->rowCount(); ++r) {
        QStandardItem* c = parent->child(r);
        QString p = c->data(PathRole).toString();
        if (!p.isEmpty() && Within(path, p) && (!best || p.size() > best->data(PathRole).toString().size()))
            best = c;
    }
    return best;
}

bool FolderTree::setSelectedPath(const QString& path)
{
    ensureRoots();
    const QString target = QDir::cleanPath(QDir(path).absolutePath());
    if (!QFileInfo(target).isDir())
        return false;
    QStandardItem* item = childFor(model_->invisibleRootItem(), target);
    while (item && item->data(PathRole).toString() != target) {
        expand(item->index());
        fill(item->index());
        QStandardItem* next = childFor(item, target);
        if (!next)
            break;
        item = next;
    }
    if (!item)
        return false;
    setCurrentIndex(item->index());
    scrollTo(item->index());
    return true;
}
