#include "platform/hexdump/QuexelLoader.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/mman.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

std::string Blanks(int n)
{
    return std::string(std::size_t(n), ' ');
}

std::string Bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s += char(v);
    return s;
}

// The library's address, called without the loader, for the raw contract.
using Entry = std::int32_t (*)(const unsigned char*, char**);
Entry RawEntry()
{
    static void* handle = dlopen(QUEXEL_LIBRARY, RTLD_NOW);
    return handle ? reinterpret_cast<Entry>(dlsym(handle, "FileToQuexel")) : nullptr;
}

// One line printed with the line format the viewer documents; a last,
// partial line shows blanks for the missing bytes.
std::string ReferenceLine(std::uint32_t offset, const unsigned char* b, int count)
{
    char text[17] = {};
    for (int i = 0; i < 16; ++i)
        text[i] = i >= count ? ' ' : (b[i] >= 32 && b[i] <= 127) ? char(b[i]) : char(1);
    char line[128];
    if (count == 16) {
        std::snprintf(line, sizeof line,
                      "%.8X: %.2X %.2X %.2X %.2X %.2X %.2X %.2X %.2X | "
                      "%.2X %.2X %.2X %.2X %.2X %.2X %.2X %.2X | %.16s",
                      offset, b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13],
                      b[14], b[15], text);
        return std::string(line) + "\r\n";
    }
    std::snprintf(line, sizeof line, "%.8X: ", offset);
    std::string s = line;
    for (int i = 0; i < 16; ++i) {
        if (i == 8)
            s += "| ";
        if (i < count) {
            std::snprintf(line, sizeof line, "%.2X ", b[i]);
            s += line;
        } else {
            s += "   ";
        }
    }
    return s + "| " + text + "\r\n";
}

std::string Reference(const std::string& data)
{
    std::string s;
    const auto* p = reinterpret_cast<const unsigned char*>(data.data());
    for (std::size_t off = 0; off < data.size(); off += 16)
        s += ReferenceLine(std::uint32_t(off), p + off, int(std::min<std::size_t>(16, data.size() - off)));
    return s;
}

class QuexelDump : public ::testing::Test {
protected:
    std::string dump(const std::string& bytes)
    {
        std::string text = loader.dump(bytes);
        EXPECT_TRUE(rec.boxes.empty()) << rec.boxes[0].text;
        return text;
    }
    RecordingPrompter rec;
    QuexelLoader loader{rec}; // the program's own folder, where the library is built
};

} // namespace

TEST_F(QuexelDump, EmptyInputGivesAnEmptyDump)
{
    EXPECT_EQ(dump(""), "");
}

TEST_F(QuexelDump, SixteenBytesAreOneLineAndSeventeenTwo)
{
    const std::string one = "00000000: 30 31 32 33 34 35 36 37 | 38 39 41 42 43 44 45 46 | "
                            "0123456789ABCDEF\r\n";
    EXPECT_EQ(dump("0123456789ABCDEF"), one);
    EXPECT_EQ(dump("0123456789ABCDEFG"),
              one + "00000010: 47" + Blanks(22) + "|" + Blanks(25) + "| G" + Blanks(15) + "\r\n");
    EXPECT_EQ(dump("ab"), "00000000: 61 62" + Blanks(19) + "|" + Blanks(25) + "| ab" + Blanks(14) + "\r\n");
    EXPECT_EQ(dump("012345678"),
              "00000000: 30 31 32 33 34 35 36 37 | 38" + Blanks(22) + "| " + "012345678" + Blanks(7) + "\r\n");
}

TEST_F(QuexelDump, TextColumnKeepsBlankToDelAndMarksTheRestWithCodeOne)
{
    std::string data = Bytes({0, 31, 32, 127, 128, 255, 'A', '~', 10, 13, 9, 'a', '\\', '%', '"', 1});
    EXPECT_EQ(dump(data), "00000000: 00 1F 20 7F 80 FF 41 7E | 0A 0D 09 61 5C 25 22 01 | "
                          "\x01\x01 \x7F\x01\x01"
                          "A~\x01\x01\x01"
                          "a\\%\"\x01\r\n");
}

TEST_F(QuexelDump, ZeroBytesAreData)
{
    const std::string line = " 00 00 00 00 00 00 00 00 | 00 00 00 00 00 00 00 00 | " + std::string(16, '\x01') + "\r\n";
    EXPECT_EQ(dump(std::string(32, '\0')), "00000000:" + line + "00000010:" + line);
}

