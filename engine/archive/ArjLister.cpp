// ARJ: the archive's own header, then one header per member. Each header is
// its id, the basic header's size, the basic header (a fixed part whose size
// it states, then the name and the comment, NUL-ended), its CRC and a chain
// of extended headers; the member's data follows.
#include "engine/archive/ArchiveBytes.h"
#include "engine/archive/Listers.h"
#include "engine/catalog/CatalogDate.h"
#include "engine/text/StringHelpers.h"

namespace {
constexpr std::uint16_t HeaderId = 0xEA60;
constexpr std::size_t FixedSize = 34;
// Bytes of the fixed part counted by its own size field: from that field to
// the host data, both included.
constexpr std::size_t SmallestFixedPart = 30;
constexpr std::uint8_t UnixHost = 2;

// Where the next header starts after the basic header at pos (basicSize
// bytes behind the id and size): its CRC, then the extended headers, each
// a size, the data and a CRC, ended by a size of 0. False when the chain
// runs past the end.
bool skipHeaderTail(ArchiveBytes& in, std::uint64_t& pos, std::uint16_t basicSize)
{
    pos += 4 + std::uint64_t(basicSize) + 4;
    std::string_view sizeField;
    while (in.read(pos, 2, sizeField)) {
        const std::uint16_t extSize = Le16(sizeField, 0);
        pos += 2;
        if (extSize == 0)
            return true;
        pos += std::uint64_t(extSize) + 4;
    }
    return false;
}
} // namespace

void ListArjHeaders(ArchiveBytes& in, MemberListing& listing)
{
    std::string_view header;
    if (!in.read(0, FixedSize, header) || Le16(header, 0) != HeaderId)
        return;
    std::uint64_t pos = 0;
    if (!skipHeaderTail(in, pos, Le16(header, 2)))
        return;

    while (in.read(pos, FixedSize, header)) {
        if (Le16(header, 0) != HeaderId) {
            pos += FixedSize; // look further, one fixed part at a time
            continue;
        }
        const std::uint16_t basicSize = Le16(header, 2);
        if (basicSize == 0)
            return; // the end of the archive
        const std::uint8_t fixedPart = std::uint8_t(header[4]);
        const std::uint8_t host = std::uint8_t(header[7]);
        const std::uint32_t stamp = Le32(header, 12);
        const std::uint32_t compressed = Le32(header, 16);
        const std::uint32_t bytes = Le32(header, 20);
        if (fixedPart < SmallestFixedPart || fixedPart > basicSize || !in.read(pos + 4, basicSize, header))
            return;

        if (bytes != 0) {
            std::string_view name = header.substr(fixedPart);
            name = TrimBlanks(name.substr(0, name.find('\0')));
            const std::string date =
                host == UnixHost ? CatalogDateFromUnix(stamp) : CatalogDateFromDos(std::uint16_t(stamp >> 16));
            if (!listing.add(name, bytes, date))
                return;
        }
        if (!skipHeaderTail(in, pos, basicSize))
            return;
        pos += compressed;
    }
}
