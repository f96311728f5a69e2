#pragma once
// The LIB layer: the list of the catalog library.

#include "mainwindow/LayerPanel.h"

#include <memory>

struct AppContext;
class LibraryList;
class QTreeView;

class LibLayer : public LayerPanel {
    Q_OBJECT
public:
    LibLayer(QWidget& window, AppContext& app);
    ~LibLayer() override;

    LibraryList& library() { return *library_; }
    int columnWidth(int column) const;
    void setColumnWidth(int column, int pixels);

private:
    QTreeView* list_ = nullptr;
    std::unique_ptr<LibraryList> library_;
};
