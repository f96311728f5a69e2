#pragma once
// Asks the user for a folder.

#include <QString>

#include <optional>

class QWidget;

class FolderChooser {
public:
    virtual ~FolderChooser() = default;
    // A folder (directories only) or nullopt when cancelled.
    virtual std::optional<QString> chooseFolder(QWidget* parent, const QString& title, const QString& startFolder) = 0;
};

class DialogFolderChooser final : public FolderChooser {
public:
    std::optional<QString> chooseFolder(QWidget* parent, const QString& title, const QString& startFolder) override;
};
