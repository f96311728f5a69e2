#include "engine/search/LibrarySearch.h"

#include "engine/catalog/CatalogFile.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Ascii.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace {
constexpr std::string_view kModule = "modFindText";

bool isCatalogName(std::string_view name)
{
    return name.size() >= 4 && AsciiLowerCopy(name.substr(name.size() - 4)) == ".dat";
}
} // namespace

std::vector<std::string> LibraryCatalogNames(const std::string& folder)
{
    std::vector<std::string> names;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) {
        if (errno == ENOENT)
            return names;
        RaiseFromErrno(errno, folder);
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        std::string_view name = entry->d_name;
        struct stat st;
        if (isCatalogName(name) && ::stat((folder + entry->d_name).c_str(), &st) == 0 &&
            S_ISREG(st.st_mode))
            names.emplace_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void RunFind(const FindRequest& request, FindSession& session, const FindHitsSink& onHits,
             const FindProgressSink& onProgress)
{
    std::vector<std::string> catalogs;
    try {
        if (request.Catalog) {
            CheckCatalogName(*request.Catalog);
            catalogs.push_back(*request.Catalog);
        } else {
            catalogs = LibraryCatalogNames(request.LibraryFolder);
        }
    } catch (const std::exception& e) {
        ShowErrorBox(e, kModule, "RunFind");
        return;
    }
    const FindQuery query(request.Expression, request.DriveType, request.FileFilter);
    FindProgress progress;
    progress.catalogCount = catalogs.size();
    for (const std::string& name : catalogs) {
        if (session.StopFind)
            return;
        FindWordOnFile(request.LibraryFolder + name, query, session, onHits);
        ++progress.catalogsDone;
        progress.catalog = name;
        if (onProgress)
            onProgress(progress);
    }
}
