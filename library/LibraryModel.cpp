#include "library/LibraryModel.h"

#include "gui/AppIcons.h"

#include <numeric>

namespace {
constexpr qsizetype UnitLength = 3; // " MB"

bool RightAligned(int column)
{
    return column == LibraryModel::Date || column == LibraryModel::Free || column == LibraryModel::Total;
}
} // namespace

LibraryModel::LibraryModel(QObject* parent) : QAbstractTableModel(parent) {}

void LibraryModel::setRows(const std::vector<LibraryRow>& rows)
{
    beginResetModel();
    rows_.clear();
    rows_.reserve(rows.size());
    for (const LibraryRow& r : rows) {
        Row row;
        row.cells = {QString::fromStdString(r.Name),    QString::fromStdString(r.FileDate),
                     QString::fromStdString(r.RootDir), QString::fromStdString(r.Free),
                     QString::fromStdString(r.Total),   QString::fromStdString(r.Comment)};
        row.iconKey = QString::fromStdString(r.IconKey);
        row.date = DateKey(row.cells[Date]);
        row.free = NumberKey(row.cells[Free], UnitLength);
        row.total = NumberKey(row.cells[Total], UnitLength);
        rows_.push_back(std::move(row));
    }
    applySort();
    endResetModel();
}

QString LibraryModel::fileName(int row) const
{
    return row >= 0 && row < int(rows_.size()) ? rows_[std::size_t(row)].cells[Name] : QString();
}

int LibraryModel::rowOfFile(const QString& fileName) const
{
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].cells[Name] == fileName)
            return int(i);
    return -1;
}

int LibraryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int LibraryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const QIcon& LibraryModel::icon(const QString& key) const
{
    auto it = icons_.find(key);
    if (it == icons_.end())
        it = icons_.insert(key, DiskIcon(key));
    return *it;
}

QVariant LibraryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return {};
    const Row& row = rows_[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return row.cells[std::size_t(index.column())];
    case Qt::DecorationRole:
        return index.column() == Name ? QVariant(icon(row.iconKey)) : QVariant();
    case Qt::TextAlignmentRole:
        return RightAligned(index.column()) ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    default:
        return {};
    }
}

QVariant LibraryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return captions_[std::size_t(section)];
    if (role == Qt::TextAlignmentRole)
        return int((RightAligned(section) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return {};
}

bool LibraryModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return false;
    captions_[std::size_t(section)] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

Qt::ItemFlags LibraryModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == Name)
        f |= Qt::ItemIsEditable;
    return f;
}

bool LibraryModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() != Name)
        return false;
    // The file decides the label: the row changes only when the library is read again.
    emit renameRequested(fileName(index.row()), value.toString());
    return false;
}

void LibraryModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    sortColumn_ = column;
    sortOrder_ = order;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int> from = applySort();
    // Persistent indexes (the selection, the current row) follow their rows.
    std::vector<int> to(from.size());
    for (std::size_t i = 0; i < from.size(); ++i)
        to[std::size_t(from[i])] = int(i);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& i : before)
        after.push_back(index(to[std::size_t(i.row())], i.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::vector<int> LibraryModel::applySort()
{
    std::vector<int> order;
    if (sortColumn_ < 0) {
        order.resize(rows_.size());
        std::iota(order.begin(), order.end(), 0);
        return order;
    }
    auto keys = [this](TypedKey Row::*key) {
        std::vector<TypedKey> k;
        k.reserve(rows_.size());
        for (const Row& r : rows_)
            k.push_back(r.*key);
        return k;
    };
    switch (sortColumn_) {
    case Date:
        order = SortedRows(keys(&Row::date), sortOrder_);
        break;
    case Free:
        order = SortedRows(keys(&Row::free), sortOrder_);
        break;
    case Total:
        order = SortedRows(keys(&Row::total), sortOrder_);
        break;
    default: {
        QStringList texts;
        texts.reserve(qsizetype(rows_.size()));
        for (const Row& r : rows_)
            texts.push_back(r.cells[std::size_t(sortColumn_)]);
        order = SortedRows(texts, sortOrder_);
    }
    }
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    for (int i : order)
        sorted.push_back(std::move(rows_[std::size_t(i)]));
    rows_ = std::move(sorted);
    return order;
}
