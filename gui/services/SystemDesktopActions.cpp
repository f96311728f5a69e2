#include "gui/services/SystemDesktopActions.h"

#include "gui/services/FilePropertiesDialog.h"
#include "gui/services/OpenWithDialog.h"
#include "gui/services/ShellHelpers.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/prompter/Prompter.h"
#include "platform/shell/Shell.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

namespace {
constexpr std::string_view kTitle = "CorvaneDisk";

std::string utf8(const QString& s)
{
    return s.toStdString();
}
} // namespace

SystemDesktopActions::SystemDesktopActions(Prompter& prompter, ApplicationCatalog& apps, Shell& opener, Chooser chooser)
    : prompter_(prompter), apps_(apps), opener_(opener),
      chooser_(chooser ? std::move(chooser) : Chooser(&OpenWithDialog::choose))
{
}

bool SystemDesktopActions::exists(const QString& path)
{
    return FileStillThere(prompter_, path);
}

void SystemDesktopActions::open(const QString& path)
{
    if (!exists(path))
        return;
    if (apps_.hasDefaultFor(path))
        opener_.open(utf8(path));
    else
        openWith(path);
}

void SystemDesktopActions::openWith(const QString& path)
{
    if (!exists(path))
        return;
    if (std::optional<QString> app = chooser_(path, apps_))
        apps_.launch(*app, path);
}

std::vector<DesktopApp> SystemDesktopActions::applicationsFor(const QString& path)
{
    return apps_.forFile(path);
}

void SystemDesktopActions::launch(const QString& appId, const QString& path)
{
    if (exists(path))
        apps_.launch(appId, path);
}

void SystemDesktopActions::showInFolder(const QString& path)
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
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    call << QStringList{QString::fromUtf8(url.toEncoded())} << QString();
    // Asynchronous: starting a file manager may take a while, the window must not wait.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), &replies_);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [this, path](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        if (!w->isError())
            return;
        try {
            openFolderOf(path);
        } catch (const std::exception& e) {
            ShowErrorBox(e, "modMenuDefs", "ShowShellContextMenu");
        }
    });
}

void SystemDesktopActions::openFolderOf(const QString& path)
{
    opener_.open(utf8(QFileInfo(path).absolutePath()));
}

void SystemDesktopActions::copyPath(const QString& path)
{
    if (exists(path))
        QGuiApplication::clipboard()->setText(path);
}

bool SystemDesktopActions::moveToTrash(const QString& path)
{
    if (!exists(path))
        return false;
    QFile file(path);
    if (file.moveToTrash())
        return true;
    prompter_.message("\"" + utf8(path) + "\" could not be moved to the trash: " + utf8(file.errorString()), kTitle,
                      MsgIcon::Exclamation);
    return false;
}

void SystemDesktopActions::showProperties(const QString& path, QWidget* owner)
{
    if (!exists(path))
        return;
    auto* dialog = new FilePropertiesDialog(path, owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
