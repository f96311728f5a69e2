#pragma once
// What the properties dialog shows and edits of one library catalog, read
// from its header.

#include "engine/catalog/CatalogHeader.h"

#include <string>
#include <string_view>

struct CatalogProperties {
    std::string FileName;  // as the library lists it, ".dat" included
    std::string Name;      // the file name less its extension
    std::string DriveType; // as stored ("Fixed", "Ram Disk"...)
    double TotalMB = 0;
    double FreeMB = 0;
    double UsedMB = 0;      // TotalMB - FreeMB
    double UsedPercent = 0; // of TotalMB; 0 when the total is 0
    std::string Comment;    // line breaks restored (CR LF)
    std::string RootDir;    // catalog form, ending with "\"
};

// A size that is missing or no number counts as 0 MB, so that a damaged
// header still gives a record (and a total of 0 a used share of 0).
CatalogProperties PropertiesOf(std::string_view fileName, const CatalogHeader& header);
