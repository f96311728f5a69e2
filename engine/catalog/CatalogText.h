#pragma once
// Catalog files hold bytes: ours are UTF-8, older ones Windows-1252, and a
// Linux disk can hold a legacy-encoded name beside UTF-8 ones. So the
// encoding is decided line by line: a line that is valid UTF-8 reads as
// UTF-8, any other as Windows-1252.

#include "platform/text/Encoding.h"

#include <string>
#include <string_view>

enum class CatalogEncoding { Utf8, Windows1252 };

// The encoding of one line (or of any piece of text that stands alone).
CatalogEncoding DetectCatalogEncoding(std::string_view lineBytes);
// Text of a catalog in that encoding, as UTF-8 for display.
std::string CatalogTextToUtf8(std::string_view bytes, CatalogEncoding encoding);

// Text that goes into a line whose other bytes (a name as the file system
// gives it) are in lineEncoding, so that the whole line reads back right:
// UTF-8 text is converted to Windows-1252 for such a line (a character
// that code page lacks becomes "?"), and text that is not UTF-8 is taken
// as Windows-1252 and converted for a UTF-8 line.
std::string TextInLineEncoding(std::string_view text, CatalogEncoding lineEncoding);

// The characters of utf8Text that Windows-1252 lacks, each once, in the
// order they come; "" when that code page holds the whole text.
std::string Windows1252Misfits(std::string_view utf8Text);

// How many bytes at the start of line spell utf8Text when the line is read
// in its own encoding (so a path matches whichever encoding its line took);
// npos when the line does not start with it.
std::size_t DecodedPrefixLength(std::string_view line, std::string_view utf8Text);
