#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CommentCodec.h"
#include "engine/rewrite/CatalogRewrite.h"
#include "engine/rewrite/LoadedCatalog.h"

namespace {
// The first body line whose first two fields (path field, ">", size and
// date field) are key's bytes: two names that decode alike (a Windows-1252
// name beside its UTF-8 twin) are two lines. A key that only ends another
// line's path (one Linux path can end another) or only starts its size
// field does not count.
std::size_t findEntry(const LoadedCatalog& c, std::string_view key)
{
    for (std::size_t p = c.bodyOffset; p < c.text.size(); p = c.nextLineStart(p)) {
        const std::string_view line = c.lineAt(p);
        if (line.starts_with(key) && (key.size() == line.size() || line[key.size()] == '>'))
            return p;
    }
    return std::string::npos;
}

bool changeComment(std::string_view catalogName, std::string_view key, std::string_view comment)
{
    LoadedCatalog c = LoadCatalog(catalogName);
    if (key.empty())
        return false;
    std::size_t start = findEntry(c, key);
    if (start == std::string::npos)
        return false;
    const std::string_view line = c.lineAt(start);
    // The comment there gives way whole, a ">" in it too: it is everything
    // after the second ">", as every reader takes it.
    const BodyLine entry = ParseBodyLine(line);
    std::string before(line.substr(0, entry.path.size() + 1 + entry.sizeDate.size()));
    before += '>';
    CatalogRewriter out(c);
    out.replaceLine(start, LoadedCatalog::composeLine(before, EncodeCatalogComment(comment), "<", c.encodingFor(line)));
    out.commit();
    return true;
}

void changeCommentLib(std::string_view catalogName, std::string_view comment)
{
    LoadedCatalog c = LoadCatalog(catalogName);
    const std::size_t start = c.lineStart(int(HeaderLine::Comment));
    CatalogRewriter out(c);
    out.replaceLine(start, LoadedCatalog::composeLine(HeaderLabel(HeaderLine::Comment), EncodeHeaderComment(comment),
                                                      "", c.encodingFor(c.lineAt(start))));
    out.commit();
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
