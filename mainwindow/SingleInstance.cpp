#include "mainwindow/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {
constexpr char Request[] = "show\n";
constexpr char Answer[] = "ok\n";

QString LockPath(const QString& folder)
{
    QDir().mkpath(folder);
    return QDir(folder).filePath(QStringLiteral("window.lock"));
}

// Socket names live in one folder for everyone: the settings folder's hash
// keeps them short and apart.
QString ServerName(const QString& folder)
{
    const QByteArray path = QDir(folder).canonicalPath().toUtf8();
    return QStringLiteral("CorvaneDisk-") +
           QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(20));
}

// The name a process runs under; empty when it cannot be read.
QByteArray ProcessName(qint64 pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) ? comm.readAll() : QByteArray();
}
} // namespace

SingleInstance::SingleInstance(const QString& settingsFolder) : lock_(LockPath(settingsFolder))
{
    name_ = ServerName(settingsFolder);
    lock_.setStaleLockTime(0); // only a dead holder's lock is stale
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = server_.nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            connect(caller, &QLocalSocket::readyRead, this, [this, caller] {
                if (!caller->canReadLine())
                    return;
                if (caller->readLine() == Request) {
                    caller->write(Answer);
                    caller->flush();
                    emit calledAgain();
                }
            });
        }
    });
}

SingleInstance::Claim SingleInstance::claim()
{
    // A lock that could not be taken may still be a dead copy's, left in a
    // folder that no longer lets it be removed.
    if (!lock_.tryLock(0))
        return heldByLiveCopy() ? Claim::Running : Claim::Unlocked;
    // Holding the lock, any socket of that name is a crashed start's.
    listen();
    return Claim::First;
}

void SingleInstance::listen()
{
    QLocalServer::removeServer(name_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(name_);
}

bool SingleInstance::heldByLiveCopy() const
{
    qint64 pid = 0;
    QString host;
    if (!lock_.getLockInfo(&pid, &host, nullptr) || pid <= 0)
        return false; // no lock, or one that names nobody
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return true; // whether it lives cannot be told from here
    if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        return false;
    // A process that took the number of a copy that is gone is no copy.
    const QByteArray name = ProcessName(pid);
    const QByteArray own = ProcessName(::getpid());
    return name.isEmpty() || own.isEmpty() || name == own;
}

bool SingleInstance::callRunning(int timeoutMs) const
{
    // The first start may not listen yet: it is tried again until the time is up.
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(name_);
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            socket.write(Request);
            socket.waitForBytesWritten(int(deadline.remainingTime()));
            while (!socket.canReadLine() && socket.waitForReadyRead(int(deadline.remainingTime()))) {
            }
            if (socket.canReadLine() && socket.readLine() == Answer)
                return true;
        }
        QThread::msleep(100);
    }
    return false;
}
