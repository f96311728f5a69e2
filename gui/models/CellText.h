#pragma once
// What a list cell or a tree row shows of a catalog field. A field can hold
// megabytes (a catalog line is as long as it likes), and laying out such a
// text stalls the window for seconds: a cell shows a bounded excerpt on one
// line, its tool tip the whole field up to a bound.

#include <QString>

#include <string_view>

inline constexpr qsizetype CellChars = 1000;    // wider than any column
inline constexpr qsizetype ToolTipChars = 4000; // a screenful

// The field's first line (UTF-8; other bytes read as Windows-1252), at most
// CellChars characters, with "…" where it was cut.
QString CellText(std::string_view utf8);
// The field with its line breaks as "\n", at most ToolTipChars characters;
// null when the cell shows the field whole.
QString CellToolTip(std::string_view utf8);
