// The hex-dump library: one exported function, no state, no allocation.
// Each line is 80 characters:
//   "OOOOOOOO: XX XX XX XX XX XX XX XX | XX XX XX XX XX XX XX XX | TTTTTTTTTTTTTTTT\r\n"

#include <cstdint>
#include <cstring>

namespace {

constexpr int LineWidth = 80;
constexpr int BytesPerLine = 16;
constexpr int FirstPair = 10; // bytes 8 to 15 stand two places further, past a bar
constexpr int FirstBar = 34;
constexpr int SecondBar = 60;
constexpr int TextColumn = 62;

struct Tables {
    char pair[256][4]; // "XX  ": two digits and a blank, plus a spare blank
    char text[256];    // the byte itself from blank to DEL, else code 1
};

constexpr Tables MakeTables()
{
    Tables t{};
    const char* digits = "0123456789ABCDEF";
    for (int b = 0; b < 256; ++b) {
        t.pair[b][0] = digits[b >> 4];
        t.pair[b][1] = digits[b & 15];
        t.pair[b][2] = ' ';
        t.pair[b][3] = ' ';
        t.text[b] = (b >= 32 && b <= 127) ? char(b) : char(1);
    }
    return t;
}

constexpr Tables kTables = MakeTables();

constexpr int PairPosition(int i)
{
    return FirstPair + 3 * i + (i >= 8 ? 2 : 0);
}

// Writes one full line. Pairs are stored four bytes at a time, left to right,
// so each spare blank is overwritten by the next pair or by a bar.
inline void WriteLine(char* line, std::uint32_t offset, const unsigned char* bytes)
{
    for (int shift = 24, pos = 0; shift >= 0; shift -= 8, pos += 2)
        std::memcpy(line + pos, kTables.pair[(offset >> shift) & 0xFF], 4);
    std::memcpy(line + 8, ": ", 2);
    for (int i = 0; i < BytesPerLine; ++i)
        std::memcpy(line + PairPosition(i), kTables.pair[bytes[i]], 4);
    std::memcpy(line + FirstBar, "| ", 2);
    std::memcpy(line + SecondBar, "| ", 2);
    for (int i = 0; i < BytesPerLine; ++i)
        line[TextColumn + i] = kTables.text[bytes[i]];
    std::memcpy(line + 78, "\r\n", 2);
}

// The last line of a length that is not a multiple of 16: the bytes present
// are copied aside so that nothing past the data is read, and the places of
// the missing ones are blanked.
void WritePartialLine(char* line, std::uint32_t offset, const unsigned char* bytes, int count)
{
    unsigned char copy[BytesPerLine] = {};
    std::memcpy(copy, bytes, count);
    WriteLine(line, offset, copy);
    for (int i = count; i < BytesPerLine; ++i) {
        std::memcpy(line + PairPosition(i), "  ", 2);
        line[TextColumn + i] = ' ';
    }
}

} // namespace

// data: the first byte of a counted string whose 32-bit byte count stands in
// the four bytes before it. out: the caller's buffer pointer, which must have
// room for 80 characters per started group of 16 bytes. Always returns 0.
extern "C" __attribute__((visibility("default"))) std::int32_t FileToQuexel(const unsigned char* data, char** out)
{
    std::uint32_t n;
    std::memcpy(&n, data - sizeof n, sizeof n);
    if (n == 0)
        return 0;
    char* line = *out;
    const std::uint32_t whole = n & ~std::uint32_t(BytesPerLine - 1);
    std::uint32_t off = 0;
    for (; off < whole; off += BytesPerLine, line += LineWidth)
        WriteLine(line, off, data + off);
    if (off < n)
        WritePartialLine(line, off, data + off, int(n - off));
    return 0;
}
