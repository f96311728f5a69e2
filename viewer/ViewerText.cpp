#include "viewer/ViewerText.h"

#include "language/LangText.h"
#include "platform/text/Encoding.h"

#include <QLocale>

namespace {
// What the dump library puts in its text column for a byte it cannot print.
constexpr char UnprintableMark = '\x01';

// bytes less an incomplete UTF-8 sequence at their end.
std::string_view WithoutSplitCharacter(std::string_view bytes)
{
    for (std::size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto c = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((c & 0xC0) == 0x80)
            continue; // a continuation byte: look further back
        const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return length > back ? bytes.substr(0, bytes.size() - back) : bytes;
    }
    return bytes;
}
} // namespace

QString TextForView(std::string_view bytes, bool cut)
{
    const std::string_view whole = cut ? WithoutSplitCharacter(bytes) : bytes;
    QString text = IsValidUtf8(whole) ? QString::fromUtf8(whole.data(), qsizetype(whole.size()))
                                      : QString::fromStdString(Windows1252ToUtf8(bytes));
    text.replace(QChar(0), QChar(0x2400));
    return text;
}

QString DumpForView(std::string_view dump)
{
    QString text(qsizetype(dump.size() - dump.size() / 80), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : dump)
        if (c == UnprintableMark)
            *out++ = QLatin1Char('.');
        else if (c != '\r')
            *out++ = QChar(static_cast<unsigned char>(c));
    text.truncate(out - text.data());
    return text;
}

QString PartShownNote(const LangText& texts, std::uint64_t shown, std::uint64_t total)
{
    const QLocale locale;
    return texts.text(TextId::PartShown)
        .arg(locale.formattedDataSize(qint64(shown)), locale.formattedDataSize(qint64(total)));
}
