#include "gui/services/SystemDesktopActions.h"

#include "gui/services/FilePropertiesDialog.h"
#include "gui/services/OpenWithDialog.h"
#include "gui/services/ShellHelpers.h"
#include "platform/fs/Trash.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/prompter/Prompter.h"
#include "platform/shell/Shell.h"
#include "platform/text/Encoding.h"
#include "platform/text/Messages.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QUrl>

namespace {
constexpr std::string_view kTitle = "CorvaneDisk";

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == 0 ? "/" : path.substr(0, slash);
}
} // namespace

SystemDesktopActions::SystemDesktopActions(Prompter& prompter, ApplicationCatalog& apps, Shell& opener, Chooser chooser)
    : prompter_(prompter), apps_(apps), opener_(opener),
      chooser_(chooser ? std::move(chooser) : Chooser(&OpenWithDialog::choose))
{
}

bool SystemDesktopActions::exists(const std::string& path)
{
    return FileStillThere(prompter_, path);
}

void SystemDesktopActions::open(const std::string& path)
{
    if (!exists(path))
        return;
    if (apps_.hasDefaultFor(path))
        opener_.open(path);
    else
        openWith(path);
}

void SystemDesktopActions::openWith(const std::string& path)
{
    if (!exists(path))
        return;
    if (std::optional<QString> app = chooser_(path, apps_))
        apps_.launch(*app, path);
}

std::vector<DesktopApp> SystemDesktopActions::applicationsFor(const std::string& path)
{
    return apps_.forFile(path);
}

void SystemDesktopActions::launch(const QString& appId, const std::string& path)
{
    if (exists(path))
        apps_.launch(appId, path);
}

void SystemDesktopActions::showInFolder(const std::string& path)
{
    if (!exists(path))
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openFolderOf(path);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    // The URL spells the path's bytes, whatever their encoding.
    const QByteArray url = "file://" + QByteArray::fromStdString(path).toPercentEncoding("/");
    call << QStringList{QString::fromLatin1(url)} << QString();
    // Asynchronous: starting a file manager may take a while, the window must not wait.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), &replies_);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [this, path](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        if (!w->isError())
            return;
        try {
            openFolderOf(path);
        } catch (const std::exception& e) {
            ShowErrorBox(prompter_, e, "modMenuDefs", "ShowShellContextMenu");
        }
    });
}

void SystemDesktopActions::openFolderOf(const std::string& path)
{
    opener_.open(folderOf(path));
}

void SystemDesktopActions::copyPath(const std::string& path)
{
    if (exists(path))
        QGuiApplication::clipboard()->setText(QString::fromStdString(BytesToUtf8(path)));
}

bool SystemDesktopActions::moveToTrash(const std::string& path)
{
    if (!exists(path))
        return false;
    try {
        MoveToTrash(path);
        return true;
    } catch (const std::exception& e) {
        prompter_.message(MessageText(MessageId::NotMovedToTrash, {BytesToUtf8(path), e.what()}), kTitle,
                          MsgIcon::Exclamation);
        return false;
    }
}

void SystemDesktopActions::showProperties(const std::string& path, QWidget* owner)
{
    if (!exists(path))
        return;
    auto* dialog = new FilePropertiesDialog(path, owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
