#include "results/SearchResultsWindow.h"

#include "engine/problem/Problem.h"
#include "engine/report/Reports.h"
#include "engine/settings/AppSettings.h"
#include "engine/settings/SettingsTable.h"
#include "gui/AppContext.h"
#include "gui/AppIcons.h"
#include "gui/PlainText.h"
#include "gui/Twips.h"
#include "gui/jobs/JobRunner.h"
#include "gui/menu/PopupMenu.h"
#include "gui/services/DesktopFileMenu.h"
#include "gui/services/HelpService.h"
#include "gui/services/Services.h"
#include "gui/services/ShellHelpers.h"
#include "language/LangText.h"
#include "language/ReportTexts.h"
#include "platform/shell/Shell.h"
#include "results/FindColumns.h"
#include "results/FindResultsModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QLabel>
#include <QMouseEvent>
#include <QTreeView>

namespace {
constexpr int MenuDrop = 300 / TwipsPerPixel; // the own menu opens this far below the pointer
} // namespace

SearchResultsWindow::SearchResultsWindow(AppContext& app) : app_(app)
{
    setObjectName(WindowName);
    setTitle(QStringLiteral("CorvaneDisk"));
    resize(601, 601); // the design's 9015 twips, until the skin sizes it
    buildList();
    buildMenu();
    retranslate();
}

SearchResultsWindow::~SearchResultsWindow() = default;

void SearchResultsWindow::buildList()
{
    resultList_ = new QTreeView(this);
    resultList_->setObjectName(QStringLiteral("LVFind"));
    resultList_->move(75 / TwipsPerPixel, 285 / TwipsPerPixel);
    model_ = new FindResultsModel(resultList_);
    resultList_->setModel(model_);
    resultList_->setRootIsDecorated(false);
    resultList_->setUniformRowHeights(true);
    resultList_->setItemsExpandable(false);
    resultList_->setAllColumnsShowFocus(true);
    resultList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    resultList_->setSelectionMode(QAbstractItemView::SingleSelection);
    resultList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultList_->setSortingEnabled(false); // the click sequence is ours
    QHeaderView* header = resultList_->header();
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);

    AppSettings& s = app_.settings;
    for (std::size_t c = 0; c < s.LVFind.size(); ++c)
        resultList_->setColumnWidth(int(c), PixelsFromTwipsRounded(s.LVFind[c].value_or(FindColumns[c].designWidth)));
    if (!s.LVFind[0])
        PlaceOf(SettingId::LVFindNameWidth).createKey();
    // The main window stores the widths when the program ends.
    connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (column >= 0 && std::size_t(column) < app_.settings.LVFind.size())
            app_.settings.LVFind[std::size_t(column)] = double(TwipsFromPixels(width));
    });
    connect(header, &QHeaderView::sectionClicked, this, &SearchResultsWindow::sortByColumn);
    resultList_->installEventFilter(this);
    resultList_->viewport()->installEventFilter(this);
}

void SearchResultsWindow::buildMenu()
{
    const LangText& t = app_.texts;
    rowMenu_ = new PopupMenu(this, QStringLiteral("m_cMenu"));
    rowMenu_->setImageList(MenuImageList());
    rowMenu_->addItem("&" + PlainMnemonicText(t.text(TextId::MenuOpen)) + "...     Ctrl+O", "OPEN", 0);
    rowMenu_->addItem("-", "");
    rowMenu_->addItem("&" + PlainMnemonicText(t.text(TextId::MenuDelete)) + "     Del", "DELETE", 2);
    rowMenu_->addItem("&" + PlainMnemonicText(t.text(TextId::MenuMoveFile)), "MOVE");
    rowMenu_->addItem("&" + PlainMnemonicText(t.text(TextId::MenuProperties)) + "...", "PROP", 1);
    rowMenu_->addItem("-", "");
    rowMenu_->addItem("&" + PlainMnemonicText(t.text(TextId::MenuEditComment)) + "...     F12", "EDIT");
    rowMenu_->addItem("-", "");
    rowMenu_->addItem("&" + PlainMnemonicText(t.text(TextId::MenuPrint)) + "...     Ctrl+P", "PRINT", 4);
    rowMenu_->setSideBar(0x84B642, 0, QStringLiteral("CorvaneDisk"), 10);
}

void SearchResultsWindow::retranslate()
{
    app_.windowTexts.apply(*this, WindowName);
    fitTitle();
}

