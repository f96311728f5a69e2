#pragma once
// Arithmetic on folder keys of the catalog browser: catalog-form folder paths
// that end with "\". The result of LastPath is a piece of its argument.

#include <string>
#include <string_view>

// The last folder name: "C:\a\b\" gives "b", "C:\" gives "C:", "abc" itself.
std::string_view LastPath(std::string_view path);

// The folder key of a stored path: each folder name decoded alone (as UTF-8
// when it is valid UTF-8, else as Windows-1252). A folder is named in lines
// of either encoding, a Windows catalog's line rewritten in UTF-8 or a UTF-8
// folder's line made Windows-1252 by one legacy file name: its key is the same.
std::string DecodeFolderPath(std::string_view path);
