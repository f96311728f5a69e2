#include "library/LibraryList.h"

#include "engine/catalog/CatalogFile.h"
#include "engine/catalog/CatalogHeader.h"
#include "engine/library/CatalogFiles.h"
#include "engine/library/CatalogProperties.h"
#include "engine/library/LibraryLists.h"
#include "engine/problem/Problem.h"
#include "engine/report/Reports.h"
#include "engine/settings/AppSettings.h"
#include "engine/start/AppFolders.h"
#include "engine/text/PathHelpers.h"
#include "gui/AppContext.h"
#include "gui/DesignWidths.h"
#include "gui/Twips.h"
#include "gui/WindowRegistry.h"
#include "gui/WindowState.h"
#include "gui/jobs/JobRunner.h"
#include "gui/menu/PopupMenu.h"
#include "gui/services/Services.h"
#include "language/LangText.h"
#include "language/ReportTexts.h"
#include "library/CatalogPropertiesDialog.h"
#include "library/LibraryModel.h"
#include "platform/prompter/Prompter.h"
#include "platform/shell/Shell.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTreeView>

namespace {
constexpr const char* Module = "frmCorvaneDisk";
constexpr const char* Title = "CorvaneDisk";
} // namespace

LibraryList::LibraryList(AppContext& app, QTreeView& list) : app_(app), list_(list), model_(new LibraryModel(&list))
{
    list_.setModel(model_);
    list_.setEditTriggers(QAbstractItemView::NoEditTriggers); // the program starts label edits itself
    list_.setSelectionMode(QAbstractItemView::SingleSelection);
    list_.setSelectionBehavior(QAbstractItemView::SelectRows);
    for (std::size_t c = 0; c < DesignLibWidths.size(); ++c) // until the user's own are read
        list_.setColumnWidth(int(c), PixelsFromTwipsRounded(DesignLibWidths[c]));
    QHeaderView* header = list_.header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder); // no arrow before the first click
    connect(header, &QHeaderView::sectionClicked, this, &LibraryList::sortByColumn);
    connect(&list_, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { openCatalog(model_->fileName(index.row())); });
    // After the editor has closed: the rename may ask questions.
    connect(model_, &LibraryModel::renameRequested, this, &LibraryList::renameCatalog, Qt::QueuedConnection);
    list_.viewport()->installEventFilter(this);
}

LibraryList::~LibraryList() = default;

void LibraryList::setCatalogOpener(std::function<void(const QString&)> opener)
{
    opener_ = std::move(opener);
}

PopupMenu* LibraryList::menu() const
{
    return list_.window()->findChild<PopupMenu*>(QStringLiteral("m_cMenuLib"));
}

QString LibraryList::selectedCatalog() const
{
    const QModelIndexList rows = list_.selectionModel()->selectedRows();
    return rows.isEmpty() ? QString() : model_->fileName(rows.first().row());
}

void LibraryList::select(const QString& fileName)
{
    const int row = model_->rowOfFile(fileName);
    if (row < 0)
        return;
    const QModelIndex index = model_->index(row, LibraryModel::Name);
    list_.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list_.scrollTo(index);
}

void LibraryList::reload()
{
    const QString keep = selectedCatalog();
    model_->setRows(LoadListLib(app_.folders.LibPath));
    select(keep);
}

void LibraryList::sortByColumn(int column)
{
    const Qt::SortOrder order = sort_.click(column);
    model_->sort(column, order);
    // Set after the header's own flip, so that the arrow shows this order.
    list_.header()->setSortIndicator(column, order);
    if (list_.currentIndex().isValid())
        list_.scrollTo(list_.currentIndex());
}

bool LibraryList::actOnKey(int key, Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~Qt::KeypadModifier;
    const bool ctrl = modifiers == Qt::ControlModifier;
    const QString selected = selectedCatalog();
    switch (key) {
    case Qt::Key_Delete:
        deleteCatalog(selected);
        return true;
    case Qt::Key_F2:
        editLabel(selected);
        return true;
    case Qt::Key_O:
        if (ctrl)
            openCatalog(selected);
        return ctrl;
    case Qt::Key_P:
        if (ctrl)
            writeReport(selected);
        return ctrl;
    default:
        return false;
    }
}

