#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CatalogText.h"
#include "engine/rewrite/CatalogRewrite.h"
#include "engine/rewrite/LoadedCatalog.h"
#include "engine/text/PathHelpers.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Ascii.h"

#include <optional>
#include <utility>
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

// line with root in place of its first n bytes. The bytes of the name after
// the old root stay, since they name the file, and the line must still read
// root as header line 6 does. A UTF-8 root before a name that is not UTF-8
// would read as Windows-1252, and no other bytes name the folder: nullopt.
// A Windows-1252 comment follows a UTF-8 name into UTF-8, as every writer
// keeps it.
std::optional<std::string> movedLine(std::string_view line, std::size_t n, std::string_view root)
{
    const std::string_view tail = line.substr(n);
    const bool rootReadsAlike = IsAscii(root) || !IsValidUtf8(root);
    if (rootReadsAlike || IsValidUtf8(tail))
        return std::string(root) + std::string(tail);
    const BodyLine entry = ParseBodyLine(line);
    const std::size_t comment = entry.hasComment ? std::size_t(entry.rest.data() - line.data()) : line.size();
    if (n > comment || !IsValidUtf8(line.substr(n, comment - n)))
        return std::nullopt;
    return std::string(root) + std::string(line.substr(n, comment - n)) + Windows1252ToUtf8(line.substr(comment));
}

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

    std::vector<std::pair<std::size_t, std::size_t>> moved; // line start, old root's end
    for (std::size_t p = c.bodyOffset; p < c.text.size(); p = c.nextLineStart(p)) {
        const std::string_view line = c.lineAt(p);
        const std::size_t n = oldRootEnd(line, from);
        if (n == std::string_view::npos)
            continue;
        if (!movedLine(line, n, to))
            return RootChange::Refused;
        moved.emplace_back(p, n);
    }
    CatalogRewriter out(c);
    // Header line 6 holds the root as the scan writes it, without its last "\".
    const std::string_view stored = std::string_view(to).substr(0, to.size() > 1 ? to.size() - 1 : 1);
    out.replaceLine(c.lineStart(int(HeaderLine::RootDir)), MakeHeaderLine(HeaderLine::RootDir, stored));
    for (const auto& [p, n] : moved)
        out.replaceLine(p, *movedLine(c.lineAt(p), n, to));
    out.commit();
    return RootChange::Written;
}
} // namespace

RootChange ChangeRoot(std::string_view catalogName, std::string_view oldRoot, std::string_view newRoot)
{
    RootChange result = RootChange::Failed;
    RunRewrite("ChangeRoot", [&] { result = changeRoot(catalogName, oldRoot, newRoot); });
    return result;
}
