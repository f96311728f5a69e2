#pragma once
// What the viewer's text box shows of a file's bytes.

#include <QString>

#include <cstdint>
#include <string_view>

class LangText;

// The bytes as text: UTF-8 when they are, else Windows-1252. A character
// that the cut at the end of a file's first part split is left out; a NUL
// shows as the symbol for it, so that nothing after it goes missing.
QString TextForView(std::string_view bytes, bool cut);

// The hex dump as the text box takes it fastest: the lines end in a line feed
// alone (the dump's text column never holds a carriage return), and the
// library's mark for an unprintable byte shows as ".".
QString DumpForView(std::string_view dump);

// The line that says only a part of the file is shown.
QString PartShownNote(const LangText& texts, std::uint64_t shown, std::uint64_t total);
