#pragma once

// Qt's pool threads (those that help draw gradients, say) are detached: they
// may still be ending after the application object is gone, holding Qt's
// per-thread data until their very last moment, and a process that exits
// then leaves that data behind. Called after the application object is
// destroyed, this waits until those threads have ended (a few seconds at most).
void WaitForQtPoolThreadsToEnd();
