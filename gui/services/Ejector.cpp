#include "gui/services/Ejector.h"

#include "gui/services/UDisksEject.h"
#include "platform/volume/MountInfo.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
// Optical drives are SCSI CD-ROM devices (major 11), whatever bus they sit on;
// anything else (a USB stick, a card reader) must never get an eject command.
constexpr std::string_view kCdromMajor = "11:";

// Empty when the drive opened; otherwise the system's reason.
std::string ioctlEject(const std::string& device)
{
    // O_NONBLOCK: opening a drive must not wait for a disc to spin up.
    int fd = ::open(device.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return device + ": " + std::strerror(errno);
    const bool ejected = ::ioctl(fd, CDROMEJECT, 0) == 0;
    const int err = errno;
    ::close(fd);
    return ejected ? std::string() : device + ": " + std::strerror(err);
}
} // namespace

EjectOutcome CdromEjector::ejectDiscHolding(const std::string& folder)
{
    char resolved[PATH_MAX];
    std::string absolute = ::realpath(folder.c_str(), resolved) ? resolved : folder;
    std::optional<MountInfoEntry> mount = MountHolding(absolute, ReadMountInfo(mountinfo_));
    if (!mount || mount->majorMinor.compare(0, kCdromMajor.size(), kCdromMajor) != 0 ||
        mount->device.compare(0, 5, "/dev/") != 0)
        return {false, folder + " is not on a disc in a drive"};
    const UDisksEjectResult udisks = UDisksEject(busAddress_, mount->device);
    if (udisks.ejected)
        return {true, {}};
    const std::string ioctlReason = ioctlEject(mount->device);
    if (ioctlReason.empty())
        return {true, {}};
    // The service's words say more than the kernel's "device busy".
    return {false, udisks.reason.empty() ? ioctlReason : udisks.reason};
}
