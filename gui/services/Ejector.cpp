#include "gui/services/Ejector.h"

#include "platform/volume/MountInfo.h"

#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
// Optical drives are SCSI CD-ROM devices (major 11), whatever bus they sit on;
// anything else (a USB stick, a card reader) must never get an eject command.
constexpr std::string_view kCdromMajor = "11:";
} // namespace

bool CdromEjector::ejectDiscHolding(const std::string& folder)
{
    char resolved[PATH_MAX];
    std::string absolute = ::realpath(folder.c_str(), resolved) ? resolved : folder;
    std::optional<MountInfoEntry> mount = MountHolding(absolute, ReadMountInfo(mountinfo_));
    if (!mount || mount->majorMinor.compare(0, kCdromMajor.size(), kCdromMajor) != 0 ||
        mount->device.compare(0, 5, "/dev/") != 0)
        return false;
    // O_NONBLOCK: opening a drive must not wait for a disc to spin up.
    int fd = ::open(mount->device.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ejected = ::ioctl(fd, CDROMEJECT, 0) == 0;
    ::close(fd);
    return ejected;
}
