#pragma once
// What the main window's lists offer: the catalogs of the library, the named
// file-type filters and the disk types. Plain rows; the windows fill their
// widgets from them.

#include <string>
#include <string_view>
#include <vector>

// The catalog files of a library folder: every "*.dat" (the extension in any
// case), in the byte order of their names, the same everywhere.
std::vector<std::string> ListCatalogFiles(const std::string& libPath);

// The catalog chooser of a search: the "all catalogs" entry, then the names.
std::vector<std::string> LoadListDAT(std::string_view allCatalogsText, const std::string& libPath);

// The disk-type filter: the "any type" entry, then the types as headers
// store them.
std::vector<std::string> LoadListDriveType(std::string_view anyTypeText);

struct FilterItem {
    std::string Name;    // the filter's display name
    std::string Pattern; // ";"-separated wildcard patterns
    // Name " (" pattern ")", 50 blanks, TAB, pattern: the hidden value last.
    std::string itemText() const;
};

// The named filters of the settings, in the store's order. When there is none
// the four standard ones are created first.
std::vector<FilterItem> LoadFilter();
