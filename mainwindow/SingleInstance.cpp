#include "mainwindow/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QThread>

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

bool SingleInstance::claim()
{
    if (!lock_.tryLock(0))
        return false;
    // Holding the lock, any socket of that name is a crashed start's.
    QLocalServer::removeServer(name_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(name_);
    return true;
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