void SearchResultsWindow::layoutContent(const QRect& inner)
{
    // The list keeps its place (the design's, or the skin's) and fills the frame.
    resultList_->setGeometry(resultList_->x(), resultList_->y(), inner.width(), inner.height());
}

void SearchResultsWindow::clearResults(bool sorted)
{
    model_->clear(sorted);
    showSortArrow();
}

void SearchResultsWindow::appendRows(std::vector<std::vector<FindRow>>&& batches)
{
    model_->append(std::move(batches));
}

// Sorting ------------------------------------------------------------------

void SearchResultsWindow::sortByColumn(int column)
{
    model_->clickColumn(column);
    showSortArrow(); // the header's own click must not move the arrow
}

void SearchResultsWindow::showSortArrow()
{
    QHeaderView* header = resultList_->header();
    const int column = model_->sortState().column();
    const bool shown = model_->isSorted() && column >= 0;
    header->setSortIndicatorShown(shown);
    header->setSortIndicator(shown ? column : -1, model_->sortState().order());
}

// Keys and the pointer -------------------------------------------------------

bool SearchResultsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == resultList_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (actOnKey(key->key(), key->modifiers()))
            return true;
    } else if (watched == resultList_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            showContextMenu(mouse->position().toPoint(), mouse->modifiers());
            return true;
        }
    }
    return FramedWindow::eventFilter(watched, event);
}

void SearchResultsWindow::keyPressEvent(QKeyEvent* event)
{
    if (!actOnKey(event->key(), event->modifiers()))
        FramedWindow::keyPressEvent(event);
}

bool SearchResultsWindow::actOnKey(int key, Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~Qt::KeypadModifier;
    const bool none = modifiers == Qt::NoModifier;
    const bool ctrl = modifiers == Qt::ControlModifier; // Ctrl alone
    switch (key) {
    case Qt::Key_F1:
        app_.services.help.showHelp(HelpContext);
        return true;
    case Qt::Key_O:
        if (ctrl)
            openSelected();
        return ctrl;
    case Qt::Key_Delete:
        if (none)
            deleteSelected();
        return none;
    case Qt::Key_F12:
        if (none)
            editSelectedComment();
        return none;
    case Qt::Key_P:
        if (ctrl)
            writeReport();
        return ctrl;
    default:
        return false;
    }
}

void SearchResultsWindow::showContextMenu(const QPoint& at, Qt::KeyboardModifiers modifiers)
{
    const QPoint screen = resultList_->viewport()->mapToGlobal(at);
    const std::optional<int> row = selectedRow();
    if (row && modifiers == Qt::NoModifier) {
        // No menu for a row whose line fits several files: that was said.
        const std::optional<std::string> target =
            CatalogTargetOrEmpty(app_.services.prompter, catalogPath(model_->row(*row)));
        if (!target)
            return;
        // Only for a file that is there: else the window's own menu.
        if (auto menu = MakeDesktopFileMenu(*target, app_.services.desktop, app_.services.prompter, this)) {
            menu->exec(screen);
            return;
        }
    }
    if (int chosen = rowMenu_->showAt(screen + QPoint(0, MenuDrop)))
        onMenu(rowMenu_->key(chosen));
}

void SearchResultsWindow::onMenu(const QString& key)
{
    if (key == "OPEN")
        openSelected();
    else if (key == "DELETE")
        deleteSelected();
    else if (key == "MOVE")
        moveSelected();
    else if (key == "PROP")
        showSelectedProperties();
    else if (key == "EDIT")
        editSelectedComment();
    else if (key == "PRINT")
        writeReport();
}

std::optional<int> SearchResultsWindow::selectedRow() const
{
    const QModelIndexList rows = resultList_->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return rows.front().row();
}

// The report ---------------------------------------------------------------

void SearchResultsWindow::writeReport()
{
    if (app_.jobs.isBusy())
        return;
    app_.jobs.start(
        JobOptions{.owner = this, .wait = [] {}},
        [settings = app_.settings.Report, rows = model_->shownRows(), captions = ReportCaptionsFor(app_.texts),
         &prompter = app_.services.prompter](JobControl&) {
            Problems problems = ProblemsShownBy(prompter);
            return WriteFindReport(settings, rows, captions, problems);
        },
        [&prompter = app_.services.prompter](std::optional<std::string> target) {
            if (target)
                RunShellExecute(prompter, *target);
        });
}
