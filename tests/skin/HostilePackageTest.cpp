// Packages made to hurt: none writes a byte, none crashes, each gives one
// message, and the skin applied before stays in place.
#include "tests/skin/SkinTestSupport.h"

#include "engine/start/AppFolders.h"
#include "gui/ControlLookup.h"
#include "skin/art/BmpFile.h"

#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {
constexpr Rgb Blue = MakeRgb(0, 0, 255);
constexpr const char* UsesFond = "[Object]\r\npicFond=fond\r\n";

// Every file below root with its size, tmp/ left out.
std::map<std::string, std::uintmax_t> filesOutsideTmp(const std::string& root)
{
    std::map<std::string, std::uintmax_t> files;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::end(it); ++it) {
        const std::string path = it->path().string();
        if (path.rfind(root + "/tmp", 0) == 0)
            continue;
        files[path] = it->is_regular_file() ? it->file_size() : 0;
    }
    return files;
}

// Sets the size fields of member name in its local and central headers.
void declareSize(std::string& zip, const std::string& name, std::uint32_t size)
{
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            zip[at + std::size_t(i)] = char(v >> (8 * i));
    };
    for (std::size_t at = 0; (at = zip.find("PK", at)) != std::string::npos; ++at) {
        if (zip.compare(at, 4, "PK\3\4") == 0 && zip.compare(at + 30, name.size(), name) == 0)
            put32(at + 22, size);
        if (zip.compare(at, 4, "PK\1\2") == 0 && zip.compare(at + 46, name.size(), name) == 0)
            put32(at + 24, size);
    }
}

// A ZIP64 archive of count empty stored members, written directly: much
// faster than through libzip.
std::string manyEmptyMembers(unsigned count)
{
    auto put = [](std::string& s, std::uint64_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            s += char(v >> (8 * i));
    };
    std::string zip, directory;
    for (unsigned i = 0; i < count; ++i) {
        const std::string name = "m" + std::to_string(i);
        const std::size_t offset = zip.size();
        zip += "PK\3\4";
        put(zip, 20, 2), put(zip, 0, 2), put(zip, 0, 2), put(zip, 0, 2), put(zip, 0x21, 2); // stored, 1 Jan 1980
        put(zip, 0, 12), put(zip, name.size(), 2), put(zip, 0, 2);                          // CRC and sizes 0
        zip += name;
        directory += "PK\1\2";
        put(directory, 20, 2), put(directory, 20, 2), put(directory, 0, 4), put(directory, 0, 2);
        put(directory, 0x21, 2), put(directory, 0, 12), put(directory, name.size(), 2), put(directory, 0, 8);
        put(directory, 0, 4), put(directory, offset, 4);
        directory += name;
    }
    const std::size_t start = zip.size();
    zip += directory;
    const std::size_t end64 = zip.size();
    zip += "PK\6\6";
    put(zip, 44, 8), put(zip, 45, 2), put(zip, 45, 2), put(zip, 0, 8);
    put(zip, count, 8), put(zip, count, 8), put(zip, directory.size(), 8), put(zip, start, 8);
    zip += "PK\6\7";
    put(zip, 0, 4), put(zip, end64, 8), put(zip, 1, 4);
    zip += "PK\5\6";
    put(zip, 0, 4), put(zip, 0xFFFFFFFF, 4), put(zip, directory.size(), 4), put(zip, start, 4), put(zip, 0, 2);
    return zip;
}

class HostilePackageTest : public SkinTest {
protected:
    void SetUp() override
    {
        writeSkin("good.zip", "[MainSize]\r\nWidth=4500\r\nHeight=3000\r\n[Object]\r\npicBouton=b,b,b\r\npicFond=b\r\n",
                  {{"b", Blue}});
        load("good.zip", true);
        ASSERT_TRUE(takeMessages().empty());
    }

    // Loads a package while the program runs and checks what every hostile
    // package must leave alone; returns the one message.
    std::string loadHostile(const std::string& name)
    {
        const auto before = filesOutsideTmp(home.path());
        load(name, false);
        EXPECT_EQ(filesOutsideTmp(home.path()), before) << name;
        EXPECT_TRUE(fs::is_empty(Folders().TmpPath)) << name;
        EXPECT_EQ(main().size(), QSize(300, 200)) << name;
        EXPECT_EQ(TopLeft(control(main(), "BWSearch").property("PictureOut").value<QPixmap>()), Blue) << name;
        const std::vector<std::string> messages = takeMessages();
        EXPECT_EQ(messages.size(), 1u) << name;
        return messages.empty() ? std::string() : messages.front();
    }