TEST_F(QuexelDump, OffsetsHaveEightUpperCaseDigits)
{
    std::string data;
    for (int i = 0; i < 0x1A1; ++i)
        data += char(i);
    std::string text = dump(data);
    ASSERT_EQ(text.size(), 27u * 80);
    EXPECT_EQ(text.substr(1 * 80, 13), "00000010: 10 ");
    EXPECT_EQ(text.substr(10 * 80, 13), "000000A0: A0 ");
    EXPECT_EQ(text.substr(16 * 80, 13), "00000100: 00 ");
    EXPECT_EQ(text.substr(26 * 80, 13), "000001A0: A0 ");
    EXPECT_EQ(text, Reference(data));
}

TEST_F(QuexelDump, LargeRandomInputMatchesTheFormattedReference)
{
    std::mt19937 gen(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string data((1 << 20) + 13, '\0');
    for (char& c : data)
        c = char(byte(gen));
    std::string text = dump(data);
    ASSERT_EQ(text.size(), ((data.size() + 15) / 16) * 80);
    EXPECT_TRUE(text == Reference(data));
}

TEST(QuexelLibrary, StaysWithinTheCountAndTheBufferAndLeavesItUntouchedWhenEmpty)
{
    Entry entry = RawEntry();
    ASSERT_NE(entry, nullptr) << dlerror();

    // Exactly the count and the data, no terminator: a read past the count
    // or a write past the buffer is caught by the address sanitizer.
    const std::uint32_t n = 37;
    std::vector<unsigned char> counted(4 + n, 0);
    std::memcpy(counted.data(), &n, 4);
    counted[4 + 5] = 'x';
    std::vector<char> buffer(3 * 80);
    char* out = buffer.data();
    EXPECT_EQ(entry(counted.data() + 4, &out), 0);
    std::string text(buffer.begin(), buffer.end());
    EXPECT_EQ(text, Reference(std::string(counted.begin() + 4, counted.end())));

    const std::uint32_t zero = 0;
    unsigned char empty[5] = {};
    std::memcpy(empty, &zero, 4);
    std::string sentinel(80, '#');
    out = sentinel.data();
    EXPECT_EQ(entry(empty + 4, &out), 0);
    EXPECT_EQ(sentinel, std::string(80, '#'));
}

TEST(QuexelLibrary, ExportsFileToQuexelAlone)
{
    std::FILE* nm = popen("nm -D --defined-only '" QUEXEL_LIBRARY "'", "r");
    ASSERT_NE(nm, nullptr);
    std::set<std::string> names;
    char address[64], kind[8], name[512];
    while (std::fscanf(nm, "%63s %7s %511s", address, kind, name) == 3)
        names.insert(name);
    EXPECT_EQ(pclose(nm), 0);
    EXPECT_EQ(names, std::set<std::string>{"FileToQuexel"});
}

TEST(QuexelLoader, ReportsAMissingBrokenOrEntrylessLibraryInsteadOfDumping)
{
    TempDir empty, broken;
    broken.write("libQuexel.so", "not a library");
    struct Case {
        std::string folder;
        std::string start;
    } cases[] = {
        {empty.path(), "Error 53: File not found: " + empty.path() + "/libQuexel.so\r\n"},
        {broken.path(), "Error 48: Error in loading DLL: " + broken.path() + "/libQuexel.so"},
        {QUEXEL_NO_ENTRY_DIR, "Error 453: Can't find DLL entry point FileToQuexel in " +
                                  std::string(QUEXEL_NO_ENTRY_DIR) + "/libQuexel.so\r\n"},
    };
    for (const Case& c : cases) {
        RecordingPrompter rec;
        QuexelLoader loader(rec, c.folder);
        EXPECT_EQ(loader.dump("some bytes"), "");
        EXPECT_EQ(loader.dump(""), ""); // reported again: the library may have come since
        ASSERT_EQ(rec.boxes.size(), 2u) << c.folder;
        EXPECT_EQ(rec.boxes[0].title, "Error");
        EXPECT_EQ(rec.boxes[0].icon, MsgIcon::Critical);
        EXPECT_EQ(rec.boxes[0].text.rfind(c.start, 0), 0u) << rec.boxes[0].text;
        EXPECT_NE(rec.boxes[0].text.find("\r\nin CorvaneDisk.modQuexel.FileToQuexel.\r\n"), std::string::npos);
    }
}

TEST(QuexelLoader, RefusesInputBeyondTheThirtyTwoBitCount)
{
    // Address space only: the loader must refuse before it reads a byte.
    const std::size_t size = (std::size_t(1) << 32) + 1;
    void* p = mmap(nullptr, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(p, MAP_FAILED);
    RecordingPrompter rec;
    QuexelLoader loader(rec);
    EXPECT_EQ(loader.dump(std::string_view(static_cast<const char*>(p), size)), "");
    munmap(p, size);
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].text.rfind("Error 6: Overflow\r\n", 0), 0u) << rec.boxes[0].text;
}
