#include "gui/services/FolderChooser.h"

#include <QFileDialog>

std::optional<QString> DialogFolderChooser::chooseFolder(QWidget* parent, const QString& title,
                                                         const QString& startFolder)
{
    QString folder = QFileDialog::getExistingDirectory(parent, title, startFolder, QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}
