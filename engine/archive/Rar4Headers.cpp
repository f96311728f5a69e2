// RAR 1.5 to 4: every block starts with CRC (2), type (1), flags (2) and
// size (2); a long block adds the size of the data behind the header. File
// headers carry the member; the archive comment is either a stored comment
// block inside the main header (RAR 2) or a "CMT" service block (RAR 3+).
#include "engine/archive/RarFormats.h"
#include "engine/catalog/CatalogDate.h"
#include "platform/text/Encoding.h"

namespace {
constexpr std::size_t BaseSize = 7;
constexpr std::size_t FileFieldsSize = 32;
constexpr std::size_t LargeFileFieldsSize = 40;
constexpr std::size_t CommentBlockSize = 13;

constexpr std::uint8_t MainBlock = 0x73;
constexpr std::uint8_t FileBlock = 0x74;
constexpr std::uint8_t CommentBlock = 0x75;
constexpr std::uint8_t ServiceBlock = 0x7A;
constexpr std::uint8_t EndBlock = 0x7B;

constexpr std::uint16_t MainHasComment = 0x0002;
constexpr std::uint16_t MainHeadersEncrypted = 0x0080;
constexpr std::uint16_t FileContinued = 0x0001;
constexpr std::uint16_t FileEncrypted = 0x0004;
constexpr std::uint16_t FileLarge = 0x0100;
constexpr std::uint16_t FileUnicodeName = 0x0200;
constexpr std::uint16_t LongBlock = 0x8000;

constexpr std::uint8_t MethodStore = 0x30;

// A Unicode name is stored behind the legacy one and a NUL, packed against
// it: a high byte, then groups of four two-bit codes, each saying whether
// the next character is one byte (high byte 0), one byte with the high
// byte, two bytes, or a run copied from the legacy name (with a correction
// added to each byte).
std::string unicodeName(std::string_view legacy, std::string_view packed)
{
    std::u16string name;
    std::size_t at = 0;
    auto next = [&](std::uint8_t& b) {
        if (at >= packed.size())
            return false;
        b = std::uint8_t(packed[at++]);
        return true;
    };
    std::uint8_t high = 0, flags = 0, low = 0, hi = 0;
    if (!next(high))
        return {};
    for (int flagBits = 0;; flagBits -= 2, flags <<= 2) {
        if (flagBits == 0) {
            if (!next(flags))
                break;
            flagBits = 8;
        }
        switch (flags >> 6) {
        case 0:
            if (!next(low))
                return Utf16ToUtf8(name);
            name += char16_t(low);
            break;
        case 1:
            if (!next(low))
                return Utf16ToUtf8(name);
            name += char16_t(low | high << 8);
            break;
        case 2:
            if (!next(low) || !next(hi))
                return Utf16ToUtf8(name);
            name += char16_t(low | hi << 8);
            break;
        default: {
            std::uint8_t length = 0, correction = 0;
            if (!next(length) || ((length & 0x80) && !next(correction)))
                return Utf16ToUtf8(name);
            for (int n = (length & 0x7F) + 2; n > 0 && name.size() < legacy.size(); --n) {
                const std::uint8_t b = std::uint8_t(legacy[name.size()]);
                name += (length & 0x80) ? char16_t(std::uint8_t(b + correction) | high << 8) : char16_t(b);
            }
        }
        }
    }
    return Utf16ToUtf8(name);
}

// The comment block that a RAR 2 main header holds after its own 13 bytes;
// only a stored comment is readable without unpacking.
void takeMainHeaderComment(std::string_view main, MemberListing& listing)
{
    if (main.size() < 2 * CommentBlockSize)
        return;
    const std::string_view block = main.substr(CommentBlockSize);
    const std::uint16_t blockSize = Le16(block, 5);
    if (std::uint8_t(block[2]) != CommentBlock || blockSize < CommentBlockSize || blockSize > block.size() ||
        std::uint8_t(block[10]) != MethodStore)
        return;
    const std::string_view text = block.substr(CommentBlockSize, blockSize - CommentBlockSize);
    if (text.size() <= LongestRarComment)
        listing.setComment(text);
}
} // namespace

std::string RarMemberName(std::string_view stored, bool unicode, std::uint8_t host)
{
    if (unicode) {
        const std::size_t nul = stored.find('\0');
        if (nul == std::string_view::npos)
            return std::string(stored); // the name itself is UTF-8
        return unicodeName(stored.substr(0, nul), stored.substr(nul + 1));
    }
    return host == RarHostUnix ? std::string(stored) : DosCodePageToUtf8(stored);
}

void ListRar4Headers(ArchiveBytes& in, MemberListing& listing)
{
    std::uint64_t pos = Rar4Signature.size();
    std::string_view h;
    while (in.read(pos, BaseSize, h)) {
        const std::uint8_t type = std::uint8_t(h[2]);
        const std::uint16_t flags = Le16(h, 3);
        const std::uint16_t size = Le16(h, 5);
        if (size < BaseSize || !in.read(pos, size, h))
            return;
        std::uint64_t dataSize = (flags & LongBlock) && size >= BaseSize + 4 ? Le32(h, 7) : 0;

        if (type == MainBlock) {
            if (flags & MainHasComment)
                takeMainHeaderComment(h, listing);
            if (flags & MainHeadersEncrypted)
                return; // nothing more can be read without the password
        } else if (type == FileBlock || type == ServiceBlock) {
            const bool large = flags & FileLarge;
            const std::size_t nameAt = large ? LargeFileFieldsSize : FileFieldsSize;
            if (size < nameAt)
                return;
            std::uint64_t bytes = Le32(h, 11);
            if (large) {
                dataSize |= std::uint64_t(Le32(h, 32)) << 32;
                bytes |= std::uint64_t(Le32(h, 36)) << 32;
            }
            const std::uint8_t host = std::uint8_t(h[15]);
            const std::uint32_t stamp = Le32(h, 20);
            const std::uint8_t method = std::uint8_t(h[25]);
            const std::uint16_t nameSize = Le16(h, 26);
            if (nameAt + nameSize > size)
                return;
            const std::string_view name = h.substr(nameAt, nameSize);
            if (type == FileBlock) {
                // A member split over volumes is listed where it begins.
                if (!(flags & FileContinued) && bytes != 0 &&
                    !listing.add(RarMemberName(name, flags & FileUnicodeName, host), bytes,
                                 CatalogDateFromDos(std::uint16_t(stamp >> 16))))
                    return;
            } else if (name == RarCommentName && method == MethodStore && !(flags & FileEncrypted) &&
                       dataSize <= LongestRarComment) {
                std::string_view text;
                if (in.read(pos + size, std::size_t(dataSize), text))
                    listing.setComment(text);
            }
        } else if (type == EndBlock) {
            return;
        }
        const std::uint64_t next = pos + size + dataSize;
        if (next <= pos)
            return; // sizes that wrap around: damage
        pos = next;
    }
}
