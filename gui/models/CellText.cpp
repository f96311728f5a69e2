#include "gui/models/CellText.h"

#include "platform/text/Encoding.h"
#include "platform/text/Excerpt.h"

namespace {
constexpr std::string_view kLineBreaks = "\r\n";

// At most chars characters of text, "…" after a cut. Only the bytes that can
// hold them are decoded.
QString excerpt(std::string_view text, qsizetype chars)
{
    const std::string_view head = Utf8BytePrefix(text, std::size_t(chars) * 4);
    // A field that is not UTF-8 (a catalog's own legacy file name) reads as
    // Windows-1252, as a catalog line of its bytes does.
    QString s = QString::fromStdString(BytesToUtf8(head));
    if (s.size() <= chars && head.size() == text.size())
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
    return excerpt(utf8.substr(0, utf8.find_first_of(kLineBreaks)), CellChars);
}

QString CellToolTip(std::string_view utf8)
{
    if (ShownWhole(utf8))
        return {};
    return excerpt(utf8, ToolTipChars).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
