#include "gui/services/ShellHelpers.h"

#include "gui/services/DesktopActions.h"
#include "platform/prompter/ErrorBox.h"

#include <QDir>
#include <QStandardPaths>

namespace {
constexpr long kDesktop = 0;
constexpr long kDrives = 17;
constexpr long kReturnOnlyFileSystemFolders = 1;
} // namespace

void ShowProperties(DesktopActions& desktop, QWidget* owner, const QString& file)
{
    try {
        desktop.showProperties(file, owner);
    } catch (const std::exception& e) {
        ShowErrorBox(e, "modFile", "ShowProperties");
    }
}

long GetFolderValue(short index)
{
    if (index < 2)
        return kDesktop;
    if (index <= 11)
        return index;
    return long(index) + 4;
}

long GetReturnType()
{
    return kReturnOnlyFileSystemFolders;
}

QString SpecialFolderPath(long folderValue)
{
    if (folderValue == kDesktop)
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (folderValue == kDrives)
        return QDir::rootPath();
    return QDir::homePath();
}
