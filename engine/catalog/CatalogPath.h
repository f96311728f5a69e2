#pragma once
// Paths inside a catalog use "\" between folders; a "/" in the first field of
// a body line marks an archive member. Native Linux paths are converted here
// and nowhere else.

#include <string>
#include <string_view>

// "/home/ann/a.txt" -> "\home\ann\a.txt". Characters a catalog line cannot
// hold in a name ("\", ">", "<", CR, LF, 0x01) become "?".
std::string ToCatalogPath(std::string_view nativePath);

// A member's stored name in catalog form: "/" becomes "\" (stored "\" stays),
// and ">", "<", CR, LF and 0x01 become "?".
std::string ToCatalogMemberPath(std::string_view storedName);

// A header value (a volume label, a filter typed on the command line) that
// cannot break its line: ">", "<", CR, LF and 0x01 become "?".
std::string ToCatalogHeaderValue(std::string_view text);

struct NativeLocation {
    std::string path;   // native path of the file on disk
    std::string member; // member path inside the archive (catalog form), "" for a plain file
};

// Splits at the first "/" (the member marker), then turns "\" into "/" in
// the path part.
NativeLocation FromCatalogPath(std::string_view catalogPath);
