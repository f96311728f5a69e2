#pragma once
// Every use of ZIP archives goes through libzip: the scan reads an archive
// once for its member lines and its comment (ReadZipArchive), and UnzipRun
// lists or unpacks one archive in the mode its options choose. (A skin
// package is never unpacked: skin/SkinPackage reads it in memory through
// ZipArchive.h.) Options are the caller's value: nothing is shared between
// calls, so runs may happen on any thread.

#include "engine/problem/Problem.h"
#include "platform/fs/FileAt.h"

#include <string>

class MemberListing;

// Reads the archive once: each member to members (when given; folder
// entries give none) and the archive's comment, its line breaks as CR LF,
// appended to comment (when given). An archive that cannot be read is one
// problem naming it, added to problems; false then, and what was listed
// stays.
bool ReadZipArchive(const FileAt& file, MemberListing* members, std::string* comment, Problems& problems);

struct UnzipOptions {
    // List mode (the member lines to Listing, and the comment printed into
    // UnzipMessage when UnzipShowComment is set), else an extraction into
    // UnzipExtractDir.
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
    // again while these options live.
    bool UnzipSkipPassword = false;

    // Language texts 2, 3 and 4: the password prompt, the start of the
    // overwrite question (the file name and "?" follow) and its title.
    std::string PasswordPromptText;
    std::string OverwriteQuestionText;
    std::string OverwriteTitleText;

    // List mode: where the member lines go.
    MemberListing* Listing = nullptr;
};

// One run in the mode the options choose. An archive that cannot be read,
// or an extraction that did not complete, is shown in a message box; the
// lines and files made before stay.
void UnzipRun(UnzipOptions& u);
