#include "results/FindResultsModel.h"

#include "gui/models/CellText.h"

#include <numeric>

namespace {
// The columns are the row's first fields, in their order.
std::string_view Cell(const FindRow& row, int column)
{
    return row[FindRow::Field(column)];
}

QString Text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

constexpr qsizetype KbLength = 3; // " Kb"
} // namespace

FindResultsModel::FindResultsModel(QObject* parent) : QAbstractTableModel(parent) {}

void FindResultsModel::clear(bool sorted)
{
    beginResetModel();
    rows_.clear();
    sizeKeys_.clear();
    dateKeys_.clear();
    shown_.clear();
    sorted_ = sorted;
    endResetModel();
}

void FindResultsModel::append(std::vector<std::vector<FindRow>>&& batches)
{
    std::size_t count = 0;
    for (const auto& batch : batches)
        count += batch.size();
    if (count == 0)
        return;
    const int first = int(rows_.size());
    beginInsertRows({}, first, first + int(count) - 1);
    for (auto& batch : batches) {
        for (FindRow& r : batch) {
            sizeKeys_.push_back(NumberKey(Text(r[FindRow::Size]), KbLength));
            dateKeys_.push_back(DateKey(Text(r[FindRow::Date])));
            rows_.push_back(std::move(r));
        }
    }
    shown_.resize(rows_.size());
    std::iota(shown_.begin() + first, shown_.end(), first);
    endInsertRows();
    if (sorted_)
        sortShown();
}

bool FindResultsModel::clickColumn(int column)
{
    if (!sorted_ || column < 0 || column >= ColumnCount)
        return false;
    sortState_.click(column);
    sortShown();
    return true;
}

std::vector<int> FindResultsModel::sortedOrder() const
{
    // Until a header is clicked, sorted rows go by name, A first.
    const int column = sortState_.column() < 0 ? Name : sortState_.column();
    const Qt::SortOrder order = sortState_.column() < 0 ? Qt::AscendingOrder : sortState_.order();
    if (column == Size)
        return SortedRows(sizeKeys_, order);
    if (column == Date)
        return SortedRows(dateKeys_, order);
    QStringList texts;
    texts.reserve(qsizetype(rows_.size()));
    for (const FindRow& r : rows_)
        texts.append(Text(Cell(r, column)));
    return SortedRows(texts, order);
}

void FindResultsModel::sortShown()
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> hitOf;
    hitOf.reserve(std::size_t(before.size()));
    for (const QModelIndex& i : before)
        hitOf.push_back(shown_[std::size_t(i.row())]);
    shown_ = sortedOrder();
    std::vector<int> rowOf(rows_.size());
    for (std::size_t r = 0; r < shown_.size(); ++r)
        rowOf[std::size_t(shown_[r])] = int(r);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.append(index(rowOf[std::size_t(hitOf[std::size_t(i)])], before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void FindResultsModel::setComment(int shown, std::string_view comment)
{
    rows_[std::size_t(shown_[std::size_t(shown)])].setComment(comment);
    const QModelIndex cell = index(shown, Comment);
    emit dataChanged(cell, cell);
}

std::vector<FindReportRow> FindResultsModel::shownRows() const
{
    std::vector<FindReportRow> rows;
    rows.reserve(shown_.size());
    for (int i : shown_)
        rows.push_back(rows_[std::size_t(i)].reportRow());
    return rows;
}

int FindResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(shown_.size());
}

int FindResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FindResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const FindRow& r = row(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return CellText(Cell(r, column));
    case Qt::ToolTipRole:
        if (QString tip = CellToolTip(Cell(r, column)); !tip.isNull())
            return tip;
        return {};
    case Qt::DecorationRole:
        if (column == Name)
            return icons_.forName(Text(r[FindRow::IconName]));
        return {};
    case Qt::TextAlignmentRole:
        if (column == Size)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant FindResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return captions_[std::size_t(section)];
    if (role == Qt::TextAlignmentRole && section == Size)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

bool FindResultsModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || (role != Qt::EditRole && role != Qt::DisplayRole) || section < 0 ||
        section >= ColumnCount)
        return false;
    captions_[std::size_t(section)] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}
