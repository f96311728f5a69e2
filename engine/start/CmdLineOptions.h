#pragma once
// The parsed command line of a batch request.

#include <string>

// What a batch request writes.
enum class BatchRequest { None, Catalog, Report };

struct CmdLineOptions {
    bool Valid = false;
    bool FromVerb = false;
    bool RecursiveDir = false;
    bool SearchZipContent = false;
    bool EnableComment = false;
    bool Verbose = false;
    bool Overwrite = false;
    std::string Name;
    std::string Folder;
    std::string Filter = "*.*";
    BatchRequest Request = BatchRequest::None;
    // The batch report's settings.
    bool StyleHTML = true;
    std::string ColumnSeparator = ",";
    std::string HeaderBackColor = "C0FFC0";
    std::string HeaderTextColor = "000000";
    std::string FieldBackColor = "FFFFFF";
    std::string FieldTextColor = "000000";
    bool Border = false;
    bool IncludeFile = false;
    bool IncludeDir = false;
    bool IncludeDate = false;
    bool IncludeSize = false;
    bool IncludeDisk = false;
    bool IncludeComment = false;
};
