#include "gui/services/MountWatcher.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {
constexpr int kSettleMs = 100;
// A table this large is not a mount table: stop reading.
constexpr std::size_t kMaxTableBytes = 64u << 20;
constexpr int kMaxReads = 5;

// The whole file from its start; false when it cannot be read.
bool readAll(int fd, std::string& text)
{
    text.clear();
    if (::lseek(fd, 0, SEEK_SET) < 0)
        return false;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0 || text.size() > kMaxTableBytes)
            return true;
        text.append(buffer, std::size_t(n));
    }
}
} // namespace

ProcMountWatcher::ProcMountWatcher(const QString& mountinfo, QObject* parent)
    : MountWatcher(parent), settle_(new QTimer(this))
{
    settle_->setSingleShot(true);
    connect(settle_, &QTimer::timeout, this, &ProcMountWatcher::reread);
    fd_ = ::open(QFile::encodeName(mountinfo).constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        return; // no table: no new volumes are offered
    known_ = readStable();
    // The kernel flags a changed table as an exceptional condition (POLLPRI).
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Exception, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        if (!settle_->isActive())
            settle_->start(kSettleMs);
    });
}

ProcMountWatcher::~ProcMountWatcher()
{
    delete notifier_;
    if (fd_ >= 0)
        ::close(fd_);
}

std::vector<MountInfoEntry> ProcMountWatcher::readStable() const
{
    // A table that changes while it is read can come out torn; two equal
    // reads in a row are a consistent one. A table that never settles is
    // taken as last read: its next change reads it again.
    std::string last;
    if (!readAll(fd_, last))
        return known_;
    for (int i = 1; i < kMaxReads; ++i) {
        std::string again;
        if (!readAll(fd_, again) || again == last)
            break;
        last.swap(again);
    }
    return ParseMountInfo(last);
}

bool ProcMountWatcher::isMounted(const MountInfoEntry& mount) const
{
    if (fd_ < 0)
        return true; // no table to go by: the offer decides
    const std::vector<MountInfoEntry> table = readStable();
    return std::find(table.begin(), table.end(), mount) != table.end();
}

void ProcMountWatcher::reread()
{
    if (fd_ < 0)
        return;
    std::vector<MountInfoEntry> table = readStable();
    // A system always has its root mounted: an empty table is a failed read,
    // and believing it would offer every volume again at the next one.
    if (table.empty())
        return;
    std::vector<MountInfoEntry> fresh = NewVolumeMounts(known_, table);
    known_ = std::move(table);
    for (const MountInfoEntry& mount : fresh)
        emit mounted(mount);
}
