#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CommentCodec.h"
#include "engine/rewrite/CatalogRewrite.h"
#include "engine/rewrite/LoadedCatalog.h"

namespace {
// The body line that starts with key, the key covering its whole first two
// fields: a key that only ends another line's path (one Linux path can end
// another) or only starts its size field does not count.
std::size_t findEntry(const LoadedCatalog& c, std::string_view key)
{
    const std::string& t = c.text;
    for (std::size_t p = t.find(key, c.bodyOffset); p != std::string::npos; p = t.find(key, p + 1)) {
        bool atLineStart = p == c.bodyOffset || t[p - 1] == '\n';
        std::size_t after = p + key.size();
        bool fieldsEnd = after == t.size() || t[after] == '>' || t[after] == '\r' || t[after] == '\n';
        if (atLineStart && fieldsEnd)
            return p;
    }
    return std::string::npos;
}

std::string encodedComment(const LoadedCatalog& c, std::string_view comment)
{
    std::string out;
    c.inFileEncoding(EncodeCatalogComment(comment), out);
    return out;
}

void rewriteLine(const LoadedCatalog& c, std::size_t start, std::string_view newLine)
{
    std::size_t end = c.lineEndAt(start);
    CatalogRewriter out(c);
    out.write(std::string_view(c.text).substr(0, start));
    out.write(newLine);
    out.write(std::string_view(c.text).substr(end));
    out.commit();
}

void changeComment(std::string_view catalogName, std::string_view key, std::string_view comment)
{
    LoadedCatalog c = LoadCatalog(catalogName);
    std::string fileKey;
    if (key.empty() || !c.inFileEncoding(key, fileKey))
        return; // no line of this catalog can start so
    std::size_t start = findEntry(c, fileKey);
    if (start == std::string::npos)
        return;
    std::string_view line = std::string_view(c.text).substr(start, c.lineEndAt(start) - start);
    // With a comment already there (more than one ">"), it and its "<" give way.
    std::size_t first = line.find('>');
    std::size_t last = line.rfind('>');
    std::string newLine(first != last ? line.substr(0, last + 1) : line);
    if (first == last)
        newLine += '>';
    newLine += encodedComment(c, comment);
    newLine += '<';
    rewriteLine(c, start, newLine);
}

void changeCommentLib(std::string_view catalogName, std::string_view comment)
{
    LoadedCatalog c = LoadCatalog(catalogName);
    std::string newLine = MakeHeaderLine(HeaderLine::Comment, encodedComment(c, comment));
    rewriteLine(c, c.lineStart(int(HeaderLine::Comment)), newLine);
}
} // namespace

void ChangeComment(std::string_view catalogName, std::string_view key, std::string_view comment)
{
    RunRewrite("ChangeComment", [&] { changeComment(catalogName, key, comment); });
}

void ChangeCommentLib(std::string_view catalogName, std::string_view comment)
{
    RunRewrite("ChangeCommentLib", [&] { changeCommentLib(catalogName, comment); });
}
