#pragma once
// One main window per settings folder. The first start takes a lock in that
// folder and listens on a local socket named after it; a later start finds
// the lock taken and asks the running one to show its window. The lock goes
// with the process that holds it, so a crash leaves nothing in the way.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& settingsFolder);

    // True when this process is the first: it now listens for later starts.
    bool claim();
    // From a later start: asks the first to show its window; false when it
    // did not answer within the time. Blocks; needs no event loop.
    bool callRunning(int timeoutMs = 5000) const;

signals:
    // A later start asked for the window.
    void calledAgain();

private:
    QString name_;
    QLockFile lock_;
    QLocalServer server_;
};
