#pragma once

#include "engine/problem/Problem.h"
#include "platform/fs/FileAt.h"

#include <cstddef>
#include <string>

// Only the page's first part is searched for its title, and only the title's
// first part is kept: a huge page costs no more than a small one.
inline constexpr std::size_t TitleSearchLimit = std::size_t(4) << 20; // bytes of the page
inline constexpr std::size_t TitleLengthLimit = 4096;                 // bytes of the title

// The title of an HTML page, as written between <title> and </title> (tags
// in any case, entities not decoded); "" when there is none. A title on one
// line is not trimmed; one over several lines is its trimmed pieces joined
// by one blank. Control characters become blanks. A page that cannot be
// read is added to problems and gives "".
std::string TitleHTML(const FileAt& page, Problems& problems);
