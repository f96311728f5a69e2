#pragma once
// Every use of ZIP archives goes through one run of UnzipRun with the
// options of the Unzip object: listing the members for a catalog, taking
// the archive's comment, unpacking a skin package. Each caller sets the
// options that matter to it; the others keep their values between runs.

#include <string>

class MemberListing;

struct UnzipOptions {
    // Modes: the comment alone (UnzipShowComment), else the member lines
    // (UnzipListOnly), else an extraction into UnzipExtractDir.
    bool UnzipListOnly = false;
    bool UnzipShowComment = false;

    // Extraction presets, made by the main window's start-up.
    bool UnzipPromptOverwrite = false; // ask before replacing a file
    bool UnzipHonorDirs = false;       // recreate stored folders (else every file lands in the target)
    bool UnzipOverwriteAll = false;    // replace files without asking

    std::string UnzipZipFile;    // the archive (native path)
    std::string UnzipExtractDir; // the extraction's target folder (native path)
    // What the runs printed, run after run: in comment mode the archive's
    // comment with CR LF line breaks. Errors are not printed here: they are
    // shown in a message box.
    std::string UnzipMessage;
    // Set once a password prompt was left empty; no password is asked for
    // again while the program runs.
    bool UnzipSkipPassword = false;

    // Language texts 2, 3 and 4: the password prompt, the start of the
    // overwrite question (the file name and "?" follow) and its title.
    std::string PasswordPromptText;
    std::string OverwriteQuestionText;
    std::string OverwriteTitleText;

    // List mode: where the member lines go.
    MemberListing* Listing = nullptr;

    // The archive whose member listing failed and was reported in the run
    // just before: its comment run does not report the same damage again.
    std::string FailedListing;
};

UnzipOptions& Unzip();

// One run in the mode the options choose. An archive that cannot be read,
// or an extraction that did not complete, is shown in a message box; the
// lines and files made before stay.
void UnzipRun();
