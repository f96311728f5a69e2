#pragma once
// Keys for sorting a list by a column of sizes or dates, computed once per
// cell, so that 9 Kb comes before 10 Kb and 31/12/2003 before 01/01/2004.
// Shared by the library list, the search results and the browser's files.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <Qt>

#include <optional>
#include <vector>

enum class ColumnType { Text, Number, Date };

// A number or a date as a number that sorts in its order. A cell that is no
// number or no date has no key; such cells come first in ascending order.
using TypedKey = std::optional<double>;

// The cell less its last unitLength characters (" Kb", " MB": 3), read as a
// decimal number with "." for the fraction, whatever the locale.
TypedKey NumberKey(QStringView cell, qsizetype unitLength);
// DD/MM/YYYY or DD/MM/YYYY hh:mm:ss, read day first whatever the locale.
TypedKey DateKey(QStringView cell);

// The row order of a column (indexes into the keys or texts). Equal keys
// keep their order; descending is ascending turned round, keyless cells last.
std::vector<int> SortedRows(const std::vector<TypedKey>& keys, Qt::SortOrder order);
// Text columns: without regard to case.
std::vector<int> SortedRows(const QStringList& texts, Qt::SortOrder order);
