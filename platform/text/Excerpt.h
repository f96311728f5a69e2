#pragma once
// Text from outside shortened by whole UTF-8 characters: values kept to what
// a reader's buffer holds, and quotes in messages kept short.

#include <string>
#include <string_view>

// The first chars characters of UTF-8 text, all of it when shorter.
std::string_view Utf8Prefix(std::string_view text, std::size_t chars);

// The longest start of text of at most maxBytes bytes that ends on a whole
// UTF-8 character, so that a large text is cut before it is decoded. Bytes
// that are no UTF-8 are cut where they fall.
std::string_view Utf8BytePrefix(std::string_view text, std::size_t maxBytes);

// Text as a message quotes it: at most chars characters, "..." marking a cut.
std::string Excerpt(std::string_view text, std::size_t chars = 40);
