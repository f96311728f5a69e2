#pragma once
// Where reports go and how the shell is pointed at them.

#include <string>
#include <string_view>

// ReportPath & "Lib_" & the catalog name less its extension & ".html"/".txt":
// the library and the batch report of one catalog (the name part cut where
// the file name would pass the file system's limit). Raises AppError for a
// catalog name that would reach outside the library.
std::string LibraryReportPath(std::string_view catalogName, bool html);

// ReportPath & "rep_find.html"/".txt".
std::string FindReportPath(bool html);

// What the shell opens: a "file://" address for an HTML report (its path
// made absolute and percent-encoded, so "#" or "%" in a name cannot cut it),
// the plain path for a text report.
std::string ReportOpenTarget(const std::string& reportPath, bool html);
