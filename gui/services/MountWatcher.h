#pragma once
// Tells when a new volume is mounted (a disc inserted, a stick plugged in).

#include "platform/volume/MountInfo.h"

#include <QObject>
#include <QString>

#include <vector>

class QSocketNotifier;
class QTimer;

class MountWatcher : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Whether mount is still in the table (a volume announced a while ago
    // may have gone since).
    virtual bool isMounted(const MountInfoEntry& mount) const = 0;

signals:
    // Once for each volume mounted since the watcher started.
    void mounted(const MountInfoEntry& mount);
};

// Watches the kernel's mount table. Changes are read a moment after they are
// announced, so a burst of mounts costs a few reads, never one per mount.
// Needs the application object (it listens on the event loop).
class ProcMountWatcher final : public MountWatcher {
public:
    explicit ProcMountWatcher(const QString& mountinfo = QStringLiteral("/proc/self/mountinfo"),
                              QObject* parent = nullptr);
    ~ProcMountWatcher() override;

    // Reads the table again and signals the volumes that are new.
    void reread();
    bool isMounted(const MountInfoEntry& mount) const override;

private:
    std::vector<MountInfoEntry> readStable() const;

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* settle_;
    std::vector<MountInfoEntry> known_;
};
