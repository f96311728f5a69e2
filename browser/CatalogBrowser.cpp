#include "browser/CatalogBrowser.h"

#include "browser/FileListModel.h"
#include "browser/FolderTreeModel.h"
#include "browser/SplitBar.h"
#include "engine/browse/FolderLoad.h"
#include "engine/catalog/CatalogFile.h"
#include "engine/problem/Problem.h"
#include "engine/settings/AppSettings.h"
#include "engine/settings/SettingsTable.h"
#include "platform/prompter/ErrorBox.h"
#include "gui/AppContext.h"
#include "gui/DesignWidths.h"
#include "gui/MakeControl.h"
#include "gui/Twips.h"
#include "gui/WindowRegistry.h"
#include "gui/WindowState.h"
#include "gui/dialogs/EntryComment.h"
#include "gui/frame/FramePiece.h"
#include "gui/jobs/JobRunner.h"
#include "gui/services/HelpService.h"
#include "gui/services/Services.h"
#include "gui/services/ShellHelpers.h"
#include "gui/widgets/CheckBoxWeb.h"
#include "viewer/FileViewer.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeView>

namespace {
constexpr int HelpContext = 1006;
constexpr int StripHeight = 33;    // under the lists: the view box and its label (500 twips)
constexpr int BoxAboveBottom = 23; // the view box's top above the bottom edge (350 twips)
constexpr int Gap = 3;             // 45 twips
constexpr int LeastTreeWidth = 60; // 900 twips

QTreeView* MakeView(QWidget* parent, const char* name, QAbstractItemModel* model)
{
    auto* view = MakeControl<QTreeView>(parent, name, {});
    model->setParent(view);
    view->setModel(model);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return view;
}
} // namespace

CatalogBrowser::CatalogBrowser(AppContext& app) : app_(app)
{
    setObjectName(WindowName);
    setTitle(QStringLiteral("CorvaneDisk Browser"));
    resize(500, 400);

    folderModel_ = new FolderTreeModel;
    folderTree_ = MakeView(this, "TVPath", folderModel_);
    folderTree_->setHeaderHidden(true);
    splitBar_ = new SplitBar(this, "picSplit", {4, 100});
    splitBar_->move(195, 0); // 2925 twips
    fileModel_ = new FileListModel;
    fileModel_->sortBy(FileListModel::Name, Qt::AscendingOrder); // the list is made sorted
    fileList_ = MakeView(this, "LVPath", fileModel_);
    fileList_->setRootIsDecorated(false);
    fileList_->setTextElideMode(Qt::ElideRight);
    QHeaderView* header = fileList_->header();
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    viewBox_ = MakeControl<CheckBoxWeb>(this, "CBWView", {8, 0, 16, 10});
    viewLabel_ = MakeControl<QLabel>(this, "lblView", {});
    viewLabel_->setAttribute(Qt::WA_TranslucentBackground);

    std::array<StoredTwips, 4>& widths = app_.settings.LVPath;
    for (std::size_t c = 0; c < widths.size(); ++c)
        fileList_->setColumnWidth(int(c), PixelsFromTwipsRounded(widths[c].value_or(DesignPathWidths[c])));
    if (!widths[0])
        PlaceOf(SettingId::LVPathNameWidth).createKey();
    connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (column >= 0 && column < int(app_.settings.LVPath.size()))
            app_.settings.LVPath[std::size_t(column)] = double(TwipsFromPixels(width));
    });
    connect(header, &QHeaderView::sectionClicked, this, &CatalogBrowser::sortByColumn);
    // A chosen folder, not the current one the tree takes when it gets the focus.
    connect(folderTree_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CatalogBrowser::folderSelectionChanged);
    connect(fileList_, &QAbstractItemView::clicked, this, &CatalogBrowser::showClickedFile);
    connect(viewBox_, &CheckBoxWeb::toggled, this, &CatalogBrowser::viewBoxToggled);
    connect(splitBar_, &SplitBar::dragged, this, &CatalogBrowser::moveSplit);
    retranslate();
}

CatalogBrowser::~CatalogBrowser() = default;

void CatalogBrowser::retranslate()
{
    app_.windowTexts.apply(*this, WindowName);
    viewLabel_->adjustSize();
    layoutPass();
}

void CatalogBrowser::openCatalog(const std::string& catalogFileName)
{
    if (app_.jobs.isBusy())
        return;
    std::string path;
    try {
        path = LibraryCatalogPath(catalogFileName);
    } catch (const AppError& e) {
        ShowErrorBox(app_.services.prompter, e, "frmLib", "ChargeDAT");
        return;
    }
    show();
    raise();
    activateWindow();
    // The catalog shown goes first: two large ones at once could fill the memory.
    folderModel_->setFolders(nullptr);
    folders_.reset();
    listFolderFiles({});
    catalog_.clear();
    JobOptions options{.owner = this, .wait = [&app = app_] {
                           FormStayOnTop(app.windows.loaded("frmCorvaneDisk"), app.settings.OnTop);
                       }};
    app_.jobs.start(
        std::move(options),
        [path](JobControl& job) {
            FolderLoadControl control;
            control.onProgress = [&control, &job](int percent) {
                job.progress(percent);
                if (job.stopRequested())
                    control.Stop = true;
            };
            return LoadCatalogFolders(path, control);
        },
        [this, catalogFileName](FolderLoad load) { loaded(load, catalogFileName); });
}

