#include "engine/search/LibrarySearch.h"

#include "engine/catalog/CatalogFile.h"
#include "engine/library/LibraryLists.h"

namespace {
constexpr std::string_view Module = "modFindText";
} // namespace

void RunFind(const FindRequest& request, FindSession& session, const FindHitsSink& onHits,
             const FindProgressSink& onProgress)
{
    std::vector<std::string> catalogs;
    try {
        if (request.Catalog) {
            CheckCatalogName(*request.Catalog);
            catalogs.push_back(*request.Catalog);
        } else {
            catalogs = ListCatalogFiles(request.LibraryFolder);
        }
    } catch (const std::exception& e) {
        session.problems.add(
            ProblemFrom(e, Module, "RunFind", request.Catalog ? *request.Catalog : request.LibraryFolder));
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