bool LibraryList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_.viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            showMenuAt(mouse->position().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void LibraryList::showMenuAt(const QPoint& at)
{
    const QModelIndex index = list_.indexAt(at);
    PopupMenu* m = menu();
    if (!index.isValid() || !m)
        return;
    // The menu acts on the row under the pointer, whatever was selected before.
    const QString fileName = model_->fileName(index.row());
    select(fileName);
    m->setItemEnabled(m->indexOfKey(QStringLiteral("OPEN")), bool(opener_));
    const int chosen = m->showAt(list_.viewport()->mapToGlobal(at));
    if (chosen > 0)
        onMenu(m->key(chosen), fileName);
}

void LibraryList::onMenu(const QString& key, const QString& fileName)
{
    if (key == "OPEN")
        openCatalog(fileName);
    else if (key == "DEL")
        deleteCatalog(fileName);
    else if (key == "MOVE")
        editLabel(fileName);
    else if (key == "PRINT")
        writeReport(fileName);
    else if (key == "PROP")
        showProperties(fileName);
}

void LibraryList::openCatalog(const QString& fileName)
{
    if (opener_ && !fileName.isEmpty())
        opener_(fileName);
}

void LibraryList::editLabel(const QString& fileName)
{
    const int row = model_->rowOfFile(fileName);
    if (row < 0)
        return;
    select(fileName);
    list_.edit(model_->index(row, LibraryModel::Name));
}

void LibraryList::renameCatalog(const QString& fileName, const QString& typed)
{
    const std::string target = CatalogFileNameOf(typed.toStdString());
    if (target.empty())
        return; // an emptied label changes nothing
    if (target == fileName.toStdString())
        return; // no edit
    const std::string libPath = app_.folders.LibPath;
    Prompter& prompter = app_.services.prompter;
    if (std::string problem = NewCatalogNameProblem(FileWithOutExt(target), libPath); !problem.empty()) {
        prompter.message(problem, Title, MsgIcon::Exclamation);
        return;
    }
    const bool taken = NameTaken(libPath + target);
    if (taken && !prompter.askYesNo(app_.texts[TextId::AskReplaceCatalog], Title, MsgIcon::Question))
        return;
    Problems problems = ProblemsShownBy(prompter);
    RenameCatalog(fileName.toStdString(), target, taken, problems, {Module, "LVLib_AfterLabelEdit"});
    reload();
    select(QString::fromStdString(target));
}

void LibraryList::deleteCatalog(const QString& fileName)
{
    if (fileName.isEmpty() || !app_.services.prompter.askYesNo(app_.texts[TextId::AskDelete], Title, MsgIcon::Question))
        return;
    Problems problems = ProblemsShownBy(app_.services.prompter);
    DeleteCatalog(fileName.toStdString(), problems, {Module, "DeleteCatalog"});
    reload();
}

void LibraryList::writeReport(const QString& fileName)
{
    if (fileName.isEmpty())
        return;
    if (app_.jobs.isBusy()) { // one piece of long work at a time
        QApplication::beep();
        return;
    }
    QWidget* window = list_.window();
    JobOptions options{
        .owner = this, .wait = [this, window] { FormStayOnTop(window, app_.settings.OnTop); }, .waitCursor = true};
    app_.jobs.start(
        std::move(options),
        [settings = app_.settings.Report, name = fileName.toStdString(), captions = ReportCaptionsFor(app_.texts),
         &prompter = app_.services.prompter](JobControl&) {
            Problems problems = ProblemsShownBy(prompter);
            return WriteLibReport(settings, name, captions, problems);
        },
        [&prompter = app_.services.prompter](std::optional<std::string> target) {
            if (target) // the shell is the UI thread's
                RunShellExecute(prompter, *target);
        });
}

void LibraryList::showProperties(const QString& fileName)
{
    const HeaderReading read = ReadCatalogHeader(app_.folders.LibPath + fileName.toStdString());
    if (read.status != HeaderStatus::Ok) {
        ShowProblem(app_.services.prompter, {.errorNumber = read.errorNumber,
                                             .text = read.problem,
                                             .item = fileName.toStdString(),
                                             .module = Module,
                                             .procedure = "LVLib_MouseUp",
                                             .line = __LINE__});
        reload();
        return;
    }
    auto& dialog = app_.windows.get<CatalogPropertiesDialog>();
    dialog.showProperties(PropertiesOf(fileName.toStdString(), read.header));
    QWidget* window = list_.window();
    dialog.adjustSize();
    dialog.move(window->geometry().center() - dialog.rect().center());
    FormStayOnTop(window, false); // the dialog must not hide behind the main window
    dialog.exec();
    const QString now = dialog.fileName();
    app_.windows.unload(CatalogPropertiesDialog::WindowName);
    if (app_.settings.OnTop)
        FormStayOnTop(window, true);
    reload();
    select(now);
}
