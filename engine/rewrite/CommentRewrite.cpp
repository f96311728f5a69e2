#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CommentCodec.h"
#include "engine/rewrite/CatalogRewrite.h"
#include "engine/rewrite/LoadedCatalog.h"
#include "platform/text/Ascii.h"

#include <algorithm>

namespace {
// The body line that starts with key, the key covering its whole first two
// fields: a key that only ends another line's path (one Linux path can end
// another) or only starts its size field does not count. The key's bytes
// are in encoding; a line read in the other one holds other text.
std::size_t findEntry(const LoadedCatalog& c, std::string_view key, CatalogEncoding encoding)
{
    const std::string& t = c.text;
    const bool anyLine = IsAscii(key);
    for (std::size_t p = t.find(key, c.bodyOffset); p != std::string::npos; p = t.find(key, p + 1)) {
        bool atLineStart = p == c.bodyOffset || t[p - 1] == '\n';
        std::size_t after = p + key.size();
        bool fieldsEnd = after == t.size() || t[after] == '>' || t[after] == '\r' || t[after] == '\n';
        if (atLineStart && fieldsEnd &&
            (anyLine || DetectCatalogEncoding(std::string_view(t).substr(p, c.lineEndAt(p) - p)) == encoding))
            return p;
    }
    return std::string::npos;
}

// The first body line that the key (as the windows show it, UTF-8) names,
// each line matched in its own encoding.
std::size_t findEntry(const LoadedCatalog& c, std::string_view key)
{
    std::size_t found = findEntry(c, key, CatalogEncoding::Utf8);
    std::string legacy;
    if (!IsAscii(key) && Utf8ToWindows1252(key, legacy))
        found = std::min(found, findEntry(c, legacy, CatalogEncoding::Windows1252));
    return found;
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

bool changeComment(std::string_view catalogName, std::string_view key, std::string_view comment)
{
    LoadedCatalog c = LoadCatalog(catalogName);
    if (key.empty())
        return false;
    std::size_t start = findEntry(c, key);
    if (start == std::string::npos)
        return false;
    std::string_view line = std::string_view(c.text).substr(start, c.lineEndAt(start) - start);
    // The comment there gives way whole, a ">" in it too: it is everything
    // after the second ">", as every reader takes it.
    const BodyLine entry = ParseBodyLine(line);
    std::string before(line.substr(0, entry.path.size() + 1 + entry.sizeDate.size()));
    before += '>';
    rewriteLine(c, start, LoadedCatalog::composeLine(before, EncodeCatalogComment(comment), "<", c.encodingFor(line)));
    return true;
}

void changeCommentLib(std::string_view catalogName, std::string_view comment)
{
    LoadedCatalog c = LoadCatalog(catalogName);
    std::size_t start = c.lineStart(int(HeaderLine::Comment));
    std::string_view line = std::string_view(c.text).substr(start, c.lineEndAt(start) - start);
    rewriteLine(c, start,
                LoadedCatalog::composeLine(HeaderLabel(HeaderLine::Comment), EncodeHeaderComment(comment), "",
                                           c.encodingFor(line)));
}
} // namespace

bool ChangeComment(std::string_view catalogName, std::string_view key, std::string_view comment)
{
    bool changed = false;
    RunRewrite("ChangeComment", [&] { changed = changeComment(catalogName, key, comment); });
    return changed;
}

bool ChangeCommentLib(std::string_view catalogName, std::string_view comment)
{
    return RunRewrite("ChangeCommentLib", [&] { changeCommentLib(catalogName, comment); });
}
