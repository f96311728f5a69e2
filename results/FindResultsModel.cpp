#include "results/FindResultsModel.h"

#include "gui/models/CellText.h"

#include <numeric>

namespace {
std::string_view Cell(const FindRow& row, int column)
{
    return row[FindColumns[column].cell];
}

QString Text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

constexpr qsizetype KbLength = 3; // " Kb"

TypedKey KeyOf(FindOrder order, std::string_view cell)
{
    return order == FindOrder::Size ? NumberKey(Text(cell), KbLength) : DateKey(Text(cell));
}

bool RightAligned(int column)
{
    return FindColumns[column].order == FindOrder::Size;
}
} // namespace

FindResultsModel::FindResultsModel(QObject* parent) : QAbstractTableModel(parent) {}

void FindResultsModel::clear(bool sorted)
{
    beginResetModel();
    rows_.clear();
    for (std::vector<TypedKey>& keys : keys_)
        keys.clear();
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
            for (const FindColumn& c : FindColumns)
                if (c.order != FindOrder::Text)
                    keys_[c.cell].push_back(KeyOf(c.order, r[c.cell]));
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
    if (!sorted_ || column < 0 || column >= FindColumnCount)
        return false;
    sortState_.click(column);
    sortShown();
    return true;
}

std::vector<int> FindResultsModel::sortedOrder() const
{
    // Until a header is clicked, sorted rows go by name, A first.
    const int column = sortState_.column() < 0 ? FindRow::File : sortState_.column();
    const Qt::SortOrder order = sortState_.column() < 0 ? Qt::AscendingOrder : sortState_.order();
    if (FindColumns[column].order != FindOrder::Text)
        return SortedRows(keys_[std::size_t(column)], order);
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
    const QModelIndex cell = index(shown, FindRow::Comment);
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
    return parent.isValid() ? 0 : FindColumnCount;
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
        if (column == FindRow::File)
            return icons_.forName(Text(r[FindRow::IconName]));
        return {};
    case Qt::TextAlignmentRole:
        if (RightAligned(column))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant FindResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= FindColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return captions_[std::size_t(section)];
    if (role == Qt::TextAlignmentRole && RightAligned(section))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

bool FindResultsModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || (role != Qt::EditRole && role != Qt::DisplayRole) || section < 0 ||
        section >= FindColumnCount)
        return false;
    captions_[std::size_t(section)] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}
