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
    const bool listed = CatchProblem(session.problems, {Module, "RunFind"},
                                     request.Catalog ? *request.Catalog : request.LibraryFolder, [&] {
                                         if (request.Catalog) {
                                             CheckCatalogName(*request.Catalog);
                                             catalogs.push_back(*request.Catalog);
                                         } else {
                                             catalogs = ListCatalogFiles(request.LibraryFolder);
                                         }
                                     });
    if (!listed)
        return;
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
