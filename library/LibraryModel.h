#pragma once
// The rows of the library list: one catalog each, with its header's texts as
// stored and the sort keys of its date and sizes computed once per fill.
// Sorting keeps the column and order for the next fill. A label edited in
// the view renames nothing here: it is handed on as renameRequested.

#include "engine/library/LibraryLists.h"
#include "gui/models/SortKeys.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>

#include <array>
#include <vector>

class LibraryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Date, Root, Free, Total, Comment, ColumnCount };

    explicit LibraryModel(QObject* parent = nullptr);

    // A fresh reading of the library, put in the order of the last sort.
    void setRows(const std::vector<LibraryRow>& rows);
    QString fileName(int row) const;
    int rowOfFile(const QString& fileName) const; // -1 when not listed

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    void sort(int column, Qt::SortOrder order) override;

signals:
    // The label of the row of fileName was edited to text, as typed.
    void renameRequested(const QString& fileName, const QString& text);

private:
    struct Row {
        std::array<QString, ColumnCount> cells;
        QString iconKey;
        TypedKey date, free, total;
    };
    // Puts the rows in the sort's order; the old row of each new one.
    std::vector<int> applySort();
    const QIcon& icon(const QString& key) const;

    std::vector<Row> rows_;
    std::array<QString, ColumnCount> captions_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    mutable QHash<QString, QIcon> icons_;
};
