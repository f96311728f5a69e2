// LZH (LHA) headers of levels 0, 1 and 2. Levels 0 and 1 state their basic
// header's size in their first byte and store an MS-DOS stamp; level 2
// states its whole header's size in its first two bytes and stores Unix
// time. Levels 1 and 2 may carry extended headers: the name, the folder and
// 64-bit sizes among them.
#include "engine/archive/ArchiveBytes.h"
#include "engine/archive/Listers.h"
#include "engine/catalog/CatalogDate.h"
#include "engine/text/StringHelpers.h"
#include "platform/text/Encoding.h"

#include <optional>

namespace {
constexpr std::size_t FixedSize = 22;
constexpr std::size_t Level2BaseSize = 26;

constexpr std::uint8_t ExtFileName = 0x01;
constexpr std::uint8_t ExtFolderName = 0x02;
constexpr std::uint8_t ExtLargeSizes = 0x42;
constexpr std::uint8_t ExtUtf16FileName = 0x44;
constexpr std::uint8_t ExtUtf16FolderName = 0x45;
// LHA writes 0xFF between the folders of a folder name.
constexpr char FolderMark = '\xFF';

struct Member {
    std::string name;
    std::string folder;
    // From the UTF-16 name headers, which win over the others when present.
    std::optional<std::string> utf16Name;
    std::optional<std::string> utf16Folder;
    std::uint64_t packed = 0;
    std::uint64_t bytes = 0;
};

std::string utf16Text(std::string_view data)
{
    std::u16string units;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2)
        units += char16_t(Le16(data, i));
    return Utf16ToUtf8(units);
}

// A folder name with "/" between its folders and after the last one.
std::string folderPath(std::string folder)
{
    for (char& c : folder)
        if (c == FolderMark || c == '\\')
            c = '/';
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

// The extended headers from pos on, the first of firstSize bytes, none
// reaching past limit: each is a type byte, its data and the next one's
// size. False when the chain does not end (with a size of 0) before limit.
bool readExtendedHeaders(ArchiveBytes& in, std::uint64_t pos, std::uint16_t firstSize, std::uint64_t limit, Member& m)
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
            m.folder = folderPath(std::string(data));
            break;
        case ExtUtf16FileName:
            m.utf16Name = utf16Text(data);
            break;
        case ExtUtf16FolderName: {
            // Folders are parted by the unit 0xFFFF: UTF-8 has no such bytes.
            const std::string text = utf16Text(data);
            std::string folder;
            for (std::size_t i = 0; i < text.size();) {
                const bool mark = text.compare(i, 3, "\xEF\xBF\xBF") == 0;
                folder += mark ? '/' : text[i];
                i += mark ? 3 : 1;
            }
            m.utf16Folder = folderPath(std::move(folder));
            break;
        }
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

void ListLzhHeaders(ArchiveBytes& in, MemberListing& listing)
{
    std::uint64_t pos = 0;
    std::string_view header;
    while (in.read(pos, FixedSize, header)) {
        const std::uint8_t level = std::uint8_t(header[20]);
        const bool isHeader = header.substr(2, 2) == "-l";
        // A level 2 header's size may end in a 0 byte; anything else starting
        // with one is the end of the archive.
        if (header[0] == '\0' && !(isHeader && level == 2))
            return;
        if (!isHeader) {
            pos += FixedSize; // look further, one fixed part at a time
            continue;
        }
        Member m;
        m.packed = Le32(header, 7);
        m.bytes = Le32(header, 11);
        const std::uint32_t stamp = Le32(header, 15);
        const std::uint8_t nameLength = std::uint8_t(header[21]);

        // Where the next header starts is known before the entry is read: an
        // entry this lister has no use for (a damaged name, a link whose
        // target is missing) is skipped and the walk goes on.
        std::uint64_t next = 0;
        bool usable = false;
        std::string date;
        if (level == 0 || level == 1) {
            const std::size_t headerSize = std::size_t(std::uint8_t(header[0])) + 2;
            const std::size_t tail = level == 0 ? 2 : 5; // CRC; level 1 adds system and next size
            next = pos + headerSize + m.packed;          // level 1: its extended headers are counted in
            usable = FixedSize + nameLength + tail <= headerSize && in.read(pos, headerSize, header);
            if (usable) {
                m.name = header.substr(FixedSize, nameLength);
                usable = level == 0 || readExtendedHeaders(in, pos + headerSize, Le16(header, headerSize - 2), next, m);
            }
            date = CatalogDateFromDos(std::uint16_t(stamp >> 16));
        } else if (level == 2) {
            const std::uint16_t headerSize = Le16(header, 0);
            next = pos + headerSize + m.packed;
            usable =
                headerSize >= Level2BaseSize && in.read(pos, Level2BaseSize, header) &&
                readExtendedHeaders(in, pos + Level2BaseSize, Le16(header, Level2BaseSize - 2), pos + headerSize, m);
            date = CatalogDateFromUnix(stamp);
        } else {
            return; // a header level this reader does not know: where it ends is unknown
        }

        if (usable && m.bytes != 0) {
            const std::string name = m.utf16Name ? *m.utf16Name : m.name;
            const std::string folder = m.utf16Folder ? *m.utf16Folder : m.folder;
            if (!listing.add(TrimBlanks(folder + name), m.bytes, date))
                return;
        }
        if (next <= pos)
            return; // sizes that wrap around: damage
        pos = next;
    }
}
