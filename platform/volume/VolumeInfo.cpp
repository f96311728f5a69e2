#include "platform/volume/VolumeInfo.h"

#include "platform/volume/MountInfo.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

namespace {
// udev writes blanks and other characters in link names as \xHH.
std::string unescapeHex(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size() && s[i + 1] == 'x' &&
            std::isxdigit(static_cast<unsigned char>(s[i + 2])) &&
            std::isxdigit(static_cast<unsigned char>(s[i + 3]))) {
            out += char(std::stoi(s.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::string baseName(const std::string& path)
{
    std::size_t p = path.find_last_of('/');
    return p == std::string::npos ? path : path.substr(p + 1);
}

std::string readLink(const std::string& path)
{
    char buf[PATH_MAX];
    ssize_t n = ::readlink(path.c_str(), buf, sizeof buf - 1);
    return n < 0 ? std::string() : std::string(buf, std::size_t(n));
}

std::string realPath(const std::string& path)
{
    char buf[PATH_MAX];
    return ::realpath(path.c_str(), buf) ? std::string(buf) : std::string();
}

// The name (without escapes) of the link in dir that points at device name dev.
std::string linkNameFor(const std::string& dir, const std::string& dev)
{
    std::string result;
    if (DIR* d = ::opendir(dir.c_str())) {
        while (dirent* e = ::readdir(d)) {
            std::string name = e->d_name;
            if (name == "." || name == "..")
                continue;
            if (baseName(readLink(dir + "/" + name)) == dev) {
                result = unescapeHex(name);
                break;
            }
        }
        ::closedir(d);
    }
    return result;
}

std::string readFirstLine(const std::string& path)
{
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

bool isRemovable(const std::string& deviceDir)
{
    // A partition's own folder sits inside its disk's folder.
    std::string disk = deviceDir;
    if (!readFirstLine(deviceDir + "/partition").empty())
        disk = deviceDir.substr(0, deviceDir.find_last_of('/'));
    return readFirstLine(disk + "/removable") == "1" || disk.find("/usb") != std::string::npos;
}

std::string driveTypeFor(const MountInfoEntry& m, const std::string& deviceDir)
{
    const std::string& t = m.fsType;
    if (t == "iso9660" || t == "udf")
        return "Cd-Rom";
    if (t == "tmpfs" || t == "ramfs")
        return "Ram Disk";
    if (t == "nfs" || t == "nfs4" || t == "cifs" || t == "smb3" || t == "smbfs" || t == "9p" || t == "sshfs" ||
        t == "fuse.sshfs")
        return "Remote";
    if (!deviceDir.empty() && isRemovable(deviceDir))
        return "Removable";
    return "Fixed";
}
} // namespace

std::string SerialFromUuid(const std::string& uuid)
{
    std::string hex;
    for (char c : uuid) {
        if (std::isxdigit(static_cast<unsigned char>(c)))
            hex += char(std::toupper(static_cast<unsigned char>(c)));
        if (hex.size() == 8)
            break;
    }
    std::size_t first = hex.find_first_not_of('0');
    if (hex.empty())
        return {};
    return first == std::string::npos ? "0" : hex.substr(first);
}

std::uint64_t RoundMegabytes(std::uint64_t bytes)
{
    constexpr std::uint64_t MB = 1 << 20;
    std::uint64_t q = bytes / MB, r = bytes % MB;
    if (r > MB / 2 || (r == MB / 2 && (q & 1)))
        ++q;
    return q;
}

VolumeFacts ProbeVolume(const std::string& folder, const VolumeSources& sources)
{
    VolumeFacts facts;
    std::string abs = realPath(folder);
    if (abs.empty())
        abs = folder;
    if (std::optional<MountInfoEntry> mount = MountHolding(abs, ReadMountInfo(sources.mountinfo))) {
        facts.found = true;
        std::string deviceDir = realPath(sources.sysDevBlock + "/" + mount->majorMinor);
        std::string dev = baseName(deviceDir);
        facts.driveType = driveTypeFor(*mount, deviceDir);
        if (!dev.empty()) {
            facts.label = linkNameFor(sources.devDisk + "/by-label", dev);
            facts.serialHex = SerialFromUuid(linkNameFor(sources.devDisk + "/by-uuid", dev));
        }
    }
    struct statvfs vfs;
    if (::statvfs(folder.c_str(), &vfs) == 0) {
        facts.sizesKnown = true;
        facts.freeBytes = std::uint64_t(vfs.f_bfree) * vfs.f_frsize;
        facts.totalBytes = std::uint64_t(vfs.f_blocks) * vfs.f_frsize;
    }
    return facts;
}
