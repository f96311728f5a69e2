#pragma once
// File-name patterns as users of the catalog filter know them: "*" and "?",
// letters compared without regard to case, "*.*" matching every name, and a
// final ".*" also matching names without an extension.

#include <string_view>

bool WildcardMatch(std::string_view pattern, std::string_view name);
