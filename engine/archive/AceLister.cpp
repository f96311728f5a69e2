// ACE: a main header, then one block header after the other; file headers
// carry the member's name, sizes and MS-DOS stamp.
#include "engine/archive/ArchiveBytes.h"
#include "engine/archive/Listers.h"
#include "engine/catalog/CatalogDate.h"
#include "engine/text/StringHelpers.h"

namespace {
constexpr std::size_t MainHeaderSize = 31;
constexpr std::size_t EntryHeaderSize = 35;
constexpr std::uint8_t FileBlock = 1;
constexpr std::uint16_t HasPackedData = 1;
constexpr std::uint8_t FolderAttributes = 0x10;
} // namespace

void ListAceHeaders(ArchiveBytes& in, MemberListing& listing)
{
    std::string_view header;
    if (!in.read(0, MainHeaderSize, header) || header.substr(7, 7) != "**ACE**")
        return;
    std::uint64_t pos = 4 + std::uint64_t(Le16(header, 2));

    while (in.read(pos, EntryHeaderSize, header)) {
        const std::uint16_t headerSize = Le16(header, 2);
        const std::uint8_t type = std::uint8_t(header[4]);
        const std::uint16_t flags = Le16(header, 5);
        const std::uint32_t packed = Le32(header, 7);
        const std::uint32_t bytes = Le32(header, 11);
        const std::uint32_t stamp = Le32(header, 15);
        const std::uint8_t attributes = std::uint8_t(header[19]);
        const std::uint16_t nameLength = Le16(header, 33);

        // Recovery records and other blocks share the step but are no members.
        if (type == FileBlock && nameLength > 0) {
            std::string_view stored;
            if (!in.read(pos + EntryHeaderSize, nameLength, stored))
                return;
            std::string name(TrimBlanks(stored));
            if (attributes == FolderAttributes)
                name += '\\';
            if (!listing.add(name, bytes, CatalogDateFromDos(std::uint16_t(stamp >> 16))))
                return;
        }
        pos += 4 + std::uint64_t(headerSize) + ((flags & HasPackedData) ? packed : 0);
    }
}
