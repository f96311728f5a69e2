#pragma once
// File-name patterns as users of the catalog filter know them: "*" and "?",
// letters compared without regard to case, "*.*" matching every name, and a
// final ".*" also matching names without an extension.

#include <string>
#include <string_view>
#include <vector>

bool WildcardMatch(std::string_view pattern, std::string_view name);

// The patterns of a filter text ("*.exe; *.zip"): its pieces cut at ";",
// blanks trimmed, up to the first empty piece.
std::vector<std::string> FilterPatterns(std::string_view filter);
