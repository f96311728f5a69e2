#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CommentCodec.h"
#include "engine/rewrite/CatalogRewrite.h"
#include "engine/rewrite/LoadedCatalog.h"

#include <optional>

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

// The encoding the comment takes in line, whose bytes before it (kept) stay:
// the line's own; UTF-8 where that code page lacks one of the comment's
// characters and kept reads as UTF-8 already. Else only changing the bytes
// of the name (the file's name on disk) could hold it: nullopt.
std::optional<CatalogEncoding> commentEncoding(const LoadedCatalog& c, std::string_view line, std::string_view kept,
                                               std::string_view comment)
{
    const CatalogEncoding own = c.encodingFor(line);
    if (own == CatalogEncoding::Utf8 || Windows1252Misfits(comment).empty())
        return own;
    if (IsValidUtf8(kept))
        return CatalogEncoding::Utf8;
    return std::nullopt;
}

CommentChange changeComment(std::string_view catalogName, std::string_view key, std::string_view comment)
{
    LoadedCatalog c = LoadCatalog(catalogName);
    if (key.empty())
        return CommentChange::NoEntry;
    std::size_t start = findEntry(c, key);
    if (start == std::string::npos)
        return CommentChange::NoEntry;
    const std::string_view line = c.lineAt(start);
    // The comment there gives way whole, a ">" in it too: it is everything
    // after the second ">", as every reader takes it.
    const BodyLine entry = ParseBodyLine(line);
    std::string before = entry.key();
    before += '>';
    const std::string encoded = EncodeCatalogComment(comment);
    const std::optional<CatalogEncoding> encoding = commentEncoding(c, line, before, encoded);
    if (!encoding)
        return CommentChange::Refused;
    CatalogRewriter out(c);
    out.replaceLine(start, LoadedCatalog::composeLine(before, encoded, "<", *encoding));
    out.commit();
    return CommentChange::Written;
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

CommentChange ChangeComment(std::string_view catalogName, std::string_view key, std::string_view comment,
                            Problems& problems)
{
    CommentChange result = CommentChange::Failed;
    CatchProblem(problems, {"modFile", "ChangeComment"}, std::string(catalogName),
                 [&] { result = changeComment(catalogName, key, comment); });
    return result;
}

bool ChangeCommentLib(std::string_view catalogName, std::string_view comment, Problems& problems)
{
    return CatchProblem(problems, {"modFile", "ChangeCommentLib"}, std::string(catalogName),
                        [&] { changeCommentLib(catalogName, comment); });
}
