#pragma once
// The three reports: the library report of one catalog and the search report
// (window mode, with the report settings handed in), and the batch report
// (settings from the command line). The library report opens the written
// page through the shell; the search report's window opens it on its own
// thread; the batch report does not.

#include "engine/report/ReportLayout.h"
#include "engine/report/ReportOptions.h"
#include "engine/start/CmdLineOptions.h"

#include <optional>
#include <string>
#include <vector>

// One row of the search results, as the results list shows it.
struct FindReportRow {
    std::string File;
    std::string Directory;
    std::string Size;
    std::string Date;
    std::string DiskID;
    std::string Comment;
};

// The report of the catalog LibPath & catalogName (the library list's text,
// with its ".dat"). Failures go to the common error box; false then, and no
// report was written.
bool PrintLib(const ReportOptions& settings, const std::string& catalogName, const ReportCaptions& captions);
// PrintLib's writing alone, for a worker thread: what the shell is to open
// (RunShellExecute), or nullopt after the error box.
std::optional<std::string> WriteLibReport(const ReportOptions& settings, const std::string& catalogName,
                                          const ReportCaptions& captions);

// Writes the report of the search results, rows in the order given, and
// returns what the shell should open (ReportOpenTarget). Safe on a worker
// thread. A failure goes to the common error box; nothing is returned then.
std::optional<std::string> WriteFindReport(const ReportOptions& settings, const std::vector<FindReportRow>& rows,
                                           const ReportCaptions& captions);

// The batch report of the catalog opts.Name. The caller has asked the
// questions (start, overwrite) and shows the closing message. A failure is
// reported in the common error box; false then, and no report was written.
bool CreateReport(const CmdLineOptions& opts);
