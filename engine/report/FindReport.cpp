#include "engine/report/ReportFiles.h"
#include "engine/report/ReportOptions.h"
#include "engine/report/ReportWriter.h"
#include "engine/report/Reports.h"
#include "platform/prompter/ErrorBox.h"

std::optional<std::string> WriteFindReport(const ReportOptions& settings, const std::vector<FindReportRow>& rows,
                                           const ReportCaptions& captions)
{
    try {
        ReportLayout layout = LayoutFromReportOptions(settings, captions);
        layout.pieceLines = true;
        std::string path = FindReportPath(layout.html);
        ReportWriter out(layout, path);
        for (const FindReportRow& row : rows) {
            out.beginRow();
            out.cell(ColFile, row.File);
            out.cell(ColDirectory, row.Directory);
            out.cell(ColSize, row.Size);
            out.cell(ColDate, row.Date);
            out.cell(ColDiskId, row.DiskID);
            out.cell(ColComment, row.Comment);
            out.endRow();
        }
        out.finish();
        return ReportOpenTarget(path, layout.html);
    } catch (const std::exception& e) {
        ShowErrorBox(e, "frmFind", "PrintFind");
        return std::nullopt;
    }
}
