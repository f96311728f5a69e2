#include "engine/report/CatalogReport.h"
#include "engine/report/ReportFiles.h"
#include "engine/report/ReportOptions.h"
#include "engine/report/Reports.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/shell/Shell.h"

bool PrintLib(const ReportOptions& settings, const std::string& catalogName, const ReportCaptions& captions)
{
    try {
        ReportLayout layout = LayoutFromReportOptions(settings, captions);
        std::string path = LibraryReportPath(catalogName, layout.html);
        WriteCatalogReport(catalogName, layout, path);
        RunShellExecute(ReportOpenTarget(path, layout.html));
        return true;
    } catch (const std::exception& e) {
        ShowErrorBox(e, "frmCorvaneDisk", "PrintLib");
        return false;
    }
}
