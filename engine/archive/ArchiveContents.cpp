#include "engine/archive/ArchiveContents.h"

#include "engine/archive/ArchiveBytes.h"
#include "engine/archive/Listers.h"
#include "engine/archive/Unzip.h"

namespace {
struct ListerEntry {
    ArchiveKind kind;
    std::string_view prefix; // of the member comment, exactly so
    ArchiveLister list;
    // Where a file that cannot be read is reported; RAR archives report nothing.
    std::string_view module;
    std::string_view procedure;
};

constexpr ListerEntry Listers[] = {
    {ArchiveKind::Rar, "Found in rarfile :", ListRarHeaders, "", ""},
    {ArchiveKind::Ace, "Found in acefile : ", ListAceHeaders, "modAce", "ListAceFiles"},
    {ArchiveKind::Arj, "Found in arjfile :", ListArjHeaders, "modUnCompress", "ListARJfiles"},
    {ArchiveKind::Lzh, "Found in arjfile : ", ListLzhHeaders, "modUnCompress", "ListLZHfiles"},
    {ArchiveKind::Cab, "Found in cabfile : ", ListCabHeaders, "modFindFile", "GetFileInformation"},
};

constexpr std::string_view ZipPrefix = "Found in zipfile :";
} // namespace

ArchiveKind ArchiveKindFromExtension(std::string_view upperExt)
{
    if (upperExt == "ZIP")
        return ArchiveKind::Zip;
    if (upperExt == "RAR")
        return ArchiveKind::Rar;
    if (upperExt == "ARJ")
        return ArchiveKind::Arj;
    if (upperExt == "LZH")
        return ArchiveKind::Lzh;
    if (upperExt == "ACE")
        return ArchiveKind::Ace;
    if (upperExt == "CAB")
        return ArchiveKind::Cab;
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (upperExt.size() == 3 && upperExt[0] == 'C' && digit(upperExt[1]) && digit(upperExt[2]))
        return ArchiveKind::Ace;
    return ArchiveKind::None;
}

std::optional<std::string> ReadArchive(ArchiveKind kind, const ArchiveFile& archive, CatalogBuffer& out,
                                       Problems& problems, ArchiveReading what)
{
    if (kind == ArchiveKind::Zip) {
        MemberListing listing(archive, ZipPrefix, out);
        std::string comment;
        ReadZipArchive(archive.file, what.members ? &listing : nullptr, what.zipComment ? &comment : nullptr, problems,
                       what.window);
        return comment.empty() ? std::nullopt : std::optional<std::string>(std::move(comment));
    }
    if (!what.members)
        return std::nullopt;
    for (const ListerEntry& lister : Listers) {
        if (lister.kind != kind)
            continue;
        MemberListing listing(archive, lister.prefix, out);
        Problems unheard; // a RAR archive that cannot be read is not reported
        CatchProblem(lister.module.empty() ? unheard : problems, {lister.module, lister.procedure}, archive.file.path,
                     [&] {
                         ArchiveBytes in(archive.file, what.window);
                         lister.list(in, listing);
                     });
        return listing.comment();
    }
    return std::nullopt;
}
