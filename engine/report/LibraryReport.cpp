#include "engine/problem/Problem.h"
#include "engine/report/CatalogReport.h"
#include "engine/report/ReportFiles.h"
#include "engine/report/ReportOptions.h"
#include "engine/report/Reports.h"

std::optional<std::string> WriteLibReport(const ReportOptions& settings, const std::string& catalogName,
                                          const ReportCaptions& captions, Problems& problems)
{
    std::optional<std::string> target;
    CatchProblem(problems, {"frmCorvaneDisk", "PrintLib"}, catalogName, [&] {
        ReportLayout layout = LayoutFromReportOptions(settings, captions);
        std::string path = LibraryReportPath(catalogName, layout.html);
        WriteCatalogReport(catalogName, layout, path);
        target = ReportOpenTarget(path, layout.html);
    });
    return target;
}
