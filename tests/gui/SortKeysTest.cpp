#include "gui/models/ColumnSortState.h"
#include "gui/models/SortKeys.h"

#include <gtest/gtest.h>

namespace {
// The cells in the order a sort gives them.
QStringList sorted(const QStringList& cells, Qt::SortOrder order, TypedKey (*key)(QStringView))
{
    std::vector<TypedKey> keys;
    for (const QString& c : cells)
        keys.push_back(key(c));
    QStringList out;
    for (int row : SortedRows(keys, order))
        out << cells[row];
    return out;
}

TypedKey size(QStringView cell)
{
    return NumberKey(cell, 3);
}
} // namespace

TEST(SortKeys, NumbersSortAsNumbersAfterTheirUnitIsCut)
{
    EXPECT_EQ(sorted({"100 Kb", "9 Kb", "10 Kb"}, Qt::AscendingOrder, size), (QStringList{"9 Kb", "10 Kb", "100 Kb"}));
    EXPECT_EQ(sorted({"0 MB", "-5 MB", "-10 MB", "2.5 MB", "2 MB"}, Qt::AscendingOrder, size),
              (QStringList{"-10 MB", "-5 MB", "0 MB", "2 MB", "2.5 MB"}));
    EXPECT_EQ(sorted({"9 Kb", "100 Kb", "10 Kb"}, Qt::DescendingOrder, size), (QStringList{"100 Kb", "10 Kb", "9 Kb"}));
    EXPECT_EQ(NumberKey(u"18014398509481984 Kb", 3), 18014398509481984.0);
    EXPECT_EQ(NumberKey(u"42", 0), 42.0);
    // No number: no key, whatever the locale or the spelling.
    for (const char16_t* cell :
         {u"", u"Kb", u"7", u"abc Kb", u"1,5 Kb", u"1e5 Kb", u"inf Kb", u"- Kb", u"1.2.3 Kb", u"0x10 Kb"})
        EXPECT_FALSE(size(cell).has_value()) << QString::fromUtf16(cell).toStdString();
}

TEST(SortKeys, DatesReadDayFirst)
{
    EXPECT_EQ(sorted({"01/01/2004", "31/12/2003", "02/01/2004", "01/02/2003"}, Qt::AscendingOrder, DateKey),
              (QStringList{"01/02/2003", "31/12/2003", "01/01/2004", "02/01/2004"}));
    EXPECT_EQ(sorted({"05/06/2007 10:00:01", "05/06/2007 09:59:59", "05/06/2007"}, Qt::AscendingOrder, DateKey),
              (QStringList{"05/06/2007", "05/06/2007 09:59:59", "05/06/2007 10:00:01"}));
    EXPECT_EQ(DateKey(u"31/12/2003"), 20031231000000.0);
    for (const char16_t* cell : {u"", u"31/02/2004", u"2004-01-01", u"1/1/2004", u"13/13/2004", u"01/01/2004 25:00:00",
                                 u"01/01/2004 10:00", u"01/01/2004x"})
        EXPECT_FALSE(DateKey(cell).has_value()) << QString::fromUtf16(cell).toStdString();
}

TEST(SortKeys, KeylessCellsFirstAscendingLastDescendingAndTiesKeepTheirOrder)
{
    const QStringList cells{"02/02/2002", "?", "01/01/2001", "", "02/02/2002 "};
    EXPECT_EQ(sorted(cells, Qt::AscendingOrder, DateKey),
              (QStringList{"?", "", "01/01/2001", "02/02/2002", "02/02/2002 "}));
    EXPECT_EQ(sorted(cells, Qt::DescendingOrder, DateKey),
              (QStringList{"02/02/2002", "02/02/2002 ", "01/01/2001", "?", ""}));

    const QStringList names{"banana", "Apple", "cherry", "apple"};
    std::vector<int> up = SortedRows(names, Qt::AscendingOrder);
    EXPECT_EQ(up, (std::vector<int>{1, 3, 0, 2}));
    EXPECT_EQ(SortedRows(names, Qt::DescendingOrder), (std::vector<int>{2, 0, 1, 3}));
}

TEST(ColumnSortState, FirstClickDescendingSameColumnTurnsRoundOtherColumnKeepsTheOrder)
{
    ColumnSortState s;
    EXPECT_EQ(s.column(), -1);
    EXPECT_EQ(s.click(2), Qt::DescendingOrder);
    EXPECT_EQ(s.click(2), Qt::AscendingOrder);
    EXPECT_EQ(s.click(2), Qt::DescendingOrder);
    EXPECT_EQ(s.click(3), Qt::DescendingOrder);
    EXPECT_EQ(s.click(3), Qt::AscendingOrder);
    EXPECT_EQ(s.click(0), Qt::AscendingOrder);
    EXPECT_EQ(s.column(), 0);
    EXPECT_EQ(s.order(), Qt::AscendingOrder);
}
