#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CatalogText.h"
#include "engine/rewrite/CatalogRewrite.h"
#include "engine/rewrite/LoadedCatalog.h"
#include "engine/text/PathHelpers.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Ascii.h"

#include <vector>

namespace {
[[noreturn]] void refuse(std::string_view why)
{
    throw AppError(ErrInvalidArgument,
                   std::string(ErrorDescription(ErrInvalidArgument)) + " (" + std::string(why) + ")");
}

// Where the old root ends in line; npos when the line is not under it. A
// Linux scan writes the folder's own bytes before every name, and one legacy
// name makes its line read as Windows-1252: the root's bytes count however
// the line reads, and so does the root as the line reads.
std::size_t oldRootEnd(std::string_view line, std::string_view root)
{
    return line.starts_with(root) ? root.size() : DecodedPrefixLength(line, root);
}

// Where the bytes of line that stay after its old root (ending at n) end.
// The name's bytes stay, since they name the file, and the line must still
// read the new root as header line 6 does: the whole rest stays when the
// root reads alike in every line or the rest is UTF-8 too. Else a
// UTF-8 root before a Windows-1252 comment: the comment follows its UTF-8
// name into UTF-8, as every writer keeps it (the name's end is returned).
// Before a name that is not UTF-8 the root would read as Windows-1252, and
// no other bytes name the folder: npos.
std::size_t keptEnd(std::string_view line, std::size_t n, bool rootReadsAlike)
{
    if (rootReadsAlike || IsValidUtf8(line.substr(n)))
        return line.size();
    const BodyLine entry = ParseBodyLine(line);
    const std::size_t comment = entry.hasComment ? std::size_t(entry.rest.data() - line.data()) : line.size();
    return n <= comment && IsValidUtf8(line.substr(n, comment - n)) ? comment : std::string_view::npos;
}

struct MovedLine {
    std::size_t start, oldRootEnd, keptEnd;
};

RootChange changeRoot(std::string_view catalogName, std::string_view oldRoot, std::string_view newRoot)
{
    if (newRoot.empty())
        refuse("the new root folder is empty");
    if (oldRoot.empty())
        refuse("the old root folder is empty");
    LoadedCatalog c = LoadCatalog(catalogName);
    // A root is matched and stored as a whole folder: "\old" must not catch "\older".
    const std::string from = AddBackslash(oldRoot);
    const std::string to = AddBackslash(newRoot);

    // Plain ASCII reads alike in every line; a root that is no UTF-8 makes
    // every line holding it read as Windows-1252, as line 6 then does.
    const bool rootReadsAlike = IsAscii(to) || !IsValidUtf8(to);
    std::vector<MovedLine> moved;
    for (std::size_t p = c.bodyOffset; p < c.text.size(); p = c.nextLineStart(p)) {
        const std::string_view line = c.lineAt(p);
        const std::size_t n = oldRootEnd(line, from);
        if (n == std::string_view::npos)
            continue;
        const std::size_t kept = keptEnd(line, n, rootReadsAlike);
        if (kept == std::string_view::npos)
            return RootChange::Refused;
        moved.push_back({p, n, kept});
    }
    CatalogRewriter out(c);
    // Header line 6 holds the root as the scan writes it, without its last "\".
    const std::string_view stored = std::string_view(to).substr(0, to.size() > 1 ? to.size() - 1 : 1);
    out.replaceLine(c.lineStart(int(HeaderLine::RootDir)), MakeHeaderLine(HeaderLine::RootDir, stored));
    for (const MovedLine& m : moved) {
        const std::string_view line = c.lineAt(m.start);
        out.replaceLine(m.start, to + std::string(line.substr(m.oldRootEnd, m.keptEnd - m.oldRootEnd)) +
                                     Windows1252ToUtf8(line.substr(m.keptEnd)));
    }
    out.commit();
    return RootChange::Written;
}
} // namespace

RootChange ChangeRoot(std::string_view catalogName, std::string_view oldRoot, std::string_view newRoot,
                      Problems& problems)
{
    RootChange result = RootChange::Failed;
    CatchProblem(problems, {"modFile", "ChangeRoot"}, std::string(catalogName),
                 [&] { result = changeRoot(catalogName, oldRoot, newRoot); });
    return result;
}
