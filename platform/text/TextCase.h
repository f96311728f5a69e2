#pragma once
// Lower case of UTF-8 text by the characters' own case, whatever the
// user's locale: "É" becomes "é", "Ж" becomes "ж".

#include <string>
#include <string_view>

// Appends the lower case of utf8 (valid UTF-8) to out. A character outside
// ASCII never becomes an ASCII one (the Kelvin sign stays as it is), so a
// search can look for the ASCII parts of a word in the raw bytes.
void AppendLowerText(std::string_view utf8, std::string& out);
std::string LowerText(std::string_view utf8);
