#pragma once
// The LIB layer's list of the catalog library (the view LVLib of the main
// window): filled from the library's headers, sorted by a header click with
// typed keys, a label edit renames the catalog file, a double click opens
// it, and the right-click menu (m_cMenuLib of the list's window) and the
// layer's keys open, delete, rename, report on and show the properties of
// the catalog under the pointer or selected. The selection is kept by file
// name, so it survives every refill.

#include "gui/models/ColumnSortState.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

struct AppContext;
class LibraryModel;
class PopupMenu;
class QModelIndex;
class QTreeView;

class LibraryList : public QObject {
    Q_OBJECT
public:
    LibraryList(AppContext& app, QTreeView& list);
    ~LibraryList() override;

    // Reads every catalog header of the library again (LoadListLib); the
    // selected catalog stays selected while it is listed.
    void reload();

    // The LIB layer's keys: Delete (whatever the shift state), Ctrl+O,
    // Ctrl+P and F2 act on the selected catalog. True for these keys.
    bool actOnKey(int key, Qt::KeyboardModifiers modifiers);

    // How a catalog opens in the browser (its file name as listed). Until one
    // is given, the double click and Ctrl+O do nothing and the menu's OPEN
    // item stays disabled.
    void setCatalogOpener(std::function<void(const QString& fileName)> opener);

    // The selected catalog's file name, "" when none is.
    QString selectedCatalog() const;
    LibraryModel& model() { return *model_; }

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void select(const QString& fileName);
    void sortByColumn(int column);
    void showMenuAt(const QPoint& at);
    void onMenu(const QString& key, const QString& fileName);
    void openCatalog(const QString& fileName);
    void editLabel(const QString& fileName);
    void renameCatalog(const QString& fileName, const QString& typed);
    void deleteCatalog(const QString& fileName);
    void writeReport(const QString& fileName);
    void showProperties(const QString& fileName);
    PopupMenu* menu() const;

    AppContext& app_;
    QTreeView& list_;
    LibraryModel* model_;
    ColumnSortState sort_;
    std::function<void(const QString&)> opener_;
};
