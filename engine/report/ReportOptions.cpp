#include "engine/report/ReportOptions.h"

#include "engine/report/HtmlText.h"

ReportLayout LayoutFromReportOptions(const ReportOptions& options, const ReportCaptions& captions)
{
    ReportLayout layout;
    layout.html = options.StyleHTML;
    // Flags are tested by name; only the value 1 includes a column.
    layout.columns[ColFile] = options.IncludeFile == 1;
    layout.columns[ColDirectory] = options.IncludeDir == 1;
    layout.columns[ColSize] = options.IncludeSize == 1;
    layout.columns[ColDate] = options.IncludeDate == 1;
    layout.columns[ColDiskId] = options.IncludeDisk == 1;
    layout.columns[ColComment] = options.IncludeComment == 1;
    layout.separator = options.ColumnSeparator;
    layout.border = options.Border != 0;
    layout.headerBackColor = HtmlColor(options.HeaderBackColor);
    layout.headerTextColor = HtmlColor(options.HeaderTextColor);
    layout.fieldBackColor = HtmlColor(options.FieldBackColor);
    layout.fieldTextColor = HtmlColor(options.FieldTextColor);
    layout.captions = captions;
    return layout;
}
