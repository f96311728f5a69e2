#include "engine/archive/ExtractTarget.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string reason(std::string_view what, int err)
{
    return std::string(what) + ": " + std::strerror(err);
}
} // namespace

std::optional<std::vector<std::string>> SafeMemberParts(std::string_view storedPath)
{
    if (!storedPath.empty() && storedPath.front() == '/')
        return std::nullopt;
    std::vector<std::string> parts;
    while (!storedPath.empty()) {
        const std::size_t slash = storedPath.find('/');
        const std::string_view part = storedPath.substr(0, slash);
        storedPath = slash == std::string_view::npos ? std::string_view() : storedPath.substr(slash + 1);
        if (part == "..")
            return std::nullopt;
        if (!part.empty() && part != ".")
            parts.emplace_back(part);
    }
    return parts;
}

UniqueFd OpenFolderBelow(int baseFd, const std::vector<std::string>& parts, bool create, std::string& error)
{
    UniqueFd current(::fcntl(baseFd, F_DUPFD_CLOEXEC, 0));
    if (!current) {
        error = reason("folder", errno);
        return {};
    }
    for (const std::string& part : parts) {
        if (create && ::mkdirat(current.get(), part.c_str(), 0777) != 0 && errno != EEXIST) {
            error = reason(part, errno);
            return {};
        }
        UniqueFd next(::openat(current.get(), part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next) {
            error = reason(part, errno);
            return {};
        }
        current = std::move(next);
    }
    return current;
}

bool EntryExists(int folderFd, const std::string& name)
{
    struct stat st {};
    return ::fstatat(folderFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

ExtractedFile::~ExtractedFile()
{
    if (fd_ && !committed_)
        ::unlinkat(folderFd_, temp_.c_str(), 0);
}

bool ExtractedFile::open(std::string& error)
{
    static std::atomic<unsigned> counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp_ = ".corvane-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".part";
        fd_ = UniqueFd(::openat(folderFd_, temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (fd_)
            return true;
        if (errno != EEXIST)
            break;
    }
    error = reason(name_, errno);
    return false;
}

bool ExtractedFile::write(std::string_view data, std::string& error)
{
    while (!data.empty()) {
        ssize_t n = ::write(fd_.get(), data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = reason(name_, errno);
            return false;
        }
        data.remove_prefix(std::size_t(n));
    }
    return true;
}

bool ExtractedFile::commit(std::string& error)
{
    if (::close(fd_.release()) != 0 || ::renameat(folderFd_, temp_.c_str(), folderFd_, name_.c_str()) != 0) {
        error = reason(name_, errno);
        ::unlinkat(folderFd_, temp_.c_str(), 0);
        return false;
    }
    committed_ = true;
    return true;
}
