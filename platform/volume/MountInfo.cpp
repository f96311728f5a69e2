#include "platform/volume/MountInfo.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

namespace {
// mountinfo writes blanks, tabs, newlines and backslashes as \ooo.
std::string unescapeOctal(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    auto isOctal = [](char c) { return c >= '0' && c <= '7'; };
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size() && isOctal(s[i + 1]) && isOctal(s[i + 2]) && isOctal(s[i + 3])) {
            out += char((s[i + 1] - '0') * 64 + (s[i + 2] - '0') * 8 + (s[i + 3] - '0'));
            i += 3;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        std::size_t start = i;
        while (i < line.size() && line[i] != ' ')
            ++i;
        if (i > start)
            fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

std::string subvolumeOption(std::string_view superOptions)
{
    constexpr std::string_view Key = "subvol=";
    for (std::size_t start = 0; start <= superOptions.size();) {
        const std::size_t end = std::min(superOptions.find(',', start), superOptions.size());
        const std::string_view option = superOptions.substr(start, end - start);
        if (option.starts_with(Key))
            return unescapeOctal(option.substr(Key.size()));
        start = end + 1;
    }
    return "";
}

// id parent maj:min root mount-point options [optional...] - fstype source super-options
std::optional<MountInfoEntry> parseLine(std::string_view line)
{
    std::vector<std::string_view> f = splitFields(line);
    if (f.size() < 6)
        return std::nullopt;
    auto dash = std::find(f.begin() + 6, f.end(), "-");
    if (dash == f.end() || f.end() - dash < 3)
        return std::nullopt;
    MountInfoEntry e;
    auto [p, ec] = std::from_chars(f[0].data(), f[0].data() + f[0].size(), e.id);
    if (ec != std::errc() || p != f[0].data() + f[0].size() || f[2].find(':') == std::string_view::npos)
        return std::nullopt;
    e.majorMinor = f[2];
    e.root = unescapeOctal(f[3]);
    e.mountPoint = unescapeOctal(f[4]);
    e.fsType = dash[1];
    e.device = unescapeOctal(dash[2]);
    if (f.end() - dash > 3)
        e.subvol = subvolumeOption(dash[3]);
    return e;
}

bool isUnder(const std::string& folder, const std::string& mountPoint)
{
    if (mountPoint == "/")
        return true;
    return folder.compare(0, mountPoint.size(), mountPoint) == 0 &&
           (folder.size() == mountPoint.size() || folder[mountPoint.size()] == '/');
}

bool isPseudoFileSystem(std::string_view type)
{
    static constexpr std::string_view PseudoFileSystems[] = {
        "proc",        "sysfs",       "devtmpfs",        "devpts",        "tmpfs",      "ramfs",
        "cgroup",      "cgroup2",     "pstore",          "bpf",           "securityfs", "debugfs",
        "tracefs",     "configfs",    "fusectl",         "mqueue",        "hugetlbfs",  "autofs",
        "binfmt_misc", "efivarfs",    "rpc_pipefs",      "nsfs",          "selinuxfs",  "overlay",
        "nfsd",        "fuse.portal", "fuse.gvfsd-fuse", "fuse.snapfuse", "fuse.lxcfs", "fuse.xdg-document-portal"};
    return std::find(std::begin(PseudoFileSystems), std::end(PseudoFileSystems), type) != std::end(PseudoFileSystems);
}

constexpr std::string_view LoopMajor = "7:";
} // namespace

std::vector<MountInfoEntry> ParseMountInfo(std::string_view text)
{
    std::vector<MountInfoEntry> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        if (auto e = parseLine(text.substr(start, end - start)))
            entries.push_back(std::move(*e));
        start = end + 1;
    }
    return entries;
}

std::vector<MountInfoEntry> ReadMountInfo(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return ParseMountInfo(text.str());
}

std::optional<MountInfoEntry> MountHolding(const std::string& folder, const std::vector<MountInfoEntry>& table)
{
    const MountInfoEntry* best = nullptr;
    for (const MountInfoEntry& e : table)
        if (isUnder(folder, e.mountPoint) && (!best || e.mountPoint.size() >= best->mountPoint.size()))
            best = &e;
    return best ? std::optional(*best) : std::nullopt;
}

bool IsVolumeTop(const MountInfoEntry& entry)
{
    return entry.root == "/" || entry.root == entry.subvol;
}

bool IsVolumeMount(const MountInfoEntry& entry)
{
    if (isPseudoFileSystem(entry.fsType))
        return false;
    return entry.majorMinor.compare(0, LoopMajor.size(), LoopMajor) != 0 &&
           entry.device.compare(0, 9, "/dev/loop") != 0;
}

std::vector<MountInfoEntry> NewVolumeMounts(const std::vector<MountInfoEntry>& before,
                                            const std::vector<MountInfoEntry>& after)
{
    // Mount ids are reused at once, so an entry is only old when all of it matches.
    std::vector<MountInfoEntry> fresh;
    for (const MountInfoEntry& e : after)
        if (IsVolumeMount(e) && IsVolumeTop(e) && std::find(before.begin(), before.end(), e) == before.end())
            fresh.push_back(e);
    return fresh;
}
