#pragma once
// Text from outside shortened by whole UTF-8 characters: values kept to what
// a reader's buffer holds, and quotes in messages kept short.

#include <string>
#include <string_view>

// The first chars characters of UTF-8 text, all of it when shorter.
std::string_view Utf8Prefix(std::string_view text, std::size_t chars);

// Text as a message quotes it: at most chars characters, "..." marking a cut.
std::string Excerpt(std::string_view text, std::size_t chars = 40);
