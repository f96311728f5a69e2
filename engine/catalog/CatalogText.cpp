#include "engine/catalog/CatalogText.h"

CatalogEncoding DetectCatalogEncoding(std::string_view lineBytes)
{
    return IsValidUtf8(lineBytes) ? CatalogEncoding::Utf8 : CatalogEncoding::Windows1252;
}

std::string CatalogTextToUtf8(std::string_view bytes, CatalogEncoding encoding)
{
    return encoding == CatalogEncoding::Utf8 ? std::string(bytes) : Windows1252ToUtf8(bytes);
}

std::string TextInLineEncoding(std::string_view text, CatalogEncoding lineEncoding)
{
    if (lineEncoding == CatalogEncoding::Utf8)
        return BytesToUtf8(text);
    std::string out;
    Utf8ToWindows1252(text, out);
    return out;
}

std::string Windows1252Misfits(std::string_view utf8Text)
{
    std::string misfits, scratch;
    if (!IsValidUtf8(utf8Text))
        return misfits;
    for (std::size_t i = 0, n; i < utf8Text.size(); i += n) {
        const auto lead = static_cast<unsigned char>(utf8Text[i]);
        n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string_view character = utf8Text.substr(i, n);
        if (!Utf8ToWindows1252(character, scratch) && misfits.find(character) == std::string::npos)
            misfits += character;
    }
    return misfits;
}

std::size_t DecodedPrefixLength(std::string_view line, std::string_view utf8Text)
{
    constexpr std::size_t NotAPrefix = std::string_view::npos;
    // ASCII reads alike in both encodings: most lines are turned away here, cheaply.
    std::size_t ascii = 0;
    while (ascii < utf8Text.size() && static_cast<unsigned char>(utf8Text[ascii]) < 0x80)
        ++ascii;
    if (line.substr(0, ascii) != utf8Text.substr(0, ascii))
        return NotAPrefix;
    if (ascii == utf8Text.size())
        return ascii;
    if (DetectCatalogEncoding(line) == CatalogEncoding::Utf8)
        return line.starts_with(utf8Text) ? utf8Text.size() : NotAPrefix;
    // Each Windows-1252 byte gives one character: count bytes until the text is spelt.
    const std::string_view rest = utf8Text.substr(ascii);
    std::string decoded;
    std::size_t bytes = ascii;
    while (decoded.size() < rest.size() && bytes < line.size())
        decoded += Windows1252ToUtf8(line.substr(bytes++, 1));
    return decoded == rest ? bytes : NotAPrefix;
}
