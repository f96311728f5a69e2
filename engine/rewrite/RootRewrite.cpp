#include "engine/catalog/CatalogLine.h"
#include "engine/rewrite/CatalogRewrite.h"
#include "engine/rewrite/LoadedCatalog.h"
#include "engine/text/PathHelpers.h"
#include "platform/prompter/ErrorBox.h"

namespace {
[[noreturn]] void refuse(std::string_view why)
{
    throw AppError(ErrInvalidArgument,
                   std::string(ErrorDescription(ErrInvalidArgument)) + " (" + std::string(why) + ")");
}

void changeRoot(std::string_view catalogName, std::string_view oldRoot, std::string_view newRoot)
{
    if (newRoot.empty())
        refuse("the new root folder is empty");
    if (oldRoot.empty())
        refuse("the old root folder is empty");
    LoadedCatalog c = LoadCatalog(catalogName);
    // A root is matched and stored as a whole folder: "\old" must not catch "\older".
    const std::string from = AddBackslash(oldRoot);
    const std::string to = AddBackslash(newRoot);

    // Header line 6 holds the root as the scan writes it, without its last "\".
    std::string_view stored = std::string_view(to).substr(0, to.size() > 1 ? to.size() - 1 : 1);
    const std::size_t line6 = c.lineStart(int(HeaderLine::RootDir));
    CatalogRewriter out(c);
    out.replaceLine(line6, LoadedCatalog::composeLine(HeaderLabel(HeaderLine::RootDir), stored, "",
                                                      c.encodingFor(c.lineAt(line6))));
    for (std::size_t p = c.bodyOffset; p < c.text.size(); p = c.nextLineStart(p)) {
        const std::string_view line = c.lineAt(p);
        // Each line is matched as it reads, in its own encoding.
        const std::size_t n = DecodedPrefixLength(line, from);
        if (n != std::string_view::npos)
            out.replaceLine(p, LoadedCatalog::composeLine("", to, line.substr(n), c.encodingFor(line)));
    }
    out.commit();
}
} // namespace

bool ChangeRoot(std::string_view catalogName, std::string_view oldRoot, std::string_view newRoot, Problems& problems)
{
    return RunRewrite("ChangeRoot", catalogName, problems, [&] { changeRoot(catalogName, oldRoot, newRoot); });
}
