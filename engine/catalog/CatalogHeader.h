#pragma once
// The header of a saved catalog, as the library list and the properties
// dialog show it. Texts are UTF-8 whatever the file's encoding.

#include <string>

struct CatalogHeader {
    std::string FileDate; // the file's modification time, local, "dd/mm/yyyy hh:mm:ss"
    std::string DriveType;
    std::string Serial;
    std::string Volume;
    std::string Free;    // still ending in " MB"
    std::string Total;   // still ending in " MB"
    std::string RootDir; // without its trailing "\"
    bool RecursiveDir = false;
    bool SearchZipContent = false;
    bool EnableComment = false;
    std::string Search;
    std::string Comment; // still encoded: callers decode it
};

enum class HeaderStatus {
    Ok,
    Unreadable,  // missing, or it cannot be read
    NotACatalog, // empty, cut short, or not starting with eleven header lines
};

struct HeaderReading {
    CatalogHeader header; // the fields of the header lines that could be read
    HeaderStatus status = HeaderStatus::Ok;
    int errorNumber = 0; // the error box's number, for a status other than Ok
    std::string problem; // what is wrong, for a status other than Ok
};

// Reads the header of the catalog at path without showing anything: a
// broken file gives what could be read and says why.
HeaderReading ReadCatalogHeader(const std::string& path);
