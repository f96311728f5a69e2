#pragma once
// What the main window's lists offer: the catalogs of the library, the named
// file-type filters and the disk types. Plain rows; the windows fill their
// widgets from them.

#include <string>
#include <string_view>
#include <vector>

// The catalog files of a library folder: every regular "*.dat" file (the
// extension in any case), in the byte order of their names, the same
// everywhere. A missing folder has none; one that cannot be read raises.
std::vector<std::string> ListCatalogFiles(const std::string& libPath);
// The same for lists, which show what they can: nothing for an unreadable folder.
std::vector<std::string> ListCatalogFilesQuietly(const std::string& libPath);

// One catalog of the library as its list shows it.
struct LibraryRow {
    std::string Name;     // the file name, ".dat" included
    std::string FileDate; // the file's own date and time
    std::string RootDir;
    std::string Free, Total; // as stored: "123 MB"
    std::string Comment;     // as stored: line breaks still encoded
    std::string IconKey;     // "A", "FIXED", "CD-ROM", "REMOVABLE", "REMOTE" or "UNKNOWN"
    bool readable = true;    // false: a broken file, listed with what could be read
};

// The library's catalogs with their headers, read without a message: a file
// that is no catalog still gets its row (name, empty fields, "UNKNOWN").
std::vector<LibraryRow> LoadListLib(const std::string& libPath);

// The disk-type icon of a header: "A" for a fixed disk on drive A: or B:,
// else the type in capitals, "UNKNOWN" for a type without an icon.
std::string DiskIconKey(std::string_view driveType, std::string_view rootDir);

// The catalog chooser of a search: the "all catalogs" entry, then the names.
std::vector<std::string> LoadListDAT(std::string_view allCatalogsText, const std::string& libPath);

// The disk-type filter: the "any type" entry, then the types as headers
// store them.
std::vector<std::string> LoadListDriveType(std::string_view anyTypeText);

struct FilterItem {
    std::string Name;    // the filter's display name
    std::string Pattern; // ";"-separated wildcard patterns
};

// The named filters of the settings, in the store's order (sorted by name);
// reads only.
std::vector<FilterItem> ListFileTypes();
// The same, but when there is none the four standard ones are created first.
std::vector<FilterItem> LoadFilter();

// The file-type filters as the options page edits them. A name is stored as
// a key of the settings and shown as "Name (patterns)": it may not hold "\\"
// (a key separator), "(" (where the shown text is cut) or a control
// character, nor begin or end with a blank (names are read back trimmed).
// The reason a name is refused, "" for a good one.
std::string FileTypeNameProblem(std::string_view name);
// True when a type of that name (any case) holds patterns.
bool FileTypeExists(std::string_view name);
void AddFileType(std::string_view name, std::string_view patterns);
void RemoveFileType(std::string_view name);
