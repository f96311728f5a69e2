#include "engine/library/CatalogFiles.h"

#include "engine/catalog/CatalogFile.h"
#include "engine/text/StringHelpers.h"
#include "platform/fs/FileIdentity.h"
#include "platform/fs/RenameNoReplace.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Ascii.h"
#include "platform/text/Messages.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

bool RenameCatalog(std::string_view from, std::string_view to, bool replace, Problems& problems, ProblemPlace place)
{
    return CatchProblem(problems, place, std::string(from), [&] {
        const std::string source = LibraryCatalogPath(from);
        const std::string target = LibraryCatalogPath(to);
        // A link to the other name, a hard link, or one name by another
        // spelling: a rename would make the catalog a link to itself, or do
        // nothing and say it was done.
        if (SameFile(source, target))
            throw AppError(ErrPathFileAccess, MessageText(MessageId::RenameOntoItself, {source, target}));
        const int done = replace ? ::rename(source.c_str(), target.c_str()) : RenameNoReplace(source, target);
        if (done != 0)
            RaiseFromErrno(errno, errno == EEXIST ? target : source);
    });
}

bool DeleteCatalog(std::string_view name, Problems& problems, ProblemPlace place)
{
    return CatchProblem(problems, place, std::string(name), [&] {
        const std::string path = LibraryCatalogPath(name);
        if (::unlink(path.c_str()) != 0)
            RaiseFromErrno(errno, path);
    });
}

std::string CatalogFileNameOf(std::string_view typed)
{
    constexpr std::string_view CatalogExtension = ".dat";
    std::string name(TrimBlanks(typed));
    const bool hasSuffix = name.size() >= CatalogExtension.size() &&
                           AsciiLowerCopy(name.substr(name.size() - CatalogExtension.size())) == CatalogExtension;
    if (!name.empty() && !hasSuffix)
        name += CatalogExtension; // a catalog without it would leave the library
    return name;
}
