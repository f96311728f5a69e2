#pragma once
// The catalog browser: one catalog of the library as a folder tree beside
// the list of the chosen folder's files, read from memory while the disk
// itself may be absent. With the view box ticked a click on a file shows it
// in the viewer; F12 edits a file's comment in the catalog.

#include "engine/browse/CatalogFolders.h"
#include "gui/frame/FramedWindow.h"
#include "gui/models/ColumnSortState.h"
#include "language/WindowTexts.h"

#include <memory>
#include <string>

struct AppContext;
struct FolderLoad;
class CheckBoxWeb;
class FileListModel;
class FolderTreeModel;
class QLabel;
class QItemSelection;
class QModelIndex;
class QTreeView;
class SplitBar;

class CatalogBrowser : public FramedWindow, public Retranslatable {
    Q_OBJECT
public:
    static constexpr const char* WindowName = "frmLib";

    explicit CatalogBrowser(AppContext& app);
    ~CatalogBrowser() override;

    // Shows the browser and loads the library's catalog catalogFileName (the
    // library row's text: the file name with its ".dat") on a worker while
    // the wait window shows; then the tree shows its folders and the list
    // stays empty until a folder is chosen. Nothing starts while other long
    // work runs.
    void openCatalog(const std::string& catalogFileName);
    // The catalog the tree shows ("" before the first load): F12 writes into it.
    const std::string& loadedCatalog() const { return catalog_; }

    void retranslate() override;

protected:
    void layoutContent(const QRect& inner) override;
    QSize minimumFrameSize() const override;
    int contentTop() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void loaded(FolderLoad& load, const std::string& catalogFileName);
    void folderSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void listFolderFiles(const QModelIndex& node);
    void sortByColumn(int column);
    void showClickedFile(const QModelIndex& item);
    void viewBoxToggled(bool ticked);
    void editComment();
    void moveSplit(int dx);
    void hideViewer();

    AppContext& app_;
    QTreeView* folderTree_ = nullptr;
    SplitBar* splitBar_ = nullptr;
    QTreeView* fileList_ = nullptr;
    CheckBoxWeb* viewBox_ = nullptr;
    QLabel* viewLabel_ = nullptr;
    FolderTreeModel* folderModel_ = nullptr;
    FileListModel* fileModel_ = nullptr;
    ColumnSortState sortState_;
    std::shared_ptr<CatalogFolders> folders_;
    FolderId listed_ = NoFolder; // the folder whose files the list shows
    std::string catalog_;
};
