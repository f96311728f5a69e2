#include "engine/report/CatalogReport.h"
#include "engine/report/ReportFiles.h"
#include "engine/report/ReportOptions.h"
#include "engine/report/Reports.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/shell/Shell.h"

std::optional<std::string> WriteLibReport(const ReportOptions& settings, const std::string& catalogName,
                                          const ReportCaptions& captions)
{
    try {
        ReportLayout layout = LayoutFromReportOptions(settings, captions);
        std::string path = LibraryReportPath(catalogName, layout.html);
        WriteCatalogReport(catalogName, layout, path);
        return ReportOpenTarget(path, layout.html);
    } catch (const std::exception& e) {
        ShowErrorBox(e, "frmCorvaneDisk", "PrintLib");
        return std::nullopt;
    }
}

bool PrintLib(const ReportOptions& settings, const std::string& catalogName, const ReportCaptions& captions)
{
    std::optional<std::string> target = WriteLibReport(settings, catalogName, captions);
    if (target)
        RunShellExecute(*target);
    return target.has_value();
}
