#include "engine/catalog/CatalogedFiles.h"

#include "engine/catalog/CatalogPath.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

namespace {
// The entries of folder whose catalog form is part; none when it cannot be listed.
void addFitting(const std::string& folder, std::string_view part, std::vector<std::string>& out)
{
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        return;
    while (const dirent* e = ::readdir(dir.get()))
        if (ToCatalogPath(e->d_name) == part)
            out.push_back(folder + e->d_name);
}

bool isFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}
} // namespace

std::vector<std::string> FilesCatalogedAs(std::string_view catalogPath)
{
    const std::string_view path = catalogPath.substr(0, catalogPath.find('/'));
    if (!path.starts_with('\\'))
        return {};
    // Folder by folder from the root: a part without "?" can only be its own
    // name, one with it any name the scan writes so.
    std::vector<std::string> found{"/"};
    for (std::size_t start = 1;;) {
        const std::size_t end = path.find('\\', start);
        const std::string_view part = path.substr(start, end - start);
        std::vector<std::string> next;
        for (const std::string& folder : found) {
            if (part.find('?') == std::string_view::npos)
                next.push_back(folder + std::string(part));
            else
                addFitting(folder, part, next);
        }
        found = std::move(next);
        if (end == std::string_view::npos)
            break;
        for (std::string& folder : found)
            folder += '/';
        start = end + 1;
    }
    std::erase_if(found, [](const std::string& p) { return !isFile(p); });
    std::sort(found.begin(), found.end());
    return found;
}
