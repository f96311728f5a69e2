#include "engine/problem/Problem.h"
#include "engine/report/ReportFiles.h"
#include "engine/report/ReportOptions.h"
#include "engine/report/ReportWriter.h"
#include "engine/report/Reports.h"

#include <array>

namespace {
// The field of a hit each column of the report shows, in column order.
constexpr std::array FindReportFields{&FindReportRow::File, &FindReportRow::Directory, &FindReportRow::Size,
                                      &FindReportRow::Date, &FindReportRow::DiskID,    &FindReportRow::Comment};
static_assert(FindReportFields.size() == ReportColumnCount, "a field of the hit for every report column");
static_assert(sizeof(FindReportRow) == ReportColumnCount * sizeof(std::string),
              "every field of a hit is a column of the search report");
} // namespace

std::optional<std::string> WriteFindReport(const ReportOptions& settings, const std::vector<FindReportRow>& rows,
                                           const ReportCaptions& captions, Problems& problems)
{
    std::optional<std::string> target;
    CatchProblem(problems, {"frmFind", "PrintFind"}, "", [&] {
        ReportLayout layout = LayoutFromReportOptions(settings, captions);
        layout.pieceLines = true;
        std::string path = FindReportPath(layout.html);
        ReportWriter out(layout, path);
        for (const FindReportRow& row : rows) {
            out.beginRow();
            for (int c = 0; c < ReportColumnCount; ++c)
                out.cell(ReportColumn(c), row.*FindReportFields[c]);
            out.endRow();
        }
        out.finish();
        target = ReportOpenTarget(path, layout.html);
    });
    return target;
}
