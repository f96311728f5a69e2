// RAR 1.4: the main header (signature, its size, flags, then a stored or
// packed comment), then one file header after the other, each followed by
// its packed data. Names are in the DOS code page.
#include "engine/archive/RarFormats.h"
#include "engine/catalog/CatalogDate.h"

namespace {
constexpr std::size_t MainSize = 7;
constexpr std::size_t FileSize = 21;
constexpr std::uint8_t MainHasComment = 0x02;
constexpr std::uint8_t MainCommentPacked = 0x10;
constexpr std::uint8_t FileContinued = 0x01;
constexpr std::uint8_t DosHost = 0;
} // namespace

void ListRar14Headers(ArchiveBytes& in, MemberListing& listing)
{
    std::string_view h;
    if (!in.read(0, MainSize, h))
        return;
    const std::uint16_t mainSize = Le16(h, 4);
    const std::uint8_t mainFlags = std::uint8_t(h[6]);
    if (mainSize < MainSize)
        return;
    if ((mainFlags & MainHasComment) && !(mainFlags & MainCommentPacked) && in.read(MainSize, 2, h)) {
        const std::uint16_t length = Le16(h, 0);
        if (length <= LongestRarComment && in.read(MainSize + 2, length, h))
            listing.setComment(h);
    }

    std::uint64_t pos = mainSize;
    while (in.read(pos, FileSize, h)) {
        const std::uint32_t packed = Le32(h, 0);
        const std::uint32_t bytes = Le32(h, 4);
        const std::uint16_t headerSize = Le16(h, 10);
        const std::uint32_t stamp = Le32(h, 12);
        const std::uint8_t flags = std::uint8_t(h[17]);
        const std::uint8_t nameSize = std::uint8_t(h[19]);
        if (headerSize < FileSize + nameSize || !in.read(pos + FileSize, nameSize, h))
            return;
        if (!(flags & FileContinued) && bytes != 0 &&
            !listing.add(RarMemberName(h, false, DosHost), bytes, CatalogDateFromDos(std::uint16_t(stamp >> 16))))
            return;
        pos += std::uint64_t(headerSize) + packed;
    }
}
