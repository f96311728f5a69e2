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
    EXPECT_EQ(first[0].itemText(), "All Files (*.*)" + std::string(50, ' ') + "\t*.*");
    EXPECT_EQ(first[1].Name, "Compressed archives"); // the store lists names sorted

    DeleteKey(HKEY_LOCAL_MACHINE, FileType + "\\All Files");
    CreateNewKey(HKEY_LOCAL_MACHINE, FileType + "\\No pattern");
    std::vector<FilterItem> some = LoadFilter();
    ASSERT_EQ(some.size(), 4u); // nothing seeded while one remains
    EXPECT_EQ(some[2].Name, "No pattern");
    EXPECT_EQ(some[2].itemText(), "No pattern ()" + std::string(50, ' ') + "\t");

    DeleteKey(HKEY_LOCAL_MACHINE, FileType);
    EXPECT_EQ(LoadFilter().size(), 4u);
}
