#include "engine/catalog/CommentCodec.h"

std::string EncodeMultiLine(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += CommentLineMark;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string DecodeMultiLine(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 16);
    for (char c : text) {
        if (c == CommentLineMark)
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

std::string NormalizeLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += "\r\n";
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string EncodeHeaderComment(std::string_view text)
{
    return EncodeMultiLine(NormalizeLineBreaks(text));
}

std::string EncodeCatalogComment(std::string_view text)
{
    std::string safe(text);
    for (char& c : safe)
        if (c == '>' || c == '<')
            c = '?';
    return EncodeHeaderComment(safe);
}
