#pragma once
// The report settings of the window mode: the main window loads them at
// start-up, the options dialog edits them, and the library and search
// reports are handed a copy when they write (so a report may be written on
// a worker thread while the settings change).

#include "engine/report/ReportLayout.h"

#include <cstdint>
#include <string>

struct ReportOptions {
    bool StyleHTML = true;
    // A column is written when its flag is exactly 1.
    int IncludeFile = 1;
    int IncludeDir = 1;
    int IncludeDate = 1;
    int IncludeSize = 1;
    int IncludeDisk = 0;
    int IncludeComment = 0;
    std::string ColumnSeparator = ";";
    int Border = 1;
    // Stored colours, red in the low byte.
    std::int32_t HeaderBackColor = 16777215;
    std::int32_t HeaderTextColor = 0;
    std::int32_t FieldBackColor = 16777215;
    std::int32_t FieldTextColor = 0;
};

// Raises AppError when a colour does not fit six hex digits (HtmlColor).
ReportLayout LayoutFromReportOptions(const ReportOptions& options, const ReportCaptions& captions);
