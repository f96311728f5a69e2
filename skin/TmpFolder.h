#pragma once
// The program's work folder (tmp/ beside the program).

// Deletes the files of tmp/ and nothing else: sub-folders and what they hold
// stay, a link is removed itself and never followed, and a tmp/ that is a
// link is left alone. Failures are ignored: there is nothing to report.
void EmptyTmpFolder();
