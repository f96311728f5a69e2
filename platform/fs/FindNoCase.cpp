#include "platform/fs/FindNoCase.h"

#include "platform/text/Ascii.h"

#include <dirent.h>
#include <fcntl.h>
#include <algorithm>
#include <memory>
#include <sys/stat.h>

namespace {

bool IsFileAt(int dirFd, const char* name)
{
    struct stat st {};
    return ::fstatat(dirFd, name, &st, 0) == 0 && !S_ISDIR(st.st_mode);
}

} // namespace

std::optional<std::string> FindFileNoCase(const std::string& folder, std::string_view name)
{
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos ||
        name.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        return std::nullopt;
    const int fd = ::dirfd(dir.get());
    std::string exact(name);
    std::optional<std::string> found;
    if (IsFileAt(fd, exact.c_str())) {
        found = exact;
    } else {
        while (const dirent* e = ::readdir(dir.get())) {
            std::string_view entry = e->d_name;
            if (AsciiEqualNoCase(entry, name) && (!found || entry < *found) && IsFileAt(fd, e->d_name))
                found = std::string(entry);
        }
    }
    if (!found)
        return std::nullopt;
    return folder + (folder.empty() || folder.back() == '/' ? "" : "/") + *found;
}

std::vector<std::string> ListFilesNoCase(const std::string& folder, std::string_view prefix, std::string_view suffix)
{
    std::vector<std::string> names;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        return names;
    const int fd = ::dirfd(dir.get());
    while (const dirent* e = ::readdir(dir.get())) {
        std::string_view entry = e->d_name;
        if (entry.size() >= prefix.size() + suffix.size() && AsciiEqualNoCase(entry.substr(0, prefix.size()), prefix) &&
            AsciiEqualNoCase(entry.substr(entry.size() - suffix.size()), suffix) && IsFileAt(fd, e->d_name))
            names.emplace_back(entry);
    }
    std::sort(names.begin(), names.end());
    return names;
}
