#include "platform/fs/Trash.h"

#include "platform/fs/UniqueFd.h"
#include "platform/prompter/ErrorBox.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string parentOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
}

bool deviceOf(const std::string& path, dev_t& device)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    device = st.st_dev;
    return true;
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

// The top folder of the volume that holds folder: the last one up on its device.
std::string topFolderOf(std::string folder, dev_t device)
{
    dev_t up = 0;
    while (folder != "/" && deviceOf(parentOf(folder), up) && up == device)
        folder = parentOf(folder);
    return folder;
}

// The trash for a file in folder (on device), made as needed; "" when none can be.
std::string trashFor(const std::string& folder, dev_t device)
{
    const std::string home = homeTrash();
    std::string existing = home;
    dev_t homeDevice = 0;
    while (!deviceOf(existing, homeDevice))
        existing = parentOf(existing);
    if (homeDevice == device)
        return ownFolders(home) && trashFolders(home) ? home : "";
    const std::string top = topFolderOf(folder, device);
    const std::string base = top == "/" ? "" : top;
    const std::string uid = std::to_string(::getuid());
    struct stat st {};
    const std::string shared = base + "/.Trash";
    if (::lstat(shared.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) &&
        trashFolders(shared + "/" + uid))
        return shared + "/" + uid;
    const std::string own = base + "/.Trash-" + uid;
    return trashFolders(own) ? own : "";
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

void MoveToTrash(const std::string& path)
{
    const std::string folder = parentOf(path);
    const std::string name = path.substr(folder.size() == 1 ? 1 : folder.size() + 1);
    dev_t device = 0;
    if (path.empty() || path[0] != '/' || name.empty() || !deviceOf(folder, device))
        throw AppError(ErrPathNotFound, "\"" + path + "\" is no file of this system");
    const std::string trash = trashFor(folder, device);
    if (trash.empty())
        throw AppError(ErrPathFileAccess, "no trash folder can be made on the file's volume");
    // The info file is made first and exclusively: it reserves the name.
    for (int n = 1;; ++n) {
        const std::string stored = n == 1 ? name : name + "." + std::to_string(n);
        const std::string info = trash + "/info/" + stored + ".trashinfo";
        UniqueFd fd(::open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (!fd) {
            if (errno == EEXIST)
                continue;
            RaiseFromErrno(errno, info);
        }
        const std::string target = trash + "/files/" + stored;
        struct stat st {};
        if (::lstat(target.c_str(), &st) == 0) {
            ::unlink(info.c_str());
            continue;
        }
        const std::string text = infoText(path);
        const bool written = ::write(fd.get(), text.data(), text.size()) == ssize_t(text.size());
        const int err = errno;
        if (!written || ::rename(path.c_str(), target.c_str()) != 0) {
            const int cause = written ? errno : err;
            ::unlink(info.c_str());
            RaiseFromErrno(cause, path);
        }
        return;
    }
}
