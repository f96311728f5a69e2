#include "engine/problem/Problem.h"
#include "engine/report/CatalogReport.h"
#include "engine/report/ReportFiles.h"
#include "engine/report/ReportOptions.h"
#include "engine/report/Reports.h"

std::optional<std::string> WriteLibReport(const ReportOptions& settings, const std::string& catalogName,
                                          const ReportCaptions& captions, Problems& problems)
{
    try {
        ReportLayout layout = LayoutFromReportOptions(settings, captions);
        std::string path = LibraryReportPath(catalogName, layout.html);
        WriteCatalogReport(catalogName, layout, path);
        return ReportOpenTarget(path, layout.html);
    } catch (const std::exception& e) {
        problems.add(ProblemFrom(e, "frmCorvaneDisk", "PrintLib", catalogName));
        return std::nullopt;
    }
}
