#include "engine/registry/Registry.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/settings/RegStore.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {
const std::string Option = std::string(AppRegKey) + "\\Option";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RegStore::SetInstancePath(dir.file("registry.reg")); }
    TempDir dir;
};
} // namespace

TEST_F(RegistryTest, MissingValueIsEmptyAndDiffersFromAnEmptyText)
{
    RegValue missing = QueryValue(HKEY_LOCAL_MACHINE, Option, "Recursive");
    EXPECT_TRUE(missing.isEmpty());
    EXPECT_TRUE(missing == "");
    EXPECT_EQ(missing.number(), 0);

    SetKeyValue(HKEY_LOCAL_MACHINE, Option, "Recursive", "False", REG_SZ);
    EXPECT_TRUE(QueryValue(HKEY_LOCAL_MACHINE, Option, "Recursive").isEmpty()); // no key yet
    CreateNewKey(HKEY_LOCAL_MACHINE, Option);
    SetKeyValue(HKEY_LOCAL_MACHINE, Option, "Recursive", "False", REG_SZ);
    RegValue v = QueryValue(HKEY_LOCAL_MACHINE, Option, "Recursive");
    EXPECT_EQ(v.kind(), RegValue::Kind::Text);
    EXPECT_EQ(v.text(), "False");
    EXPECT_FALSE(RegFlag(HKEY_LOCAL_MACHINE, Option, "Recursive"));

    SetKeyValue(HKEY_LOCAL_MACHINE, Option, "Empty", "", REG_SZ);
    RegValue empty = QueryValue(HKEY_LOCAL_MACHINE, Option, "Empty");
    EXPECT_EQ(empty.kind(), RegValue::Kind::Text);
    EXPECT_EQ(empty.text(), "");
}

TEST_F(RegistryTest, TypesStayApartAndDwordZeroSurvivesARestart)
{
    CreateNewKey(HKEY_LOCAL_MACHINE, Option);
    SetKeyValue(HKEY_LOCAL_MACHINE, Option, "MaxHit", "500", REG_DWORD);
    SetKeyValue(HKEY_LOCAL_MACHINE, Option, "Border", "0", REG_DWORD);
    SetKeyValue(HKEY_LOCAL_MACHINE, Option, "Left", "1200", REG_SZ);
    SetKeyValue(HKEY_LOCAL_MACHINE, Option, "Other", "x", 3);
    SetKeyValue(HKEY_LOCAL_MACHINE, Option, "Flag", std::string_view("True\0junk", 9), REG_SZ);

    RegStore::SetInstancePath(dir.file("registry.reg")); // a new process, as it were
    RegValue maxHit = QueryValue(HKEY_LOCAL_MACHINE, Option, "MaxHit");
    EXPECT_EQ(maxHit.kind(), RegValue::Kind::Number);
    EXPECT_EQ(maxHit.number(), 500);
    RegValue border = QueryValue(HKEY_LOCAL_MACHINE, Option, "Border");
    EXPECT_EQ(border.kind(), RegValue::Kind::Number);
    EXPECT_EQ(border.number(), 0);
    EXPECT_FALSE(border.isEmpty());
    EXPECT_EQ(QueryValue(HKEY_LOCAL_MACHINE, Option, "Left").kind(), RegValue::Kind::Text);
    EXPECT_TRUE(QueryValue(HKEY_LOCAL_MACHINE, Option, "Other").isEmpty());
    EXPECT_TRUE(RegFlag(HKEY_LOCAL_MACHINE, Option, "Flag"));
}

TEST_F(RegistryTest, DefaultValueKeysCaseAndKeyDeletion)
{
    CreateNewKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\CorvaneDisk\\FileType\\All Files");
    SetKeyValue(HKEY_LOCAL_MACHINE, "Software\\CorvaneDisk\\FileType\\All Files", "", "*.*", REG_SZ);
    SetKeyValue(HKEY_LOCAL_MACHINE, "SoftWare\\CorvaneDisk\\FileType\\All Files", "Keep", "1", REG_SZ);
    EXPECT_EQ(QueryValue(HKEY_LOCAL_MACHINE, "software\\corvanedisk\\filetype\\all files", "").text(), "*.*");
    EXPECT_EQ(QueryValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\CorvaneDisk\\FileType\\All Files", "Keep").text(), "1");
    DeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\CorvaneDisk\\FileType\\All Files");
    std::vector<std::string> names;
    EXPECT_EQ(EnumKeys(HKEY_LOCAL_MACHINE, "SOFTWARE\\CorvaneDisk\\FileType", names), 0);
    EXPECT_EQ(names, std::vector<std::string>{""});
}

TEST_F(RegistryTest, EnumKeysListsSubkeysInOrderWithOneEmptySlot)
{
    std::vector<std::string> names{"stale"};
    EXPECT_EQ(EnumKeys(HKEY_LOCAL_MACHINE, "SOFTWARE\\Missing", names), 0);
    EXPECT_EQ(names, std::vector<std::string>{""});

    CreateNewKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\CorvaneDisk\\FileType\\Text documents");
    CreateNewKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\CorvaneDisk\\FileType\\All Files");
    EXPECT_EQ(EnumKeys(HKEY_LOCAL_MACHINE, "SOFTWARE\\CorvaneDisk\\FileType", names), 2);
    EXPECT_EQ(names, (std::vector<std::string>{"All Files", "Text documents", ""}));

    // The two roots are separate trees.
    CreateNewKey(HKEY_CLASSES_ROOT, "Folder\\shell\\Catalog with CorvaneDisk\\command");
    EXPECT_EQ(EnumKeys(HKEY_LOCAL_MACHINE, "Folder", names), 0);
    EXPECT_EQ(EnumKeys(HKEY_CLASSES_ROOT, "Folder\\shell", names), 1);
}

TEST_F(RegistryTest, DwordsAreSigned32BitNumbersAndWhatDoesNotFitIsAnError)
{
    CreateNewKey(HKEY_LOCAL_MACHINE, Option);
    SetKeyValue(HKEY_LOCAL_MACHINE, Option, "Colour", "-2147483633", REG_DWORD); // a system colour
    SetKeyValue(HKEY_LOCAL_MACHINE, Option, "Minus", "-1", REG_DWORD);
    EXPECT_EQ(QueryValue(HKEY_LOCAL_MACHINE, Option, "Colour").number(), -2147483633);
    EXPECT_EQ(QueryValue(HKEY_LOCAL_MACHINE, Option, "Minus").number(), -1);
    EXPECT_EQ(QueryValue(HKEY_LOCAL_MACHINE, Option, "Minus").text(), "-1");

    auto errorOf = [](auto&& call) {
        try {
            call();
        } catch (const AppError& e) {
            return e.number();
        }
        return 0;
    };
    EXPECT_EQ(errorOf([] { SetKeyValue(HKEY_LOCAL_MACHINE, Option, "Big", "2147483648", REG_DWORD); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { SetKeyValue(HKEY_LOCAL_MACHINE, Option, "Big", "not a number", REG_DWORD); }),
              ErrTypeMismatch);
    EXPECT_TRUE(QueryValue(HKEY_LOCAL_MACHINE, Option, "Big").isEmpty());

    SetKeyValue(HKEY_LOCAL_MACHINE, Option, "Text", "99999999999", REG_SZ);
    EXPECT_EQ(errorOf([] { QueryValue(HKEY_LOCAL_MACHINE, Option, "Text").number(); }), ErrOverflow);
}
