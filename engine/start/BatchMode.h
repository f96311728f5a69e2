#pragma once

#include "engine/start/CmdLineOptions.h"

// Exit codes of a batch run.
inline constexpr int ExitDone = 0;    // the catalog or report was written
inline constexpr int ExitNotDone = 1; // a No answer, a missing folder or a failure
inline constexpr int ExitUsage = 2;   // the usage text was shown

// Carries out one valid request: a catalog or a report.
int RunBatchRequest(const CmdLineOptions& opts);
