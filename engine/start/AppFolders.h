#pragma once
// The program's folders. The program keeps its data beside itself (a portable
// installation); CORVANEDISK_HOME, when set, takes the place of that folder.
// Every path ends with "/". They are set once at start-up, before any work
// begins, and only read afterwards (also from worker threads).

#include <string>
#include <string_view>

struct AppFolders {
    std::string AppPath;
    std::string LibPath;    // dat/: the catalog library
    std::string LangPath;   // language/
    std::string SkinPath;   // skin/
    std::string TmpPath;    // tmp/: work files
    std::string ReportPath; // reports/
};

AppFolders& Folders();

// Sets every folder below appPath.
void SetAppFolders(const std::string& appPath);
// The executable's folder, or CORVANEDISK_HOME.
std::string DefaultAppPath();
// A file in tmp/ that says the program made that folder as its own work
// folder: only such a folder is ever emptied (a tmp/ the user had, say in
// a home folder chosen as CORVANEDISK_HOME, is not).
inline constexpr std::string_view WorkFolderMark = ".CorvaneDisk-work";

// Creates dat/, tmp/ and reports/ where missing (a new tmp/ gets the mark);
// false when one cannot be made.
bool CreateOutputFolders();
// Checked before long work that ends in writing there: raises AppError with
// the system's reason (permission denied...) when folder is missing and
// cannot be made, or new files cannot be created in it.
void CheckWritableFolder(const std::string& folder);
