#pragma once
// rename() that never replaces a file at the new name: the kernel looks and
// renames in one step, so a file put there meanwhile stays.

#include <functional>
#include <string>

// 0, or -1 with errno (EEXIST when to is taken). File systems that cannot
// rename so get a look first.
int RenameNoReplace(const std::string& from, const std::string& to);

// Runs just before each such rename (tests: a file steps in there).
std::function<void(const std::string& to)>& BeforeRenameNoReplace();