void CatalogBrowser::loaded(FolderLoad& load, const std::string& catalogFileName)
{
    for (const Problem& problem : load.status.problems)
        ShowProblem(app_.services.prompter, problem);
    if (load.status.outcome != FolderLoadStatus::Outcome::Loaded)
        return;
    folders_ = std::make_shared<CatalogFolders>(std::move(load.folders));
    catalog_ = catalogFileName;
    folderModel_->setFolders(folders_);
}

// A click beside the folders, or Ctrl with a click on the chosen one, would
// leave none chosen: the folder listed stays chosen.
void CatalogBrowser::folderSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QItemSelectionModel* selection = folderTree_->selectionModel();
    if (selected.isEmpty() && !selection->hasSelection() && !deselected.isEmpty()) {
        selection->select(deselected.indexes().value(0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        return;
    }
    const QModelIndex node = selection->selectedRows().value(0);
    if (folderModel_->folderAt(node) != listed_)
        listFolderFiles(node);
}

void CatalogBrowser::listFolderFiles(const QModelIndex& node)
{
    listed_ = folderModel_->folderAt(node);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    fileModel_->setFiles(folders_ && listed_ != NoFolder ? folders_->Files(listed_) : std::vector<FolderFile>());
    QApplication::restoreOverrideCursor();
}

void CatalogBrowser::sortByColumn(int column)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Qt::SortOrder order = sortState_.click(column);
    fileModel_->sortBy(column, order);
    fileList_->header()->setSortIndicatorShown(true);
    fileList_->header()->setSortIndicator(column, order);
    QApplication::restoreOverrideCursor();
}

void CatalogBrowser::showClickedFile(const QModelIndex& item)
{
    if (!viewBox_->value() || !folders_ || listed_ == NoFolder || !item.isValid())
        return;
    const std::string_view stored = folders_->StoredPath(listed_, fileModel_->position(item.row()));
    // With no file for the row ("") the viewer says that it is missing.
    if (const std::optional<std::string> target = CatalogTargetOrEmpty(app_.services.prompter, stored))
        app_.windows.get<FileViewer>().showFile(*target);
}

void CatalogBrowser::viewBoxToggled(bool ticked)
{
    app_.settings.View = ticked;
    if (!ticked)
        hideViewer();
}

void CatalogBrowser::hideViewer()
{
    if (FileViewer* viewer = app_.windows.find<FileViewer>()) {
        FormStayOnTop(viewer, false);
        viewer->hide();
    }
}

void CatalogBrowser::editComment()
{
    const QModelIndex current = fileList_->currentIndex();
    if (!folders_ || listed_ == NoFolder || !current.isValid())
        return;
    const int row = current.row();
    const std::size_t position = fileModel_->position(row);
    const FolderFile file = folders_->File(listed_, position);
    const std::shared_ptr<CatalogFolders> shown = folders_;
    const std::optional<std::string> written = EditEntryComment(app_, this, catalog_, file.Key, file.Comment);
    // Only a rewritten line changes the row, and only while its catalog is still shown.
    if (!written || folders_ != shown)
        return;
    folders_->SetComment(listed_, position, *written);
    fileModel_->setComment(row, QString::fromStdString(*written));
}

void CatalogBrowser::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        app_.services.help.showHelp(HelpContext);
        return;
    }
    if (event->key() == Qt::Key_F12) {
        if (event->modifiers() == Qt::NoModifier)
            editComment();
        return;
    }
    FramedWindow::keyPressEvent(event); // Esc closes
}

// Closing the browser, by its button or Esc, closes its viewer too.
void CatalogBrowser::hideEvent(QHideEvent* event)
{
    FramedWindow::hideEvent(event);
    if (!event->spontaneous())
        hideViewer();
}

int CatalogBrowser::contentTop() const
{
    return topLeftCornerHeight();
}

QSize CatalogBrowser::minimumFrameSize() const
{
    const QSize least = FramedWindow::minimumFrameSize();
    const QMargins edges = edgeThickness();
    return {
        std::max(least.width(), folderTree_->width() + edges.left() + edges.right() + splitBar_->pieceSize().width()),
        least.height()};
}

void CatalogBrowser::layoutContent(const QRect& inner)
{
    const int top = inner.top();
    const QMargins edges = edgeThickness();
    const int listHeight = std::max(0, leftEdgeLength() - StripHeight);
    splitBar_->setGeometry(splitBar_->x(), top, splitBar_->pieceSize().width(), listHeight);
    folderTree_->setGeometry(inner.left(), top, std::max(0, splitBar_->x() - inner.left()), listHeight);
    const int listLeft = splitBar_->x() + splitBar_->width();
    fileList_->setGeometry(listLeft, top, std::max(0, width() - listLeft - edges.right()), listHeight);
    viewBox_->move(inner.left() + Gap, height() - edges.bottom() - BoxAboveBottom);
    viewLabel_->move(viewBox_->x() + viewBox_->width() + Gap,
                     viewBox_->y() + viewBox_->height() / 2 - viewLabel_->height() / 2);
}

// The tree keeps at least its least width, and the list at least a pixel;
// a tree left narrower by the last move takes its least width at the next.
void CatalogBrowser::moveSplit(int dx)
{
    const int left = edgeThickness().left();
    const int tree = folderTree_->width();
    if (tree < LeastTreeWidth)
        splitBar_->move(left + LeastTreeWidth, splitBar_->y());
    else if (tree > width() - LeastTreeWidth)
        splitBar_->move(left + width() - LeastTreeWidth, splitBar_->y());
    else if (fileList_->width() - dx > 0 && tree + dx > 0)
        splitBar_->move(splitBar_->x() + dx, splitBar_->y());
    else
        return;
    layoutPass();
}
