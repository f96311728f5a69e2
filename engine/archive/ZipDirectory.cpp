#include "engine/archive/ZipDirectory.h"

#include <zlib.h>

#include <algorithm>

namespace {
constexpr std::string_view EndSignature{"PK\x05\x06", 4};
constexpr std::string_view Zip64LocatorSignature{"PK\x06\x07", 4};
constexpr std::string_view Zip64EndSignature{"PK\x06\x06", 4};
constexpr std::string_view EntrySignature{"PK\x01\x02", 4};
constexpr std::size_t EndSize = 22;
constexpr std::size_t Zip64LocatorSize = 20;
constexpr std::size_t Zip64EndSize = 56;
constexpr std::size_t EntrySize = 46;
constexpr std::size_t LongestComment = 0xFFFF;
constexpr std::uint16_t Utf8Flag = 0x0800;
constexpr std::uint16_t Zip64Field = 0x0001;
constexpr std::uint16_t UnicodePathField = 0x7075;
constexpr std::uint32_t SizeInZip64Field = 0xFFFFFFFF;

// libzip's words, which the reports on unreadable archives have always used.
constexpr const char* NotAZipArchive = "Not a zip archive";
constexpr const char* Inconsistent = "Zip archive inconsistent";

struct Layout {
    std::uint64_t entries = 0;
    std::uint64_t size = 0;
    std::uint64_t offset = 0;
    std::uint64_t endAt = 0; // where the (ZIP64) end record really is
};

std::uint32_t crc32Of(std::string_view bytes)
{
    // A name is at most 65,535 bytes: one call takes it whole.
    return std::uint32_t(::crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), uInt(bytes.size())));
}

// The ZIP64 end record's numbers, when the locator right before the end
// record at endAt stands for one. A locator counting other disks than the
// end record is bytes of a name that look like one: the plain numbers stand.
// The record is where the locator says, or just before the locator when
// bytes were put before the archive; false when it is neither.
bool readZip64End(ArchiveBytes& in, std::string_view end, Layout& d)
{
    std::string_view locator, record;
    if (d.endAt < Zip64LocatorSize || !in.read(d.endAt - Zip64LocatorSize, Zip64LocatorSize, locator) ||
        locator.substr(0, 4) != Zip64LocatorSignature)
        return true;
    const std::uint16_t thisDisk = Le16(end, 4);
    if (thisDisk != 0xFFFF && thisDisk + 1u != Le32(locator, 16))
        return true;
    const std::uint64_t locatorAt = d.endAt - Zip64LocatorSize;
    std::uint64_t at = Le64(locator, 8);
    if (!in.read(at, Zip64EndSize, record) || record.substr(0, 4) != Zip64EndSignature) {
        if (locatorAt < Zip64EndSize)
            return false;
        at = locatorAt - Zip64EndSize;
        if (!in.read(at, Zip64EndSize, record) || record.substr(0, 4) != Zip64EndSignature)
            return false;
    }
    d.entries = Le64(record, 32);
    d.size = Le64(record, 40);
    d.offset = Le64(record, 48);
    d.endAt = at;
    return true;
}

bool entryAt(ArchiveBytes& in, std::uint64_t at)
{
    std::string_view signature;
    return in.read(at, 4, signature) && signature == EntrySignature;
}

// Where the directory of the end record at endAt starts: right before the
// end record, its offset then corrected by the bytes put before the archive,
// else where its offset says; nullopt when neither holds a directory entry.
std::optional<std::uint64_t> directoryStart(ArchiveBytes& in, std::string_view end, std::uint64_t endAt, Layout& d)
{
    d.entries = Le16(end, 10);
    d.size = Le32(end, 12);
    d.offset = Le32(end, 16);
    d.endAt = endAt;
    if (!readZip64End(in, end, d))
        return std::nullopt;
    if (d.entries == 0)
        return d.offset;
    if (d.size <= d.endAt && entryAt(in, d.endAt - d.size))
        return d.endAt - d.size;
    if (entryAt(in, d.offset))
        return d.offset;
    return std::nullopt;
}

// What the extra fields of an entry add: the true size of a large member,
// and the UTF-8 name that a Unicode path field gives the stored name.
void readExtraFields(std::string_view extra, std::uint32_t size32, ZipMember& m)
{
    while (extra.size() >= 4) {
        const std::uint16_t id = Le16(extra, 0);
        const std::size_t length = std::min<std::size_t>(Le16(extra, 2), extra.size() - 4);
        const std::string_view data = extra.substr(4, length);
        if (id == Zip64Field && size32 == SizeInZip64Field && data.size() >= 8)
            m.size = Le64(data, 0);
        else if (id == UnicodePathField && data.size() >= 5 && data[0] == 1 && Le32(data, 1) == crc32Of(m.storedName))
            m.unicodeName.assign(data.substr(5));
        extra.remove_prefix(4 + length);
    }
}

bool readEntries(ArchiveBytes& in, std::uint64_t pos, std::uint64_t count, std::vector<ZipMember>& members)
{
    members.reserve(std::size_t(std::min<std::uint64_t>(count, in.size() / EntrySize)));
    for (std::uint64_t i = 0; i < count; ++i) {
        // Every field of the entry is taken before the name's read moves the window.
        std::string_view entry, name, extra;
        if (!in.read(pos, EntrySize, entry) || entry.substr(0, 4) != EntrySignature)
            return false;
        ZipMember m;
        m.host = std::uint8_t(entry[5]);
        m.utf8Name = Le16(entry, 8) & Utf8Flag;
        m.dosDate = Le16(entry, 14);
        const std::uint32_t size32 = Le32(entry, 24);
        m.size = size32;
        const std::uint16_t nameLength = Le16(entry, 28);
        const std::uint16_t extraLength = Le16(entry, 30);
        const std::uint16_t commentLength = Le16(entry, 32);
        if (!in.read(pos + EntrySize, nameLength, name))
            return false;
        m.storedName.assign(name);
        if (!in.read(pos + EntrySize + nameLength, extraLength, extra))
            return false;
        readExtraFields(extra, size32, m);
        members.push_back(std::move(m));
        pos += EntrySize + nameLength + extraLength + commentLength;
    }
    return true;
}
} // namespace

bool ZipHostUsesDosCodePage(std::uint8_t host)
{
    return host == 0 || host == 6 || host == 10 || host == 14;
}

std::optional<ZipDirectory> ReadZipDirectory(ArchiveBytes& in, std::string& error)
{
    error = NotAZipArchive;
    if (in.size() < EndSize)
        return std::nullopt;
    const std::uint64_t from = in.size() - std::min<std::uint64_t>(in.size(), EndSize + LongestComment);
    std::string tail; // kept apart from the window, which the reads below move
    if (!in.copy(from, std::size_t(in.size() - from), tail))
        return std::nullopt;
    for (std::size_t p = tail.size() - EndSize + 1; p-- > 0;) {
        if (tail.compare(p, 4, EndSignature) != 0)
            continue;
        const std::string_view end = std::string_view(tail).substr(p, EndSize);
        const std::size_t commentLength = Le16(end, 20);
        if (p + EndSize + commentLength > tail.size())
            continue;
        Layout d;
        const std::optional<std::uint64_t> start = directoryStart(in, end, from + p, d);
        if (!start)
            continue;
        ZipDirectory dir;
        dir.comment = tail.substr(p + EndSize, commentLength);
        if (!readEntries(in, *start, d.entries, dir.members)) {
            error = Inconsistent;
            return std::nullopt;
        }
        error.clear();
        return dir;
    }
    return std::nullopt;
}
