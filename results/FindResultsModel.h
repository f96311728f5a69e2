#pragma once
// The rows of the search results: each hit as the search found it (its
// columns' values, its kind and its exact catalog key), with the typed keys
// of its sizes and dates computed once, when it arrives. The rows show in the order
// they arrived, or, when the search asked for sorted results, sorted: by name
// until a header is clicked, then by that column (the first click descending,
// the same column again turns the order round), sizes and dates by value.

#include "results/FindColumns.h"
#include "results/FindRow.h"
#include "gui/FileTypeIcons.h"
#include "gui/models/ColumnSortState.h"
#include "gui/models/SortKeys.h"

#include <QAbstractTableModel>

#include <array>
#include <deque>
#include <vector>

class FindResultsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Column n shows cell n of the row (FindColumns.h).
    explicit FindResultsModel(QObject* parent = nullptr);

    // A new search: no rows; sorted says whether the rows are kept sorted
    // and header clicks sort them. The click sequence goes on from the last.
    void clear(bool sorted);
    // Rows that arrived, in the batches the search handed over.
    void append(std::vector<std::vector<FindRow>>&& batches);

    bool isSorted() const { return sorted_; }
    // A header click; false, and nothing changes, while the rows are unsorted.
    bool clickColumn(int column);
    const ColumnSortState& sortState() const { return sortState_; }

    // By the row as shown.
    const FindRow& row(int shown) const { return rows_[std::size_t(shown_[std::size_t(shown)])]; }
    void setComment(int shown, std::string_view comment);
    // Every row, as shown.
    std::vector<FindReportRow> shownRows() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role) override;

private:
    std::vector<int> sortedOrder() const;
    void sortShown();

    std::deque<FindRow> rows_; // in the order they arrived
    // Of the columns that sort by size or date, in the same order.
    std::array<std::vector<TypedKey>, FindColumnCount> keys_;
    std::vector<int> shown_; // the rows as shown: indexes into rows_
    bool sorted_ = false;
    ColumnSortState sortState_;
    std::array<QString, FindColumnCount> captions_;
    mutable FileTypeIcons icons_;
};
