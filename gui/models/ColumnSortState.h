#pragma once
// What a click on a list's column header does: the first click on a column
// sorts it descending, a click on the same column turns the order round, a
// click on another column keeps the order. Only the sorted column shows an
// arrow.

#include <Qt>

class ColumnSortState {
public:
    // A click on column (from 0); the order to sort it in now.
    Qt::SortOrder click(int column);

    // The column sorted last, -1 before the first click.
    int column() const { return column_; }
    Qt::SortOrder order() const { return ascending_ ? Qt::AscendingOrder : Qt::DescendingOrder; }

private:
    int column_ = -1;
    bool ascending_ = false;
};
