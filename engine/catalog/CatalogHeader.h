#pragma once
// The header of a saved catalog, as the library list and the properties
// dialog show it. Texts are UTF-8 whatever the file's encoding.

#include <string>

struct CatalogHeader {
    std::string FileDate; // the file's modification time, local, "dd/mm/yyyy hh:mm:ss"
    std::string DriveType;
    std::string Serial;
    std::string Volume;
    std::string Free;  // still ending in " MB"
    std::string Total; // still ending in " MB"
    std::string RootDir; // without its trailing "\"
    bool RecursiveDir = false;
    bool SearchZipContent = false;
    bool EnableComment = false;
    std::string Search;
    std::string Comment; // still encoded: callers decode it
};

// Reads the header of the catalog at path (LibPath & file name). A file that
// is missing or no catalog is reported in the common error box, and the
// result is then empty.
CatalogHeader DatFileHeader(const std::string& path);
