#pragma once
// Names that users and old installations spell in any case ("cord_ENG.lng",
// "CorvaneDisk.ZIP") still find their file on a case-sensitive file system.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The path of the file in folder whose name equals name without regard to
// ASCII case: the exact spelling when it exists, else the first match in byte
// order. Folders do not count. A name holding "/" or naming "." or ".." finds
// nothing, so a name from outside never leaves its folder.
std::optional<std::string> FindFileNoCase(const std::string& folder, std::string_view name);

// The names of the files in folder (links to files too) that start with
// prefix and end with suffix, compared without regard to ASCII case, in byte
// order: how the language and skin folders are listed. A folder that cannot
// be read has none.
std::vector<std::string> ListFilesNoCase(const std::string& folder, std::string_view prefix, std::string_view suffix);
