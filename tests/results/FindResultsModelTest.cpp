#include "results/FindResultsModel.h"
#include "tests/support/CheckedModel.h"
#include "gui/models/CellText.h"

#include <QItemSelectionModel>
#include <gtest/gtest.h>

namespace {
FindHit Hit(std::string name, std::string size, std::string date)
{
    FindHit h;
    h.Row = {std::move(name), "\\d\\", std::move(size), std::move(date), "D.dat", ""};
    h.Key = "\\d\\" + h.Row.File + ">" + h.Row.Size + "/" + h.Row.Date;
    h.IconName = h.Row.File;
    return h;
}

// Rows as a search hands them over: in batches.
std::vector<std::vector<FindRow>> Batches(const std::vector<FindHit>& hits)
{
    std::vector<std::vector<FindRow>> batches;
    batches.push_back(FindRowsOf(hits));
    return batches;
}

std::vector<FindHit> Hits()
{
    std::vector<FindHit> hits;
    hits.push_back(Hit("b.txt", "10 Kb", "01/01/2004"));
    hits.push_back(Hit("A.txt", "9 Kb", "31/12/2003"));
    hits.push_back(Hit("c.txt", "?? Kb", "not a date"));
    hits.push_back(Hit("d.txt", "100 Kb", "15/06/2085"));
    return hits;
}

std::string Names(const FindResultsModel& m)
{
    std::string names;
    for (int r = 0; r < m.rowCount(); ++r)
        names += m.row(r)[FindRow::File].substr(0, 1);
    return names;
}
} // namespace

TEST(FindResultsModel, SortedRowsFollowTheClickSequenceByTypedValues)
{
    FindResultsModel m;
    const auto checker = CheckModel(m);
    m.clear(true);
    m.append(Batches(Hits()));
    EXPECT_EQ(Names(m), "Abcd"); // by name, without regard to case, until a click

    m.clickColumn(FindRow::Size); // first click: descending, no size last
    EXPECT_EQ(Names(m), "dbAc");
    m.clickColumn(FindRow::Size); // again: ascending, 9 before 10 before 100
    EXPECT_EQ(Names(m), "cAbd");
    m.clickColumn(FindRow::Size);
    EXPECT_EQ(m.sortState().order(), Qt::DescendingOrder);
    m.clickColumn(FindRow::Date); // another column keeps the order: latest first
    EXPECT_EQ(Names(m), "dbAc");
    EXPECT_EQ(m.sortState().column(), int(FindRow::Date));

    // Rows arriving later take their places; a selected row stays selected.
    QItemSelectionModel selection(&m);
    selection.setCurrentIndex(m.index(2, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    std::vector<FindHit> more;
    more.push_back(Hit("e.txt", "1 Kb", "01/01/2003"));
    more.push_back(Hit("f.txt", "1 Kb", "01/01/2100"));
    m.append(Batches(more));
    EXPECT_EQ(Names(m), "fdbAec");
    EXPECT_EQ(m.row(selection.currentIndex().row())[FindRow::File], "A.txt");
    EXPECT_EQ(m.shownRows()[0].File, "f.txt");

    // The next search starts empty and goes on with the click sequence.
    m.clear(true);
    EXPECT_EQ(m.rowCount(), 0);
    m.append(Batches(Hits()));
    m.clickColumn(FindRow::Date);
    EXPECT_EQ(Names(m), "cAbd");
}

TEST(FindResultsModel, UnsortedRowsKeepTheirOrderAndShowTheirComment)
{
    FindResultsModel m;
    const auto checker = CheckModel(m);
    m.clear(false);
    std::vector<FindHit> hits = Hits();
    hits[0].Row.Comment = "first\r\nsecond";
    hits[1].Row.Directory = "\\" + std::string(10 << 20, 'd') + "\\";
    m.append(Batches(hits));
    EXPECT_FALSE(m.clickColumn(FindRow::File));
    EXPECT_EQ(Names(m), "bAcd");
    EXPECT_EQ(m.sortState().column(), -1);
    const QModelIndex comment = m.index(0, FindRow::Comment);
    EXPECT_EQ(m.data(comment, Qt::DisplayRole), "first");
    EXPECT_EQ(m.data(comment, Qt::ToolTipRole), "first\nsecond");
    EXPECT_FALSE(m.data(m.index(1, FindRow::Comment), Qt::ToolTipRole).isValid());
    EXPECT_EQ(m.data(m.index(0, FindRow::Size), Qt::DisplayRole), "10 Kb");
    // A huge field: a bounded excerpt, and no more in the tool tip.
    const QModelIndex dir = m.index(1, FindRow::Directory);
    EXPECT_EQ(m.data(dir, Qt::DisplayRole).toString().size(), CellChars + 1);
    EXPECT_EQ(m.data(dir, Qt::ToolTipRole).toString().size(), ToolTipChars + 1);
}
