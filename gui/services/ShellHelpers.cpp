#include "gui/services/ShellHelpers.h"

#include "gui/services/DesktopActions.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/prompter/Prompter.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
constexpr std::int32_t kDesktop = 0;
constexpr std::int32_t kDrives = 17;
constexpr std::int32_t kReturnOnlyFileSystemFolders = 1;
} // namespace

bool FileStillThere(Prompter& prompter, const QString& path)
{
    if (QDir::isAbsolutePath(path) && QFileInfo::exists(path))
        return true;
    prompter.message("\"" + path.toStdString() + "\" no longer exists.", "CorvaneDisk", MsgIcon::Exclamation);
    return false;
}

void ShowProperties(DesktopActions& desktop, QWidget* owner, const QString& file)
{
    try {
        desktop.showProperties(file, owner);
    } catch (const std::exception& e) {
        ShowErrorBox(e, "modFile", "ShowProperties");
    }
}

std::int32_t GetFolderValue(std::int16_t index)
{
    if (index < 2)
        return kDesktop;
    if (index <= 11)
        return index;
    return std::int32_t(index) + 4;
}

std::int32_t GetReturnType()
{
    return kReturnOnlyFileSystemFolders;
}

QString SpecialFolderPath(std::int32_t folderValue)
{
    if (folderValue == kDesktop)
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (folderValue == kDrives)
        return QDir::rootPath();
    return QDir::homePath();
}
