#pragma once
// The kernel's mount table (/proc/self/mountinfo) as plain entries.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct MountInfoEntry {
    int id = 0;             // the kernel's mount id
    std::string majorMinor; // "8:1"
    std::string mountPoint; // escapes decoded
    std::string fsType;     // "ext4", "fuse.sshfs"...
    std::string device;     // the mount source ("/dev/sdb1", "server:/x"), escapes decoded
    std::string root = "/"; // the folder of the file system mounted here: not "/" for a bind mount
    std::string subvol{};   // the btrfs subvolume mounted (its "subvol=" option), escapes decoded; else ""

    bool operator==(const MountInfoEntry&) const = default;
};

// Every well-formed line of a mountinfo text, in order; damaged lines are skipped.
std::vector<MountInfoEntry> ParseMountInfo(std::string_view text);

// The whole table file; empty when it cannot be read.
std::vector<MountInfoEntry> ReadMountInfo(const std::string& path);

// The mount that holds the absolute folder: the longest mount point that is a
// prefix of it (the later entry when two mount on the same point).
std::optional<MountInfoEntry> MountHolding(const std::string& folder, const std::vector<MountInfoEntry>& table);

// False for a mount that shows a folder inside its file system (a bind mount
// of a subfolder): its mount point is no top of a volume. A btrfs subvolume
// mounted whole is the top of a volume of its own.
bool IsVolumeTop(const MountInfoEntry& entry);

// False for what the system mounts for itself (proc, cgroup, tmpfs, overlay,
// portals...) and for loop devices (snaps, disk images): none of these is a
// volume a person inserts.
bool IsVolumeMount(const MountInfoEntry& entry);

// The volume mounts of after that before does not hold; a bind mount shows
// again what is already mounted and is no new volume.
std::vector<MountInfoEntry> NewVolumeMounts(const std::vector<MountInfoEntry>& before,
                                            const std::vector<MountInfoEntry>& after);
