#include "engine/archive/ZipDirectory.h"

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

struct Directory {
    std::uint64_t entries = 0;
    std::uint64_t size = 0;
    std::uint64_t offset = 0;
    std::uint64_t endAt = 0; // where the (ZIP64) end record starts
};

// The end record is the last "PK\5\6" whose comment reaches the file's end.
bool findEnd(ArchiveBytes& in, Directory& d)
{
    if (in.size() < EndSize)
        return false;
    const std::uint64_t from = in.size() - std::min<std::uint64_t>(in.size(), EndSize + LongestComment);
    std::string_view tail;
    if (!in.read(from, std::size_t(in.size() - from), tail))
        return false;
    for (std::size_t p = tail.size() - EndSize + 1; p-- > 0;) {
        if (tail.compare(p, 4, EndSignature) != 0 || p + EndSize + Le16(tail, p + 20) > tail.size())
            continue;
        const std::string_view end = tail.substr(p, EndSize);
        d.entries = Le16(end, 10);
        d.size = Le32(end, 12);
        d.offset = Le32(end, 16);
        d.endAt = from + p;
        return true;
    }
    return false;
}

// Archives of more than 65,535 members or 4 GiB keep the true numbers in
// the ZIP64 end record.
bool readZip64End(ArchiveBytes& in, Directory& d)
{
    std::string_view locator, end;
    if (d.endAt < Zip64LocatorSize || !in.read(d.endAt - Zip64LocatorSize, Zip64LocatorSize, locator) ||
        locator.substr(0, 4) != Zip64LocatorSignature)
        return true; // no ZIP64 record: the plain numbers stand
    const std::uint64_t at = Le64(locator, 8);
    if (!in.read(at, Zip64EndSize, end) || end.substr(0, 4) != Zip64EndSignature)
        return false;
    d.entries = Le64(end, 32);
    d.size = Le64(end, 40);
    d.offset = Le64(end, 48);
    d.endAt = at;
    return true;
}
} // namespace

bool ZipHostUsesDosCodePage(std::uint8_t host)
{
    return host == 0 || host == 6 || host == 10 || host == 14;
}

std::vector<ZipEntryFacts> ReadZipDirectory(ArchiveBytes& in)
{
    Directory d;
    if (!findEnd(in, d) || !readZip64End(in, d))
        return {};
    // A self-extracting archive has bytes before the ZIP data: its offsets
    // are then counted from where the archive starts, behind them.
    std::string_view entry;
    std::uint64_t pos = d.offset;
    if (!in.read(pos, 4, entry) || entry != EntrySignature) {
        if (d.size > d.endAt)
            return {};
        pos = d.endAt - d.size;
    }
    std::vector<ZipEntryFacts> facts;
    facts.reserve(std::size_t(std::min<std::uint64_t>(d.entries, in.size() / EntrySize)));
    for (std::uint64_t i = 0; i < d.entries; ++i) {
        if (!in.read(pos, EntrySize, entry) || entry.substr(0, 4) != EntrySignature)
            return {};
        const std::uint16_t nameLength = Le16(entry, 28);
        const std::uint64_t rest = std::uint64_t(nameLength) + Le16(entry, 30) + Le16(entry, 32);
        ZipEntryFacts f;
        f.host = std::uint8_t(entry[5]);
        f.utf8Name = Le16(entry, 8) & Utf8Flag;
        f.dosDate = Le16(entry, 14);
        std::string_view name;
        if (!in.read(pos + EntrySize, nameLength, name))
            return {};
        f.storedName.assign(name);
        facts.push_back(std::move(f));
        pos += EntrySize + rest;
    }
    return facts;
}
