#pragma once
// The report of one catalog of the library (library and batch reports).

#include "engine/report/ReportLayout.h"

#include <string>
#include <string_view>

// Reads LibPath & catalogName and writes its report to reportPath; the
// DiskID column holds catalogName. The report, HTML or text, is UTF-8
// whatever the encoding of each catalog line. Raises AppError (missing file,
// no catalog, a failed write); reportPath is then left as it was.
void WriteCatalogReport(std::string_view catalogName, const ReportLayout& layout, const std::string& reportPath);
