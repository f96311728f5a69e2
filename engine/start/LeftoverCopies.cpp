#include "engine/start/LeftoverCopies.h"

#include "platform/fs/AtomicFile.h"
#include "platform/fs/FileLock.h"
#include "platform/text/Ascii.h"

#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::time_t AbandonedAfter = 60 * 60;

// The catalog whose copy name would be, or "" when name is no such copy.
std::string_view catalogOfCopy(std::string_view name)
{
    constexpr std::size_t CopySuffixLength = 7; // "." and six letters
    if (name.size() <= CopySuffixLength + 4)
        return {};
    const std::string_view catalog = name.substr(0, name.size() - CopySuffixLength);
    if (!AsciiEqualNoCase(catalog.substr(catalog.size() - 4), ".dat") || !IsTemporaryNameOf(name, catalog))
        return {};
    return catalog;
}
} // namespace

void RemoveLeftoverCatalogCopies(const std::string& libPath, std::time_t now)
{
    DIR* dir = ::opendir(libPath.c_str());
    if (!dir)
        return;
    const int folder = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        const std::string_view catalog = catalogOfCopy(name);
        struct stat st {};
        if (catalog.empty() || ::fstatat(folder, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode) || now - st.st_mtim.tv_sec < AbandonedAfter)
            continue;
        // A writer holds the catalog's lock as long as its copy exists.
        const FileLock lock = FileLock::TryLock(libPath + std::string(catalog));
        if (lock.held())
            ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(dir);
}
