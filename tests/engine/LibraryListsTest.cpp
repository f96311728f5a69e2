#include "engine/library/LibraryLists.h"
#include "engine/registry/Registry.h"
#include "platform/settings/RegStore.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
const std::string FileType = std::string(AppRegKey) + "\\FileType";

class LibraryListsTest : public ::testing::Test {
protected:
    void SetUp() override { RegStore::SetInstancePath(dir.file("registry.reg")); }
    TempDir dir;
};
} // namespace

TEST_F(LibraryListsTest, CatalogsAreDatFilesInByteOrder)
{
    for (const char* name : {"b.dat", "A.DAT", "a.dat", "notes.txt", "x.dat.bak", "Z.Dat", ".dat"})
        dir.write(std::string("dat/") + name, "");
    std::filesystem::create_directories(dir.file("dat/folder.dat"));
    std::vector<std::string> expected{"A.DAT", "Z.Dat", "a.dat", "b.dat"};
    EXPECT_EQ(ListCatalogFiles(dir.file("dat/")), expected);
    EXPECT_TRUE(ListCatalogFiles(dir.file("none/")).empty());

    std::vector<std::string> combo = LoadListDAT("(All)", dir.file("dat/"));
    ASSERT_EQ(combo.size(), 5u);
    EXPECT_EQ(combo.front(), "(All)");
    EXPECT_EQ(LoadListDAT("(All)", dir.file("none/")), std::vector<std::string>{"(All)"});
}

TEST_F(LibraryListsTest, FiltersAreSeededOnlyWhenNoneIsLeft)
{
    std::vector<FilterItem> first = LoadFilter();
    ASSERT_EQ(first.size(), 4u);
    EXPECT_EQ(first[0].Name, "All Files");
    EXPECT_EQ(first[0].Pattern, "*.*");
    EXPECT_EQ(first[1].Name, "Compressed archives"); // the store lists names sorted

    DeleteKey(HKEY_LOCAL_MACHINE, FileType + "\\All Files");
    CreateNewKey(HKEY_LOCAL_MACHINE, FileType + "\\No pattern");
    std::vector<FilterItem> some = LoadFilter();
    ASSERT_EQ(some.size(), 4u); // nothing seeded while one remains
    EXPECT_EQ(some[2].Name, "No pattern");
    EXPECT_EQ(some[2].Pattern, "");

    DeleteKey(HKEY_LOCAL_MACHINE, FileType);
    EXPECT_EQ(LoadFilter().size(), 4u);
}

TEST_F(LibraryListsTest, EveryCatalogGetsARowBrokenOnesWithEmptyFields)
{
    std::string header = ">Fixed\r\n>Serial 1\r\n>Volume (no label)\r\n>Free 10 MB\r\n>Total 20 MB\r\n"
                         ">Root Dir B:\\data\r\n>Recursive True\r\n>Zip Content False\r\n"
                         ">Enable Comment False\r\n>Search *.*\r\n>Comment one\x01two\r\n";
    dir.write("dat/a_floppy.dat", header);
    dir.write("dat/b_broken.dat", "not a catalog\r\n");
    dir.write("dat/c_empty.dat", "");
    std::string ram = header;
    ram.replace(1, 5, "Ram Disk");
    dir.write("dat/d_ram.dat", ram);

    std::vector<LibraryRow> rows = LoadListLib(dir.file("dat/"));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].IconKey, "A"); // a fixed disk on B:
    EXPECT_EQ(rows[0].Free, "10 MB");
    EXPECT_EQ(rows[0].Comment, "one\x01two"); // still encoded
    EXPECT_TRUE(rows[0].readable);
    for (int i : {1, 2}) {
        EXPECT_FALSE(rows[i].readable);
        EXPECT_EQ(rows[i].IconKey, "UNKNOWN");
        EXPECT_EQ(rows[i].RootDir, "");
    }
    EXPECT_EQ(rows[3].IconKey, "UNKNOWN"); // no icon for a RAM disk
    EXPECT_EQ(rows[3].Free, "10 MB");
    EXPECT_EQ(DiskIconKey("Removable", "A:"), "REMOVABLE");
}
