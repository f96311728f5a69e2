// The default skin package as the options dialog and the build write it,
// read back with libzip and by hand.
#include "engine/start/AppFolders.h"
#include "skin/default/DefaultSkinPackage.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include <QCryptographicHash>
#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {
struct Expected {
    const char* name;
    int width, height, bits;
};

// The members in the order the package holds them, with each bitmap's size and depth.
const Expected Members[] = {
    {"boutondown.bmp", 16, 10, 8},
    {"boutonin.bmp", 16, 10, 8},
    {"boutonup.bmp", 16, 10, 8},
    {"fond.bmp", 362, 204, 8},
    {"fond_b.bmp", 1248, 4, 8},
    {"fond_d.bmp", 4, 1024, 8},
    {"fond_db.bmp", 16, 16, 24},
    {"fond_dh.bmp", 6, 19, 8},
    {"fond_g.bmp", 5, 1024, 8},
    {"fond_gb.bmp", 7, 5, 8},
    {"fond_gh.bmp", 5, 19, 8},
    {"fond_h.bmp", 1248, 19, 8},
    {"fond_save.bmp", 183, 204, 8},
    {"checkedin.bmp", 16, 10, 8},
    {"checkedout.bmp", 16, 10, 8},
    {"uncheckedin.bmp", 16, 10, 8},
    {"uncheckedout.bmp", 16, 10, 8},
    {"layer_select_cat.bmp", 21, 47, 8},
    {"layer_select_find.bmp", 21, 47, 8},
    {"layer_select_lib.bmp", 21, 47, 8},
    {"layer_unselect_cat.bmp", 21, 47, 8},
    {"layer_unselect_find.bmp", 21, 47, 8},
    {"layer_unselect_lib.bmp", 21, 47, 8},
    {"xdown.bmp", 7, 7, 8},
    {"xin.bmp", 7, 7, 8},
    {"xmaxdown.bmp", 9, 7, 8},
    {"xmaxin.bmp", 9, 7, 8},
    {"xmaxout.bmp", 9, 7, 8},
    {"xmindown.bmp", 9, 7, 8},
    {"xminin.bmp", 9, 7, 8},
    {"xminout.bmp", 9, 7, 8},
    {"xout.bmp", 7, 7, 8},
    {"fond_edit.bmp", 335, 66, 8},
    {"mainmask.bmp", 362, 204, 1},
    {"CorvaneDisk.ini", 0, 0, 0},
};

// SHA-256 of the description; its text was compared line by line with the
// table it comes from (CR LF after every line, an empty line after each
// section, "Width = 5040" and "Height = 990" with their blanks).
constexpr const char* DescriptionSha256 = "f6a19aee708f77c4eea0c5dbdb9c84bf7dc0e2969b6ae8bf26a02be73318ae0c";

std::uint32_t le(const std::string& b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | std::uint8_t(b[at + std::size_t(i)]);
    return v;
}

struct CentralEntry {
    std::string name;
    unsigned flags, method;
};

// The central directory as it stands in the file.
std::vector<CentralEntry> centralDirectory(const std::string& zip)
{
    const std::size_t end = zip.rfind(std::string("PK\5\6", 4));
    std::vector<CentralEntry> entries;
    if (end == std::string::npos)
        return entries;
    std::size_t at = le(zip, end + 16, 4);
    for (unsigned n = le(zip, end + 10, 2); n > 0 && zip.compare(at, 4, "PK\1\2") == 0; --n) {
        const std::size_t nameLength = le(zip, at + 28, 2);
        entries.push_back({zip.substr(at + 46, nameLength), le(zip, at + 8, 2), le(zip, at + 10, 2)});
        at += 46 + nameLength + le(zip, at + 30, 2) + le(zip, at + 32, 2);
    }
    return entries;
}

std::string readMember(zip_t* zip, zip_uint64_t index)
{
    zip_stat_t st;
    EXPECT_EQ(zip_stat_index(zip, index, 0, &st), 0);
    std::string data(std::size_t(st.size), '\0');
    zip_file_t* f = zip_fopen_index(zip, index, 0);
    EXPECT_NE(f, nullptr);
    EXPECT_EQ(zip_fread(f, data.data(), st.size), zip_int64_t(st.size));
    zip_fclose(f);
    return data;
}

class DefaultPackageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetAppFolders(home.path());
        CreateOutputFolders();
    }
    RecordingPrompter prompter;
    TempDir home;
};
} // namespace

TEST_F(DefaultPackageTest, HoldsItsMembersInOrderUnderBareNamesDeflatedAtTheStrongestLevel)
{
    home.write("tmp/leftover.bmp", "x");
    home.write("tmp/sub/kept.txt", "x");
    ASSERT_TRUE(GenerateDefaultSkin(prompter, Folders()));
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_FALSE(fs::exists(home.file("tmp/leftover.bmp")));
    EXPECT_TRUE(fs::exists(home.file("tmp/sub/kept.txt")));

    const std::string bytes = home.read("skin/CorvaneDisk.zip");
    const std::vector<CentralEntry> entries = centralDirectory(bytes);
    ASSERT_EQ(entries.size(), std::size(Members));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].name, Members[i].name);
        EXPECT_EQ(entries[i].method, 8u) << Members[i].name;         // deflated
        EXPECT_EQ(entries[i].flags & 0x6u, 0x2u) << Members[i].name; // the maximum compression option
    }

    int error = 0;
    zip_t* zip = zip_open(home.file("skin/CorvaneDisk.zip").c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    ASSERT_NE(zip, nullptr) << error;
    for (std::size_t i = 0; i + 1 < std::size(Members); ++i) {
        const std::string bmp = readMember(zip, i);
        const Expected& e = Members[i];
        ASSERT_GE(bmp.size(), 54u) << e.name;
        EXPECT_EQ(bmp.substr(0, 2), "BM") << e.name;
        EXPECT_EQ(le(bmp, 2, 4), bmp.size()) << e.name;
        EXPECT_EQ(int(le(bmp, 18, 4)), e.width) << e.name;
        EXPECT_EQ(int(le(bmp, 22, 4)), e.height) << e.name;
        EXPECT_EQ(int(le(bmp, 28, 2)), e.bits) << e.name;
        EXPECT_EQ(le(bmp, 30, 4), 0u) << e.name; // not compressed
    }
    const std::string description = readMember(zip, std::size(Members) - 1);
    zip_close(zip);
    EXPECT_EQ(QCryptographicHash::hash(QByteArray::fromStdString(description), QCryptographicHash::Sha256).toHex(),
              DescriptionSha256);
    EXPECT_TRUE(description.starts_with("[MainSize]\r\nWidth=5415\r\nHeight=3045\r\n\r\n[MainPos]\r\n"));
    EXPECT_TRUE(description.ends_with("\r\npicH=fond_h\r\n\r\n"));
}

TEST_F(DefaultPackageTest, EveryBuildGivesTheSameBytes)
{
    EXPECT_EQ(BuildDefaultSkinPackage(), BuildDefaultSkinPackage());
}

TEST_F(DefaultPackageTest, AFailedWriteSaysSoAndLeavesWhatWasThere)
{
    home.write("skin", "a file where the folder should be");
    EXPECT_FALSE(GenerateDefaultSkin(prompter, Folders()));
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_NE(prompter.boxes[0].text.find("could not be written"), std::string::npos);
    EXPECT_EQ(home.read("skin"), "a file where the folder should be");

    fs::remove(home.file("skin"));
    home.write("skin/CorvaneDisk.zip/inside", "a folder in the package's place");
    prompter.boxes.clear();
    EXPECT_FALSE(GenerateDefaultSkin(prompter, Folders()));
    EXPECT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(home.read("skin/CorvaneDisk.zip/inside"), "a folder in the package's place");
    std::size_t files = 0;
    for (auto it = fs::directory_iterator(home.file("skin")); it != fs::end(it); ++it)
        ++files;
    EXPECT_EQ(files, 1u); // no temporary file left beside it
}
