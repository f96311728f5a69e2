#pragma once
// File-name patterns as the classic file search matches them: letters
// compared without regard to case, "*" any run and "?" any one character,
// with the rules that make "*.*" match every name: a "?" also matches
// nothing at a "." or at the end of the name ("*.ht?" finds "b.ht"), a "."
// followed only by wildcards also matches the end of a name without an
// extension ("*." finds the names without one, "name.*" finds "name"), and
// a "*" before a "." stops at the name's last ".".

#include <string>
#include <string_view>
#include <vector>

bool WildcardMatch(std::string_view pattern, std::string_view name);

// The patterns of a filter text ("*.exe; *.zip"): its pieces cut at ";",
// blanks trimmed, up to the first empty piece.
std::vector<std::string> FilterPatterns(std::string_view filter);
