// Microsoft Cabinet: the cabinet header, its optional fields, the folder
// entries, then one file entry per member.
#include "engine/archive/ArchiveBytes.h"
#include "engine/archive/Listers.h"
#include "engine/catalog/CatalogDate.h"

namespace {
constexpr std::size_t HeaderSize = 36;
constexpr std::size_t FolderEntrySize = 8;
constexpr std::size_t FileEntrySize = 16;
// Names are at most 256 bytes in cabinets made by real tools; anything far
// longer is damage.
constexpr std::size_t LongestName = 64 * 1024;

constexpr std::uint16_t HasPrevious = 1;
constexpr std::uint16_t HasNext = 2;
constexpr std::uint16_t HasReserve = 4;

// Skips two NUL-ended texts (a cabinet's name and its disk's name).
bool skipNamePair(ArchiveBytes& in, std::uint64_t& pos)
{
    for (int i = 0; i < 2; ++i) {
        std::string_view text;
        if (!in.readUntilNul(pos, LongestName, text))
            return false;
        pos += text.size() + 1;
    }
    return true;
}
} // namespace

void ListCabHeaders(ArchiveBytes& in, MemberListing& listing)
{
    std::string_view header;
    if (!in.read(0, HeaderSize, header) || header.substr(0, 4) != "MSCF")
        return;
    const std::uint16_t folders = Le16(header, 26);
    const std::uint16_t files = Le16(header, 28);
    const std::uint16_t flags = Le16(header, 30);

    std::uint64_t pos = HeaderSize;
    std::uint64_t folderReserve = 0;
    if (flags & HasReserve) {
        std::string_view reserve;
        if (!in.read(pos, 4, reserve))
            return;
        folderReserve = std::uint8_t(reserve[2]);
        pos += 4 + Le16(reserve, 0);
    }
    if ((flags & HasPrevious) && !skipNamePair(in, pos))
        return;
    if ((flags & HasNext) && !skipNamePair(in, pos))
        return;
    pos += folders * (FolderEntrySize + folderReserve);

    for (unsigned i = 0; i < files; ++i) {
        std::string_view entry;
        if (!in.read(pos, FileEntrySize, entry))
            return;
        const std::uint32_t bytes = Le32(entry, 0);
        const std::uint16_t dosDate = Le16(entry, 10);
        std::string_view name;
        if (!in.readUntilNul(pos + FileEntrySize, LongestName, name))
            return;
        if (!listing.add(name, bytes, CatalogDateFromDos(dosDate)))
            return;
        pos += FileEntrySize + name.size() + 1;
    }
}
