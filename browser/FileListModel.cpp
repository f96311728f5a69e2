#include "browser/FileListModel.h"

#include "gui/models/CellText.h"

namespace {
constexpr qsizetype kSizeUnitLength = 3; // " Kb"

// The icon goes by the suffix: the end of a name is enough, however long it is.
QString IconName(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos || name.size() - dot > 64 ? QString() : QString::fromUtf8(name.substr(dot));
}
} // namespace

FileListModel::FileListModel(QObject* parent) : QAbstractTableModel(parent) {}

void FileListModel::setFiles(const std::vector<FolderFile>& files)
{
    beginResetModel();
    rows_.clear();
    rows_.reserve(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        const FolderFile& f = files[i];
        Row row{{}, {}, {}, i, {}, {}};
        setCell(row, Name, f.Name);
        setCell(row, Size, f.Size);
        setCell(row, Date, f.DateModif);
        setCell(row, Comment, f.Comment);
        row.size = NumberKey(row.cells[Size], kSizeUnitLength);
        row.date = DateKey(row.cells[Date]);
        row.icon = icons_.forName(IconName(f.Name));
        rows_.push_back(std::move(row));
    }
    endResetModel();
    if (sortColumn_ >= 0)
        sortBy(sortColumn_, sortOrder_);
}

void FileListModel::sortBy(int column, Qt::SortOrder order)
{
    sortColumn_ = column;
    sortOrder_ = order;
    std::vector<int> sorted;
    if (column == Size || column == Date) {
        std::vector<TypedKey> keys;
        keys.reserve(rows_.size());
        for (const Row& r : rows_)
            keys.push_back(column == Size ? r.size : r.date);
        sorted = SortedRows(keys, order);
    } else if (column == Name || column == Comment) {
        QStringList texts;
        texts.reserve(qsizetype(rows_.size()));
        for (const Row& r : rows_)
            texts.append(r.cells[column]);
        sorted = SortedRows(texts, order);
    } else {
        return;
    }
    arrange(sorted);
}

// Rows move; selections and the current row move with them.
void FileListModel::arrange(const std::vector<int>& order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRow(order.size());
    std::vector<Row> arranged;
    arranged.reserve(rows_.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        newRow[std::size_t(order[i])] = int(i);
        arranged.push_back(std::move(rows_[std::size_t(order[i])]));
    }
    rows_ = std::move(arranged);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& i : before)
        after.append(index(newRow[std::size_t(i.row())], i.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void FileListModel::setCell(Row& row, int column, std::string_view text)
{
    row.cells[column] = CellText(text);
    QString tip = CellToolTip(text);
    if (tip.isNull() && !row.tips)
        return;
    if (!row.tips)
        row.tips = std::make_unique<QString[]>(ColumnCount);
    row.tips[column] = std::move(tip);
}

void FileListModel::setComment(int row, const QString& comment)
{
    setCell(rows_[std::size_t(row)], Comment, comment.toStdString());
    emit dataChanged(index(row, Comment), index(row, Comment));
}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Row& row = rows_[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return row.cells[index.column()];
    case Qt::ToolTipRole:
        if (row.tips && !row.tips[index.column()].isNull())
            return row.tips[index.column()];
        return {};
    case Qt::DecorationRole:
        return index.column() == Name ? QVariant(row.icon) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == Size || index.column() == Date ? int(Qt::AlignRight | Qt::AlignVCenter)
                                                                : int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return headers_[section];
    if (role == Qt::TextAlignmentRole)
        return section == Size || section == Date ? int(Qt::AlignRight | Qt::AlignVCenter)
                                                  : int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

bool FileListModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount ||
        (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    headers_[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}
