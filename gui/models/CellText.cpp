#include "gui/models/CellText.h"

#include <algorithm>

namespace {
constexpr std::string_view kLineBreaks = "\r\n";

// At most chars characters of text, "…" after a cut. Only the bytes that can
// hold them are decoded.
QString Excerpt(std::string_view text, qsizetype chars)
{
    std::size_t bytes = std::min(text.size(), std::size_t(chars) * 4);
    while (bytes > 0 && bytes < text.size() && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80)
        --bytes; // not inside a character
    QString s = QString::fromUtf8(text.data(), qsizetype(bytes));
    if (s.size() <= chars && bytes == text.size())
        return s;
    if (s.size() > chars)
        s.truncate(s.at(chars - 1).isHighSurrogate() ? chars - 1 : chars);
    return s + QChar(0x2026);
}

bool ShownWhole(std::string_view utf8)
{
    return utf8.size() <= std::size_t(CellChars) && utf8.find_first_of(kLineBreaks) == std::string_view::npos;
}
} // namespace

QString CellText(std::string_view utf8)
{
    return Excerpt(utf8.substr(0, utf8.find_first_of(kLineBreaks)), CellChars);
}

QString CellToolTip(std::string_view utf8)
{
    if (ShownWhole(utf8))
        return {};
    return Excerpt(utf8, ToolTipChars).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
