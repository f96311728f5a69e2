#pragma once
// The browser's file list: the files of one folder with their sizes, dates
// and comments, each row's sort keys worked out once when the folder is
// listed, so that a click on a header sorts 100,000 rows by number or date
// at once. Rows keep the sort chosen last when another folder is listed.

#include "engine/browse/CatalogFolders.h"
#include "gui/FileTypeIcons.h"
#include "gui/models/SortKeys.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <memory>
#include <string_view>
#include <vector>

class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Size, Date, Comment, ColumnCount };

    explicit FileListModel(QObject* parent = nullptr);

    // The files of a folder, in catalog order, then sorted as chosen last.
    void setFiles(const std::vector<FolderFile>& files);
    // Order of the rows: by column, or in catalog order while column is -1.
    void sortBy(int column, Qt::SortOrder order);
    // The file's place in its folder (as CatalogFolders counts it).
    std::size_t position(int row) const { return rows_[std::size_t(row)].position; }
    void setComment(int row, const QString& comment);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

private:
    struct Row {
        QString cells[ColumnCount]; // as CellText shows them
        TypedKey size, date;
        std::size_t position;
        QIcon icon;
        std::unique_ptr<QString[]> tips; // per column; none while every cell shows its field whole
    };
    void setCell(Row& row, int column, std::string_view text);
    void arrange(const std::vector<int>& order);

    FileTypeIcons icons_; // kept for every folder listed
    std::vector<Row> rows_;
    QString headers_[ColumnCount];
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};
