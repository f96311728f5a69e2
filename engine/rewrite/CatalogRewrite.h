#pragma once
// Changes to a saved catalog of the library (catalogName: the file name with
// its ".dat", relative to LibPath). Texts come as the windows show them
// (UTF-8, catalog-form paths) and are written in the catalog's own encoding;
// every byte the change does not touch stays as it was. The new file
// replaces the old one only when it is written whole. Failures (a missing
// file, a file that is no catalog, a failed write) go to the common error
// box and leave the catalog as it was; the call then returns false.

#include <string_view>

// Sets the comment of the entry whose body line starts with key (path field,
// ">", size and date field, the line's own bytes as a reader found them).
// Nothing happens when no body line starts so.
// True when the line was rewritten.
bool ChangeComment(std::string_view catalogName, std::string_view key, std::string_view comment);

// Sets the catalog's own comment (header line 11). Already encoded comments
// are welcome: encoding them again changes nothing.
bool ChangeCommentLib(std::string_view catalogName, std::string_view comment);

// Moves the catalog from oldRoot to newRoot (catalog-form folders; a missing
// final "\" is added): header line 6 and every body line starting with oldRoot.
bool ChangeRoot(std::string_view catalogName, std::string_view oldRoot, std::string_view newRoot);
