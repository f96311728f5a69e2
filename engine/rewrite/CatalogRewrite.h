#pragma once
// Changes to a saved catalog of the library (catalogName: the file name with
// its ".dat", relative to LibPath). Texts come as the windows show them
// (UTF-8, catalog-form paths) and are written in the catalog's own encoding;
// every byte the change does not touch stays as it was. The new file
// replaces the old one only when it is written whole. Failures (a missing
// file, a file that is no catalog, a failed write) are problems of the
// caller's problems and leave the catalog as it was; the call then returns
// false.

#include "engine/problem/Problem.h"

#include <string_view>

// What ChangeComment did.
enum class CommentChange {
    Written,
    NoEntry, // no body line starts with the key; nothing is written or shown
    // The entry's name is neither UTF-8 nor plain ASCII (a legacy name of a
    // Linux disk, a Windows catalog's line) and the comment holds characters
    // Windows-1252 lacks: the line could only hold them as UTF-8, which would
    // change the name's bytes. Nothing is written or shown.
    Refused,
    Failed, // a problem of the caller's problems; nothing is written
};

// Sets the comment of the entry whose body line starts with key (path field,
// ">", size and date field, the line's own bytes as a reader found them).
// The comment takes the encoding of its line, or UTF-8 where that code page
// lacks one of its characters and the rest of the line reads as UTF-8
// already: a name's bytes never change.
CommentChange ChangeComment(std::string_view catalogName, std::string_view key, std::string_view comment,
                            Problems& problems);

// Sets the catalog's own comment (header line 11). Already encoded comments
// are welcome: encoding them again changes nothing.
bool ChangeCommentLib(std::string_view catalogName, std::string_view comment, Problems& problems);

// What ChangeRoot did.
enum class RootChange {
    Written,
    // A body line under the old root holds a name that is not UTF-8 (a legacy
    // name of a Linux disk, a Windows catalog's line), and the new root is
    // UTF-8 beyond plain ASCII: beside that name the line reads as
    // Windows-1252, so the root would read as another folder, and no other
    // bytes name the new one. Nothing is written or shown.
    Refused,
    Failed, // handed to problems; nothing is written
};

// Moves the catalog from oldRoot (as the windows show it) to newRoot (the new
// folder's own bytes in catalog form; a missing final "\" is added on
// both): header line 6 and every body line starting with oldRoot, whether the
// line holds it as its bytes or as it reads. newRoot's bytes are written as
// they are, and every byte of a name after the old root stays.
RootChange ChangeRoot(std::string_view catalogName, std::string_view oldRoot, std::string_view newRoot,
                      Problems& problems);
