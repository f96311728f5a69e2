#include "engine/catalog/CatalogLine.h"
#include "engine/rewrite/CatalogRewrite.h"
#include "engine/rewrite/LoadedCatalog.h"
#include "engine/text/PathHelpers.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Ascii.h"

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
    std::string fromLegacy;
    const bool legacyForm = !IsAscii(from) && Utf8ToWindows1252(from, fromLegacy);

    // Header line 6 holds the root as the scan writes it, without its last "\".
    std::string_view stored = std::string_view(to).substr(0, to.size() > 1 ? to.size() - 1 : 1);
    std::string_view text = c.text;
    std::size_t line6 = c.lineStart(int(HeaderLine::RootDir));
    std::size_t line6End = c.lineEndAt(line6);

    CatalogRewriter out(c);
    out.write(text.substr(0, line6));
    out.write(LoadedCatalog::composeLine(HeaderLabel(HeaderLine::RootDir), stored, "",
                                         c.encodingFor(text.substr(line6, line6End - line6))));
    std::size_t copied = line6End;
    for (std::size_t p = c.bodyOffset; p < text.size();) {
        const std::size_t end = c.lineEndAt(p);
        const std::string_view line = text.substr(p, end - p);
        // Each line is matched in its own encoding.
        const bool utf8Line = DetectCatalogEncoding(line) == CatalogEncoding::Utf8;
        const std::string_view old = utf8Line || !legacyForm ? std::string_view(from) : std::string_view(fromLegacy);
        if (line.starts_with(old) && (utf8Line || legacyForm || IsAscii(from))) {
            out.write(text.substr(copied, p - copied));
            out.write(LoadedCatalog::composeLine("", to, line.substr(old.size()), c.encodingFor(line)));
            copied = end;
        }
        std::size_t nl = text.find('\n', p);
        p = nl == std::string_view::npos ? text.size() : nl + 1;
    }
    out.write(text.substr(copied));
    out.commit();
}
} // namespace

bool ChangeRoot(std::string_view catalogName, std::string_view oldRoot, std::string_view newRoot)
{
    return RunRewrite("ChangeRoot", [&] { changeRoot(catalogName, oldRoot, newRoot); });
}
