// LZH (LHA) headers of levels 0, 1 and 2. Levels 0 and 1 state their basic
// header's size in their first byte and store an MS-DOS stamp; level 2
// states its whole header's size in its first two bytes and stores Unix
// time. Levels 1 and 2 may carry extended headers: the name, the folder and
// 64-bit sizes among them.
#include "engine/archive/ArchiveBytes.h"
#include "engine/archive/Listers.h"
#include "engine/catalog/CatalogDate.h"
#include "engine/text/StringHelpers.h"

namespace {
constexpr std::size_t FixedSize = 22;
constexpr std::size_t Level2BaseSize = 26;

constexpr std::uint8_t ExtFileName = 0x01;
constexpr std::uint8_t ExtFolderName = 0x02;
constexpr std::uint8_t ExtLargeSizes = 0x42;
// LHA writes 0xFF between the folders of a folder name.
constexpr char FolderMark = '\xFF';

struct Member {
    std::string name;
    std::string folder;
    std::uint64_t packed = 0;
    std::uint64_t bytes = 0;
};

// The extended headers from pos on, the first of firstSize bytes, none
// reaching past limit: each is a type byte, its data and the next one's
// size. False when the chain does not end (with a size of 0) before limit.
bool readExtendedHeaders(ArchiveBytes& in, std::uint64_t pos, std::uint16_t firstSize,
                         std::uint64_t limit, Member& m)
{
    std::uint16_t size = firstSize;
    std::string_view ext;
    while (size != 0) {
        if (size < 3 || pos + size > limit || !in.read(pos, size, ext))
            return false;
        const std::string_view data = ext.substr(1, size - 3);
        switch (std::uint8_t(ext[0])) {
        case ExtFileName:
            m.name = data;
            break;
        case ExtFolderName:
            m.folder = data;
            for (char& c : m.folder)
                if (c == FolderMark)
                    c = '/';
            if (!m.folder.empty() && m.folder.back() != '/')
                m.folder += '/';
            break;
        case ExtLargeSizes:
            if (data.size() >= 16) {
                m.packed = Le64(data, 0);
                m.bytes = Le64(data, 8);
            }
            break;
        }
        pos += size;
        size = Le16(ext, size - 2);
    }
    return true;
}
} // namespace

void ListLZHfiles(ArchiveBytes& in, MemberListing& listing)
{
    std::uint64_t pos = 0;
    std::string_view header;
    while (in.read(pos, FixedSize, header)) {
        if (header[0] == '\0')
            return; // the end of the archive
        if (header.substr(2, 2) != "-l") {
            pos += FixedSize; // look further, one fixed part at a time
            continue;
        }
        Member m;
        m.packed = Le32(header, 7);
        m.bytes = Le32(header, 11);
        const std::uint32_t stamp = Le32(header, 15);
        const std::uint8_t level = std::uint8_t(header[20]);
        const std::uint8_t nameLength = std::uint8_t(header[21]);

        std::uint64_t next = 0;
        std::string date;
        if (level == 0 || level == 1) {
            const std::size_t headerSize = std::size_t(std::uint8_t(header[0])) + 2;
            const std::size_t tail = level == 0 ? 2 : 5; // CRC; level 1 adds system and next size
            if (FixedSize + nameLength + tail > headerSize || !in.read(pos, headerSize, header))
                return;
            m.name = header.substr(FixedSize, nameLength);
            next = pos + headerSize + m.packed; // level 1: its extended headers are counted in
            if (level == 1 && !readExtendedHeaders(in, pos + headerSize, Le16(header, headerSize - 2), next, m))
                return;
            date = CatalogDateFromDos(std::uint16_t(stamp >> 16));
        } else if (level == 2) {
            const std::uint16_t headerSize = Le16(header, 0);
            if (headerSize < Level2BaseSize || !in.read(pos, Level2BaseSize, header))
                return;
            if (!readExtendedHeaders(in, pos + Level2BaseSize, Le16(header, Level2BaseSize - 2),
                                     pos + headerSize, m))
                return;
            next = pos + headerSize + m.packed;
            date = CatalogDateFromUnix(stamp);
        } else {
            return; // a header level this reader does not know
        }

        if (m.bytes != 0 && !listing.add(TrimBlanks(m.folder + m.name), m.bytes, date))
            return;
        if (next <= pos)
            return; // sizes that wrap around: damage
        pos = next;
    }
}
