#pragma once
// Arithmetic on folder keys of the catalog browser: catalog-form folder paths
// that end with "\". Both results are pieces of the argument.

#include <string_view>

// The parent folder, with its final "\": "C:\a\b\" gives "C:\a\", "C:\"
// gives "" (a folder whose parent cannot be derived is a top-level folder).
std::string_view PathLevelInf(std::string_view path);

// The last folder name: "C:\a\b\" gives "b", "C:\" gives "C:", "abc" itself.
std::string_view LastPath(std::string_view path);