    bool stillBlue() { return TopLeft(main().property("Picture").value<QPixmap>()) == Blue; }
};
} // namespace

TEST_F(HostilePackageTest, MembersOutsideTheTopOrLinksAreNeverSeen)
{
    const std::string bmp = SolidBmp(16, 10, MakeRgb(255, 0, 0));
    writePackage("escape.zip",
                 {{"CorvaneDisk.ini", "[MainSize]\r\nWidth=4500\r\nHeight=3000\r\n" + std::string(UsesFond) +
                                          "picFondSave=sub/fond\r\npicFondEdit=../fond\r\npicGH=sub\\fond\r\n"},
                  {"../fond.bmp", bmp},
                  {"../../outside.bmp", bmp},
                  {"/tmp/corvane-hostile-skin.bmp", bmp},
                  {"..\\fond.bmp", bmp},
                  {"sub\\fond.bmp", bmp},
                  {"sub/fond.bmp", bmp},
                  {"fond.bmp", "/etc/passwd", true}});
    const std::string m = loadHostile("escape.zip");
    for (const char* missing :
         {"=fond: fond.bmp: missing", "sub/fond.bmp: missing", "../fond.bmp: missing", "sub\\fond.bmp: missing"})
        EXPECT_NE(m.find(missing), std::string::npos) << missing << "\n" << m;
    EXPECT_TRUE(stillBlue());
    EXPECT_FALSE(fs::exists("/tmp/corvane-hostile-skin.bmp"));
}

TEST_F(HostilePackageTest, ArchivesThatCouldExhaustMemoryOrAreNoArchivesAreRefusedWhole)
{
    writePackage("bomb.zip", {{"CorvaneDisk.ini", UsesFond}, {"fond.bmp", SolidBmp(16, 10, 0)}});
    std::string bytes = ReadFileBytes(Folders().SkinPath + "bomb.zip");
    declareSize(bytes, "fond.bmp", 1u << 30);
    home.write("skin/bomb.zip", bytes);

    home.write("skin/many.zip", manyEmptyMembers(100000));

    std::string whole = ReadFileBytes(Folders().SkinPath + "good.zip");
    home.write("skin/cut.zip", whole.substr(0, whole.size() / 2));
    home.write("skin/text.zip", "[MainSize]\r\nWidth=1\r\n");
    home.write("skin/empty.zip", "");
    fs::create_directories(home.file("skin/folder.zip"));

    const std::pair<const char*, const char*> cases[] = {
        {"bomb.zip", "fond.bmp would unpack to more than 32 MB"},
        {"many.zip", "more than 1000 members"},
        {"cut.zip", "cannot be used"},
        {"text.zip", "cannot be used"},
        {"empty.zip", "cannot be used"},
        {"folder.zip", "not a file"},
        {"../good.zip", "not a file of the skin folder"},
    };
    for (const auto& [name, reason] : cases) {
        const std::string m = loadHostile(name);
        EXPECT_NE(m.find("cannot be used"), std::string::npos) << m;
        EXPECT_NE(m.find(reason), std::string::npos) << m;
        EXPECT_TRUE(stillBlue()) << name;
    }
}

