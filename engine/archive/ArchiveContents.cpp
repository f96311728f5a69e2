#include "engine/archive/ArchiveContents.h"

ArchiveKind ArchiveKindFromExtension(std::string_view upperExt)
{
    if (upperExt == "ZIP") return ArchiveKind::Zip;
    if (upperExt == "RAR") return ArchiveKind::Rar;
    if (upperExt == "ARJ") return ArchiveKind::Arj;
    if (upperExt == "LZH") return ArchiveKind::Lzh;
    if (upperExt == "ACE") return ArchiveKind::Ace;
    if (upperExt == "CAB") return ArchiveKind::Cab;
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (upperExt.size() == 3 && upperExt[0] == 'C' && digit(upperExt[1]) && digit(upperExt[2]))
        return ArchiveKind::Ace;
    return ArchiveKind::None;
}

// The listers themselves are not in yet: archives get their own line only.
std::optional<std::string> ListArchiveMembers(ArchiveKind, const ArchiveFile&, CatalogBuffer&)
{
    return std::nullopt;
}

std::string ZipArchiveComment(const ArchiveFile&)
{
    return {};
}
