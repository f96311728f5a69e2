#pragma once
// Renaming and deleting catalogs of the library (file names, ".dat"
// included). Each is one system call: a failure is a problem with the
// system's reason, named as place (the caller's module and procedure), and
// leaves every file as it was; false then.

#include "engine/problem/Problem.h"

#include <string>
#include <string_view>

// The file name a typed catalog name stands for: blanks around it trimmed and
// ".dat" added unless it ends so already (in any case); "" for a blank name.
std::string CatalogFileNameOf(std::string_view typed);

// Gives catalog from the name to. With replace, a catalog already named to
// is replaced in the same step; without, it stays and the rename fails. Two
// names of one file (a link, a hard link) are refused, both names kept.
bool RenameCatalog(std::string_view from, std::string_view to, bool replace, Problems& problems, ProblemPlace place);

bool DeleteCatalog(std::string_view name, Problems& problems, ProblemPlace place);
