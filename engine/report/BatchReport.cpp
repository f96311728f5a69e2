#include "engine/problem/Problem.h"
#include "engine/report/CatalogReport.h"
#include "engine/report/ReportFiles.h"
#include "engine/report/Reports.h"

namespace {
ReportLayout layoutFromCommandLine(const CmdLineOptions& opts)
{
    ReportLayout layout;
    layout.html = opts.StyleHTML;
    layout.columns[ColFile] = opts.IncludeFile;
    layout.columns[ColDirectory] = opts.IncludeDir;
    layout.columns[ColSize] = opts.IncludeSize;
    layout.columns[ColDate] = opts.IncludeDate;
    layout.columns[ColDiskId] = opts.IncludeDisk;
    layout.columns[ColComment] = opts.IncludeComment;
    layout.separator = opts.ColumnSeparator;
    layout.border = opts.Border;
    // Colours go into the page as typed; nothing converts them.
    layout.headerBackColor = opts.HeaderBackColor;
    layout.headerTextColor = opts.HeaderTextColor;
    layout.fieldBackColor = opts.FieldBackColor;
    layout.fieldTextColor = opts.FieldTextColor;
    layout.captions = {"Report", {"File", "Directory", "Size", "Date", "DiskID", "Comment"}};
    return layout;
}
} // namespace

bool CreateReport(const CmdLineOptions& opts, Problems& problems)
{
    return CatchProblem(problems, {"modMain", "CreateReport"}, opts.Name, [&] {
        ReportLayout layout = layoutFromCommandLine(opts);
        WriteCatalogReport(opts.Name, layout, LibraryReportPath(opts.Name, layout.html));
    });
}
