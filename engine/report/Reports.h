#pragma once
// The three reports: the library report of one catalog and the search report
// (window mode, with the report settings handed in), and the batch report
// (settings from the command line). The windows open the written page
// through the shell; the batch report does not. A failure is a problem of
// the caller's problems (named as the common error box names it), and
// nothing is written then.

#include "engine/problem/Problem.h"
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

// Writes the report of the catalog LibPath & catalogName (the library
// list's text, with its ".dat") and returns what the shell should open
// (RunShellExecute); nullopt after a problem. Safe on a worker thread.
std::optional<std::string> WriteLibReport(const ReportOptions& settings, const std::string& catalogName,
                                          const ReportCaptions& captions, Problems& problems);

// Writes the report of the search results, rows in the order given, and
// returns what the shell should open (ReportOpenTarget). Safe on a worker
// thread; nullopt after a problem.
std::optional<std::string> WriteFindReport(const ReportOptions& settings, const std::vector<FindReportRow>& rows,
                                           const ReportCaptions& captions, Problems& problems);

// The batch report of the catalog opts.Name. The caller has asked the
// questions (start, overwrite) and shows the closing message; false after a
// problem.
bool CreateReport(const CmdLineOptions& opts, Problems& problems);
