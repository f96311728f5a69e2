#pragma once

#include <string>

// The title of an HTML page, as written between <title> and </title> (tags in
// any case; text neither trimmed nor decoded); "" when there is none. A page
// that cannot be read shows the error box and gives "".
std::string TitleHTML(const std::string& nativePath);
