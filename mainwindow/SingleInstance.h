#pragma once
// One main window per settings folder. The first start takes a lock in that
// folder and listens on a local socket named after it; a later start finds
// the lock taken and asks the running one to show its window. The lock goes
// with the process that holds it, so a crash leaves nothing in the way. A
// folder that cannot be written takes no lock: a start then only listens.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Claim {
        First,    // this process holds the lock and listens for later starts
        Running,  // a live copy holds the lock
        Unlocked, // nobody holds the lock, yet it cannot be taken
    };

    explicit SingleInstance(const QString& settingsFolder);

    Claim claim();
    // Without the lock: listens all the same, so that later starts find this
    // one. Only for a start that nobody answered.
    void listen();
    // From a later start: asks the first to show its window; false when it
    // did not answer within the time. Blocks; needs no event loop.
    bool callRunning(int timeoutMs = 5000) const;

signals:
    // A later start asked for the window.
    void calledAgain();

private:
    bool heldByLiveCopy() const;

    QString name_;
    QLockFile lock_;
    QLocalServer server_;
};
