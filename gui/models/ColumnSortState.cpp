#include "gui/models/ColumnSortState.h"

Qt::SortOrder ColumnSortState::click(int column)
{
    if (column == column_)
        ascending_ = !ascending_;
    column_ = column;
    return order();
}