TEST_F(HostilePackageTest, DamagedMembersAndBitmapsAreLeftOutAndTheRestApplied)
{
    std::string huge = SolidBmp(1, 1, 0);
    huge.replace(18, 8, std::string("\xFF\xFF\0\0\xFF\xFF\0\0", 8)); // 65535 x 65535, one pixel of data
    std::string none = SolidBmp(1, 1, 0);
    none.replace(18, 8, std::string(8, '\0'));
    std::string wrong = SolidBmp(5, 10, 0);
    wrong.replace(18, 4, std::string("\xFB\xFF\xFF\xFF", 4)); // width -5
    std::string cut = SolidBmp(300, 300, 0);
    cut.resize(cut.size() / 2);
    writePackage(
        "broken.zip",
        {{"CorvaneDisk.ini", "[MainSize]\r\nWidth=4500\r\nHeight=3000\r\n[Object]\r\npicFond=huge\r\n"
                             "picFondSave=none\r\npicFondEdit=cut\r\npicGH=text\r\npicG=wrong\r\npicBouton=b,b,b\r\n"},
         {"huge.bmp", huge},
         {"none.bmp", none},
         {"cut.bmp", cut},
         {"text.bmp", "BM not really"},
         {"wrong.bmp", wrong},
         {"b.bmp", SolidBmp(16, 10, Blue)}});
    // A member whose packed data is damaged: its check sum no longer matches.
    writePackage("crc.zip", {{"CorvaneDisk.ini", "[MainSize]\r\nWidth=4500\r\nHeight=3000\r\n" + std::string(UsesFond)},
                             {"fond.bmp", SolidBmp(16, 10, 0)}});
    std::string crc = ReadFileBytes(Folders().SkinPath + "crc.zip");
    crc[crc.find("fond.bmp") + 20] ^= 0x55;
    home.write("skin/crc.zip", crc);

    const std::string m = loadHostile("broken.zip");
    EXPECT_NE(m.find("huge.bmp: a picture of 65535 x 65535 pixels"), std::string::npos) << m;
    EXPECT_NE(m.find("none.bmp: a picture of 0 x 0 pixels"), std::string::npos) << m;
    EXPECT_NE(m.find("cut.bmp: cut short"), std::string::npos) << m;
    EXPECT_NE(m.find("text.bmp: not a bitmap"), std::string::npos) << m;
    EXPECT_NE(m.find("wrong.bmp: a picture of -5 x 10 pixels"), std::string::npos) << m;
    EXPECT_TRUE(stillBlue());
    EXPECT_NE(loadHostile("crc.zip").find("fond.bmp"), std::string::npos);
    EXPECT_TRUE(stillBlue());
}

TEST_F(HostilePackageTest, NamesMadeOnWindowsAreFoundWhateverTheirCase)
{
    writePackage("upper.zip",
                 {{"CORVANEDISK.INI", "[MAINSIZE]\r\nWIDTH=3000\r\nHEIGHT=1500\r\n[OBJECT]\r\nPICFOND=FOND\r\n"},
                  {"FOND.BMP", SolidBmp(16, 10, MakeRgb(255, 0, 0))}});
    load("upper.zip", false);
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(main().size(), QSize(200, 100));
    EXPECT_EQ(TopLeft(main().property("Picture").value<QPixmap>()), MakeRgb(255, 0, 0));
}

TEST_F(HostilePackageTest, AJunkDescriptionAppliesNothingOfItsJunk)
{
    std::string junk;
    for (int i = 0; i < 200000; ++i)
        junk += char((i * 7919) % 251);
    junk += "\r\n[MainPos]\r\nBWSearch=1,2,3,4,5,6\r\nBWStop=\xFF\xFE,\x01\r\n[FindSize]\r\nColor=1,2\r\n";
    writePackage("junk.zip", {{"CorvaneDisk.ini", junk}});
    window("frmFind"); // open: the pass makes it again and skins it
    load("junk.zip", false);
    EXPECT_EQ(control(main(), "BWSearch").pos(), QPoint(0, 0));
    const std::vector<std::string> messages = takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("[FindSize] Color=1,2: not a colour"), std::string::npos);
    EXPECT_NE(messages[0].find("BWStop"), std::string::npos);
}

TEST_F(HostilePackageTest, AHugeValueIsCutAndQuotedOnlyInPart)
{
    const std::string huge(20u << 20, '7'), large(5u << 20, '7');
    writePackage("huge.zip", {{"CorvaneDisk.ini", "[MainSize]\r\nWidth=" + huge + "\r\nHeight=x" + large +
                                                      "\r\n[MainPos]\r\nBWSearch=" + large +
                                                      "\r\n[Object]\r\npicFond=" + std::string(3000, 'f') + "\r\n"}});
    load("huge.zip", false);
    const std::vector<std::string> messages = takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_LT(messages[0].size(), 1000u);
    EXPECT_NE(messages[0].find("[MainSize] Width=7777"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("[MainSize] Height=x777"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("BWSearch=777"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("picFond=fff"), std::string::npos) << messages[0];
    EXPECT_EQ(main().size(), QSize(361, 203)); // the default size
}
