#pragma once
// The program's folders. The program keeps its data beside itself (a portable
// installation); CORVANEDISK_HOME, when set, takes the place of that folder.
// Every path ends with "/". They are set once at start-up, before any work
// begins, and only read afterwards (also from worker threads).

#include <string>

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
// Creates dat/, tmp/ and reports/ where missing; false when one cannot be made.
bool CreateOutputFolders();
// Checked before long work that ends in writing there: raises AppError with
// the system's reason (permission denied...) when folder is missing and
// cannot be made, or new files cannot be created in it.
void CheckWritableFolder(const std::string& folder);
