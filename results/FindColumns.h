#pragma once
// The columns of the search results list, in its order: the field of the hit
// each shows, how it sorts and how wide it starts. A column is a row here, a
// field of FindReportRow, a cell of FindRow and a width the settings keep;
// the checks below do not compile while one of them is missing.

#include "engine/report/Reports.h"
#include "engine/settings/AppSettings.h"
#include "results/FindRow.h"

#include <iterator>
#include <string>
#include <tuple>

// How a column's cells compare when the rows are sorted by it.
enum class FindOrder {
    Text,
    Size, // a number before its " Kb", shown on the right
    Date, // DD/MM/YYYY
};

struct FindColumn {
    FindRow::Field cell;
    std::string FindReportRow::*field;
    FindOrder order;
    double designWidth; // twips, until the user changes it
};

inline constexpr FindColumn FindColumns[] = {
    {FindRow::File, &FindReportRow::File, FindOrder::Text, 2250},
    {FindRow::Directory, &FindReportRow::Directory, FindOrder::Text, 3000},
    {FindRow::Size, &FindReportRow::Size, FindOrder::Size, 900},
    {FindRow::Date, &FindReportRow::Date, FindOrder::Date, 1200},
    {FindRow::DiskID, &FindReportRow::DiskID, FindOrder::Text, 1500},
    {FindRow::Comment, &FindReportRow::Comment, FindOrder::Text, 2400},
};
inline constexpr int FindColumnCount = int(std::size(FindColumns));

constexpr bool FindColumnsMatchTheirCellsAndFields()
{
    for (int i = 0; i < FindColumnCount; ++i) {
        if (FindColumns[i].cell != FindRow::Field(i))
            return false;
        for (int j = 0; j < i; ++j)
            if (FindColumns[j].field == FindColumns[i].field)
                return false;
    }
    return FindColumnCount == FindRow::Key;
}
static_assert(FindColumnsMatchTheirCellsAndFields(),
              "column n shows cell n (the cells before Key), each its own field");
static_assert(sizeof(FindReportRow) == FindColumnCount * sizeof(std::string), "every field of a hit has its column");
static_assert(std::tuple_size_v<decltype(AppSettings::LVFind)> == FindColumnCount, "every column keeps its width");
