#pragma once
// The search results: a framed window listing the hits of the last search,
// from which the real file behind a row is opened, deleted, moved, shown
// with its properties, given another catalog comment, or the whole list
// written as a report. A right-click offers the desktop's own menu of the
// file when it exists and no modifier key is held, else the window's menu.
// A row acts on the file it was found as: a file row on that file, an
// archive's member or folder entry on the archive.

#include "gui/frame/FramedWindow.h"
#include "language/WindowTexts.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct AppContext;
class FindResultsModel;
class FindRow;
class PopupMenu;
class QTreeView;

class SearchResultsWindow : public FramedWindow, public Retranslatable {
    Q_OBJECT
public:
    static constexpr const char* WindowName = "frmFind";
    static constexpr int HelpContext = 1007;

    explicit SearchResultsWindow(AppContext& app);
    ~SearchResultsWindow() override;

    // A search begins: no rows; sorted: the rows are kept sorted and a
    // header click sorts them.
    void clearResults(bool sorted);
    // Rows that arrived, in batches as the search handed them over.
    void appendRows(std::vector<std::vector<FindRow>>&& batches);
    FindResultsModel& results() { return *model_; }

    // The actions on the selected row (none without one).
    void openSelected();
    void deleteSelected();
    void moveSelected();
    void showSelectedProperties();
    void editSelectedComment();
    // The report of the rows in the order shown, written on a worker and
    // then opened; nothing while other work runs.
    void writeReport();

    // The path a row acts on as its catalog line holds it, not decoded: the
    // file, or the archive and after a "/" the member.
    static std::string_view catalogPath(const FindRow& row);

    void retranslate() override;

protected:
    void layoutContent(const QRect& inner) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildList();
    void buildMenu();
    bool actOnKey(int key, Qt::KeyboardModifiers modifiers);
    void sortByColumn(int column);
    void showSortArrow();
    void showContextMenu(const QPoint& at, Qt::KeyboardModifiers modifiers);
    void onMenu(const QString& key);
    std::optional<int> selectedRow() const;
    // The file the selected row acts on, once the insert-disk prompt was
    // confirmed; nothing without a row, after Cancel, or when no file or
    // several fit the row's line (said so).
    std::optional<std::string> chosenTarget();

    AppContext& app_;
    QTreeView* resultList_ = nullptr;
    PopupMenu* rowMenu_ = nullptr;
    FindResultsModel* model_ = nullptr;
};
