#include "skin/TmpFolder.h"

#include "engine/start/AppFolders.h"
#include "platform/fs/UniqueFd.h"
#include "platform/text/Ascii.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {
// The members a skin package is unpacked to, named as the skin loader
// looks them up.
bool isWorkFile(std::string_view entry)
{
    const std::string name = AsciiLowerCopy(entry);
    return name == "corvanedisk.ini" || (name.size() > 4 && name.ends_with(".bmp"));
}
} // namespace

void EmptyTmpFolder(const std::string& tmpFolder)
{
    std::string folder = tmpFolder;
    // A final "/" would make the kernel follow a tmp/ that is a link.
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    if (folder.empty())
        return;
    UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (!fd || ::fstatat(fd.get(), std::string(WorkFolderMark).c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(st.st_mode))
        return;
    UniqueFd listing(::dup(fd.get()));
    DIR* dir = listing ? ::fdopendir(listing.get()) : nullptr;
    if (!dir)
        return;
    listing.release(); // closedir closes it
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir))
        if (isWorkFile(entry->d_name))
            names.emplace_back(entry->d_name);
    ::closedir(dir);
    for (const std::string& name : names)
        if (::fstatat(fd.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
            ::unlinkat(fd.get(), name.c_str(), 0);
}
