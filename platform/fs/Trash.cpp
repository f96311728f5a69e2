#include "platform/fs/Trash.h"

#include "platform/fs/RenameNoReplace.h"
#include "platform/fs/UniqueFd.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Excerpt.h"
#include "platform/volume/MountInfo.h"
#include "platform/text/Messages.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::string_view InfoSuffix = ".trashinfo";

std::string parentOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
}

// The path with every link resolved; "" when it cannot be.
std::string realPathOf(const std::string& path)
{
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return "";
    std::string out(real);
    std::free(real);
    return out;
}

// A folder of ours: made with 0700 when missing; one that is there must be a
// real folder (never a link to elsewhere).
bool ownFolder(const std::string& path)
{
    if (::mkdir(path.c_str(), 0700) == 0)
        return true;
    struct stat st {};
    return errno == EEXIST && ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
}

// path and the folders up to it, each made when missing.
bool ownFolders(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        struct stat st {};
        const std::string folder = path.substr(0, slash);
        if (::stat(folder.c_str(), &st) != 0 && (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST))
            return false;
    }
    return ownFolder(path);
}

bool trashFolders(const std::string& trash)
{
    return ownFolder(trash) && ownFolder(trash + "/files") && ownFolder(trash + "/info");
}

std::string homeTrash()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data == '/')
        return std::string(data) + "/Trash";
    const char* home = std::getenv("HOME");
    if (!home || *home != '/')
        throw AppError(ErrPathNotFound, "there is no home folder for the trash");
    return std::string(home) + "/.local/share/Trash";
}

struct Trash {
    std::string folder; // "" when none can be made
    std::string top;    // the volume's top folder; "" for the home trash, whose paths are absolute
};

// The trash for a file in the real folder, made as needed. A file never goes
// to a trash in the middle of a volume, where no file manager looks, nor to
// another mount, where it could only be copied.
Trash trashFor(const std::string& folder, const std::vector<MountInfoEntry>& table)
{
    const std::optional<MountInfoEntry> mount = MountHolding(folder, table);
    if (!mount)
        return {};
    const std::string home = homeTrash();
    std::string existing = home;
    while (::access(existing.c_str(), F_OK) != 0)
        existing = parentOf(existing);
    if (MountHolding(realPathOf(existing), table) == mount)
        return {ownFolders(home) && trashFolders(home) ? home : "", ""};
    const std::string& top = mount->mountPoint;
    // Its top is a folder inside the volume: once the bind is gone, nothing finds a trash made there.
    if (!IsVolumeTop(*mount))
        throw AppError(ErrPathFileAccess, MessageText(MessageId::TrashInsideVolume, {top}));
    const std::string base = top == "/" ? "" : top;
    const std::string uid = std::to_string(::getuid());
    struct stat st {};
    const std::string shared = base + "/.Trash";
    if (::lstat(shared.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) &&
        trashFolders(shared + "/" + uid))
        return {shared + "/" + uid, top};
    const std::string own = base + "/.Trash-" + uid;
    return {trashFolders(own) ? own : "", top};
}

// The name in files/ (and, with the suffix, in info/): the file's own name,
// numbered when taken and cut where the info file's name would be too long.
std::string storedName(const std::string& name, int n)
{
    const std::string number = n == 1 ? "" : "." + std::to_string(n);
    return std::string(Utf8BytePrefix(name, NAME_MAX - InfoSuffix.size() - number.size())) + number;
}

std::string percentEncoded(const std::string& path)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char c : path) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           std::string_view("/-_.~").find(char(c)) != std::string_view::npos;
        if (plain) {
            out += char(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

std::string infoText(const std::string& path)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
    return "[Trash Info]\nPath=" + percentEncoded(path) + "\nDeletionDate=" + date + "\n";
}
} // namespace

void MoveToTrash(const std::string& path, const std::string& mountTable)
{
    const std::string folder = parentOf(path);
    const std::string name = path.substr(folder.size() == 1 ? 1 : folder.size() + 1);
    const std::string realFolder = path.empty() || path[0] != '/' || name.empty() ? "" : realPathOf(folder);
    if (realFolder.empty())
        throw AppError(ErrPathNotFound, "\"" + path + "\" is no file of this system");
    const Trash trash = trashFor(realFolder, ReadMountInfo(mountTable));
    if (trash.folder.empty())
        throw AppError(ErrPathFileAccess, "no trash folder can be made on the file's volume");
    // A volume's trash keeps paths from its top folder, so that it restores wherever the volume is mounted.
    const std::string realPath = (realFolder == "/" ? "" : realFolder) + "/" + name;
    const std::string original =
        trash.top.empty() ? path : realPath.substr(trash.top == "/" ? 1 : trash.top.size() + 1);
    // The info file is made first and exclusively: it reserves the name.
    for (int n = 1;; ++n) {
        const std::string stored = storedName(name, n);
        const std::string info = trash.folder + "/info/" + stored + std::string(InfoSuffix);
        UniqueFd fd(::open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (!fd) {
            if (errno == EEXIST)
                continue;
            RaiseFromErrno(errno, info);
        }
        // A file in files/ without its info file (put there by hand, or
        // meanwhile) keeps its name: the next number is tried.
        const std::string target = trash.folder + "/files/" + stored;
        const std::string text = infoText(original);
        const bool written = ::write(fd.get(), text.data(), text.size()) == ssize_t(text.size());
        const int err = errno;
        if (written && RenameNoReplace(path, target) == 0)
            return;
        const int cause = written ? errno : err;
        ::unlink(info.c_str());
        if (cause != EEXIST)
            RaiseFromErrno(cause, path);
    }
}
