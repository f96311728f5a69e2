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

// A root is matched and stored as a whole folder: "\old" must not catch "\older".
std::string folderInFile(const LoadedCatalog& c, std::string_view root, bool& exact)
{
    std::string out;
    exact = c.inFileEncoding(AddBackslash(root), out);
    return out;
}

void changeRoot(std::string_view catalogName, std::string_view oldRoot, std::string_view newRoot)
{
    if (newRoot.empty())
        refuse("the new root folder is empty");
    if (oldRoot.empty())
        refuse("the old root folder is empty");
    LoadedCatalog c = LoadCatalog(catalogName);
    bool oldExact = false;
    bool newExact = false;
    std::string from = folderInFile(c, oldRoot, oldExact);
    std::string to = folderInFile(c, newRoot, newExact);
    if (!newExact)
        refuse("the new root folder cannot be written in this catalog's encoding");

    // Header line 6 holds the root as the scan writes it, without its last "\".
    std::string_view stored = std::string_view(to).substr(0, to.size() > 1 ? to.size() - 1 : 1);
    std::string_view text = c.text;
    std::size_t line6 = c.lineStart(int(HeaderLine::RootDir));
    std::size_t line6End = c.lineEndAt(line6);

    CatalogRewriter out(c);
    out.write(text.substr(0, line6));
    out.write(MakeHeaderLine(HeaderLine::RootDir, stored));
    std::size_t copied = line6End;
    for (std::size_t p = c.bodyOffset; oldExact && p < text.size();) {
        if (text.compare(p, from.size(), from) == 0) {
            out.write(text.substr(copied, p - copied));
            out.write(to);
            copied = p + from.size();
        }
        std::size_t nl = text.find('\n', p);
        p = nl == std::string_view::npos ? text.size() : nl + 1;
    }
    out.write(text.substr(copied));
    out.commit();
}
} // namespace

void ChangeRoot(std::string_view catalogName, std::string_view oldRoot, std::string_view newRoot)
{
    RunRewrite("ChangeRoot", [&] { changeRoot(catalogName, oldRoot, newRoot); });
}
