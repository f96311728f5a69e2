// RAR 5: every block is CRC32 (4), header size (vint), then a header of that
// size (type, flags, optional extra-area and data sizes, the type's fields,
// the extra area), then its data. Numbers are vints: 7 bits a byte, low
// bits first, the top bit set on every byte but the last.
#include "engine/archive/RarFormats.h"
#include "engine/catalog/CatalogDate.h"

#include <optional>

namespace {
constexpr std::size_t ShortestBlock = 7; // CRC, size, type and flags
constexpr std::size_t SizeFieldBytes = 3;
constexpr std::uint64_t LargestHeader = 2 * 1024 * 1024;

constexpr std::uint64_t FileBlock = 2;
constexpr std::uint64_t ServiceBlock = 3;
constexpr std::uint64_t EncryptionBlock = 4;
constexpr std::uint64_t EndBlock = 5;

constexpr std::uint64_t HasExtraArea = 0x01;
constexpr std::uint64_t HasData = 0x02;
constexpr std::uint64_t DataContinued = 0x08;

constexpr std::uint64_t FileHasUnixTime = 0x02;
constexpr std::uint64_t FileHasCrc = 0x04;

constexpr std::uint64_t ExtraEncryption = 1;
constexpr std::uint64_t ExtraTime = 3;
constexpr std::uint64_t TimeIsUnix = 0x01;
constexpr std::uint64_t TimeHasModified = 0x02;

// Reads the fields of one header; a read past its end fails the cursor.
class Cursor {
public:
    explicit Cursor(std::string_view bytes) : bytes_(bytes) {}
    bool ok() const { return ok_; }
    bool atEnd() const { return pos_ >= bytes_.size(); }
    std::size_t position() const { return pos_; }

    std::uint64_t vint()
    {
        std::uint64_t value = 0;
        for (unsigned shift = 0; shift < 64 && pos_ < bytes_.size(); shift += 7) {
            const std::uint8_t b = std::uint8_t(bytes_[pos_++]);
            value |= std::uint64_t(b & 0x7F) << shift;
            if (!(b & 0x80))
                return value;
        }
        ok_ = false;
        return 0;
    }
    std::uint32_t u32()
    {
        const std::string_view b = take(4);
        return ok_ ? Le32(b, 0) : 0;
    }
    std::uint64_t u64()
    {
        const std::string_view b = take(8);
        return ok_ ? Le64(b, 0) : 0;
    }
    std::string_view take(std::uint64_t n)
    {
        if (!ok_ || n > bytes_.size() - pos_) {
            ok_ = false;
            pos_ = bytes_.size();
            return {};
        }
        std::string_view out = bytes_.substr(pos_, std::size_t(n));
        pos_ += std::size_t(n);
        return out;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

struct Extras {
    bool encrypted = false;
    std::optional<std::string> modified; // catalog date
};

// The records of a file or service header's extra area: size, type, data.
Extras readExtras(std::string_view area)
{
    Extras x;
    Cursor c(area);
    while (c.ok() && !c.atEnd()) {
        Cursor record(c.take(c.vint()));
        const std::uint64_t type = record.vint();
        if (type == ExtraEncryption) {
            x.encrypted = true;
        } else if (type == ExtraTime) {
            const std::uint64_t flags = record.vint();
            if (flags & TimeHasModified) {
                std::string date =
                    (flags & TimeIsUnix) ? CatalogDateFromUnix(record.u32()) : CatalogDateFromFileTime(record.u64());
                if (record.ok())
                    x.modified = std::move(date);
            }
        }
    }
    return x;
}

// The fields that file and service headers share.
struct FileFields {
    std::uint64_t flags = 0;
    std::uint64_t bytes = 0;
    std::uint32_t unixTime = 0;
    std::uint64_t compression = 0;
    std::string_view name;
};

bool readFileFields(Cursor& c, FileFields& f)
{
    f.flags = c.vint();
    f.bytes = c.vint();
    c.vint(); // attributes
    if (f.flags & FileHasUnixTime)
        f.unixTime = c.u32();
    if (f.flags & FileHasCrc)
        c.u32();
    f.compression = c.vint();
    c.vint(); // host system
    f.name = c.take(c.vint());
    return c.ok();
}

bool isStored(std::uint64_t compression)
{
    return ((compression >> 7) & 7) == 0; // bits 7 to 9: the method, 0 = stored
}
} // namespace

void ListRar5Headers(ArchiveBytes& in, MemberListing& listing)
{
    std::uint64_t pos = Rar5Signature.size();
    std::string_view h;
    while (in.read(pos, ShortestBlock, h)) {
        Cursor sizeField(h.substr(4, SizeFieldBytes));
        const std::uint64_t headerSize = sizeField.vint();
        if (!sizeField.ok() || headerSize == 0 || headerSize > LargestHeader)
            return;
        const std::uint64_t headerStart = pos + 4 + sizeField.position();
        if (!in.read(headerStart, std::size_t(headerSize), h))
            return;
        Cursor c(h);
        const std::uint64_t type = c.vint();
        const std::uint64_t flags = c.vint();
        const std::uint64_t extraSize = (flags & HasExtraArea) ? c.vint() : 0;
        const std::uint64_t dataSize = (flags & HasData) ? c.vint() : 0;
        if (!c.ok() || extraSize > headerSize - c.position())
            return;
        const std::uint64_t dataStart = headerStart + headerSize;

        if (type == FileBlock || type == ServiceBlock) {
            FileFields f;
            if (!readFileFields(c, f) || c.position() > headerSize - extraSize)
                return;
            const Extras extras = readExtras(h.substr(std::size_t(headerSize - extraSize)));
            if (type == FileBlock) {
                const std::string date = extras.modified               ? *extras.modified
                                         : (f.flags & FileHasUnixTime) ? CatalogDateFromUnix(f.unixTime)
                                                                       : CatalogDateFromFileTime(0);
                // A member split over volumes is listed where it begins.
                if (!(flags & DataContinued) && f.bytes != 0 && !listing.add(f.name, f.bytes, date))
                    return;
            } else if (f.name == RarCommentName && isStored(f.compression) && !extras.encrypted &&
                       dataSize <= LongestRarComment) {
                std::string_view text;
                if (in.read(dataStart, std::size_t(dataSize), text))
                    listing.setComment(text);
            }
        } else if (type == EncryptionBlock || type == EndBlock) {
            return; // encrypted headers follow, or the archive ends
        }
        const std::uint64_t next = dataStart + dataSize;
        if (next <= pos)
            return; // sizes that wrap around: damage
        pos = next;
    }
}
