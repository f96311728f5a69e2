#include "platform/text/Excerpt.h"

std::string_view Utf8Prefix(std::string_view text, std::size_t chars)
{
    std::size_t at = 0;
    for (std::size_t n = 0; at < text.size(); ++at) {
        const bool starts = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
        if (starts && n++ == chars)
            break;
    }
    return text.substr(0, at);
}

std::string_view Utf8BytePrefix(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    // A character has at most three bytes after its first one.
    std::size_t end = maxBytes;
    for (int back = 0; back < 3 && end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80; ++back)
        --end;
    return text.substr(0, end);
}

std::string Excerpt(std::string_view text, std::size_t chars)
{
    const std::string_view kept = Utf8Prefix(text, chars);
    return kept.size() == text.size() ? std::string(text) : std::string(kept) + "...";
}
