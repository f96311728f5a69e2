#pragma once
// The program's folders. The program keeps its data beside itself (a portable
// installation); CORVANEDISK_HOME, when set, takes the place of that folder.
// Every path ends with "/".

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
