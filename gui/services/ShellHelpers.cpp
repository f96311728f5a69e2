#include "gui/services/ShellHelpers.h"

#include "engine/catalog/CatalogPath.h"
#include "engine/catalog/CatalogedFiles.h"
#include "gui/services/DesktopActions.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/prompter/Prompter.h"
#include "platform/text/Encoding.h"
#include "platform/text/Messages.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::int32_t kDesktop = 0;
constexpr std::int32_t kDrives = 17;

void sayGone(Prompter& prompter, const std::string& path)
{
    prompter.message(MessageText(MessageId::NoLongerExists, {BytesToUtf8(path)}), "CorvaneDisk", MsgIcon::Exclamation);
}
} // namespace

bool IsPresent(const std::string& path)
{
    struct stat st {};
    return path.starts_with('/') && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool FileStillThere(Prompter& prompter, const std::string& path)
{
    if (IsPresent(path))
        return true;
    sayGone(prompter, path);
    return false;
}

std::optional<std::string> CatalogTarget(Prompter& prompter, std::string_view catalogPath)
{
    std::optional<std::string> file = CatalogTargetOrEmpty(prompter, catalogPath);
    if (!file || !file->empty())
        return file;
    sayGone(prompter, FromCatalogPath(catalogPath).path);
    return std::nullopt;
}

std::optional<std::string> CatalogTargetOrEmpty(Prompter& prompter, std::string_view catalogPath)
{
    std::vector<std::string> files = FilesCatalogedAs(catalogPath);
    if (files.empty())
        return "";
    if (files.size() == 1)
        return std::move(files.front());
    std::string text = MessageText(MessageId::NamesAlike, {BytesToUtf8(FromCatalogPath(catalogPath).path)});
    for (const std::string& file : files)
        text += "\n" + BytesToUtf8(file);
    prompter.message(text, "CorvaneDisk", MsgIcon::Exclamation);
    return std::nullopt;
}

QString DisplayName(const std::string& path)
{
    return QString::fromStdString(BytesToUtf8(path.substr(path.rfind('/') + 1)));
}

QMimeType FileMimeType(const std::string& path)
{
    QMimeDatabase types;
    // Non-blocking, so that a FIFO or a device found there cannot hang; only a
    // plain file is read.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        fd = -1;
    }
    if (fd < 0)
        return types.mimeTypeForFile(DisplayName(path), QMimeDatabase::MatchExtension);
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    return types.mimeTypeForFileNameAndData(DisplayName(path), &file);
}

void ShowProperties(Prompter& prompter, DesktopActions& desktop, QWidget* owner, const std::string& file)
{
    ShowErrorsOf(prompter, "modFile", "ShowProperties", [&] { desktop.showProperties(file, owner); });
}

std::int32_t GetFolderValue(std::int16_t index)
{
    if (index < 2)
        return kDesktop;
    if (index <= 11)
        return index;
    return std::int32_t(index) + 4;
}

QString SpecialFolderPath(std::int32_t folderValue)
{
    if (folderValue == kDesktop)
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (folderValue == kDrives)
        return QDir::rootPath();
    return QDir::homePath();
}
