#pragma once
// One row of the search results, made from the catalog line that matched.

#include "engine/report/Reports.h"

#include <optional>
#include <string>
#include <string_view>

class FileTypeFilter;
struct BodyLine;

enum class HitKind {
    File,          // a file on the disk
    Member,        // a file inside an archive
    ArchiveFolder, // a folder entry of an archive ("docs\")
};

struct FindHit {
    // What the results list shows, UTF-8: File = Name, Directory = Dir (both
    // in catalog form), Size with its " Kb", Date DD/MM/YYYY, DiskID = the
    // catalog's file name, Comment decoded (line breaks as CR LF).
    FindReportRow Row;
    HitKind Kind = HitKind::File;
    // The line's path field, ">" and its size and date field, as the catalog
    // holds them (not decoded): the entry key that ChangeComment takes, and
    // the native path of the file once converted back.
    std::string Key;
    // The name whose type gives the row its icon: the member's own name, else
    // the file's (or the archive's) name.
    std::string IconName;
};

// The row of a matching entry (a body line with its fields, UTF-8), or
// nothing when the filter keeps it out. diskId: the catalog's file name.
std::optional<FindHit> HitFromLine(const BodyLine& line, std::string_view diskId, const FileTypeFilter& filter);
