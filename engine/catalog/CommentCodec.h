#pragma once
// Comments sit on one catalog line: each CR LF becomes the character 0x01.

#include <string>
#include <string_view>

inline constexpr char CommentLineMark = '\x01';

std::string EncodeMultiLine(std::string_view text);
std::string DecodeMultiLine(std::string_view text);

// CR LF, a lone CR and a lone LF all become CR LF (text boxes give "\n").
std::string NormalizeLineBreaks(std::string_view text);

// What every writer puts into a catalog for a comment: ">" and "<" (which
// would end the field) become "?", line breaks are normalised and encoded.
std::string EncodeCatalogComment(std::string_view text);
// The catalog's own comment (header line 11): read whole after its label, so
// ">" and "<" stay as typed; only line breaks are normalised and encoded.
std::string EncodeHeaderComment(std::string_view text);
