#pragma once
// Our own open-with chooser: the applications for the file's type, with their
// icons, or every application when the box is ticked.

#include "gui/services/ApplicationCatalog.h"

#include <QDialog>

#include <optional>
#include <string>

class QCheckBox;
class QListWidget;

class OpenWithDialog final : public QDialog {
    Q_OBJECT
public:
    OpenWithDialog(const std::string& path, ApplicationCatalog& apps, QWidget* parent = nullptr);

    QListWidget& list() const { return *list_; }
    QCheckBox& showAll() const { return *showAll_; }
    // The selected application's id, nullopt when none is selected.
    std::optional<QString> chosenApplication() const;

    // Runs the dialog; the chosen id, or nullopt when cancelled.
    static std::optional<QString> choose(const std::string& path, ApplicationCatalog& apps);

private:
    void fill();

    std::string path_;
    ApplicationCatalog& apps_;
    QListWidget* list_;
    QCheckBox* showAll_;
};
