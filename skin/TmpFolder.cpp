#include "skin/TmpFolder.h"

#include "engine/archive/ExtractTarget.h"
#include "engine/start/AppFolders.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

void EmptyTmpFolder()
{
    std::string folder = Folders().TmpPath;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    // Only the program's own tmp/: never a path that was not set, never through a link.
    if (folder.size() < 4 || folder.compare(folder.size() - 4, 4, "/tmp") != 0)
        return;
    UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd)
        return;
    UniqueFd listing(::dup(fd.get()));
    DIR* dir = listing ? ::fdopendir(listing.get()) : nullptr;
    if (!dir)
        return;
    listing.release(); // closedir closes it
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    for (const std::string& name : names) {
        struct stat st {};
        if (::fstatat(fd.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISDIR(st.st_mode))
            ::unlinkat(fd.get(), name.c_str(), 0);
    }
}
