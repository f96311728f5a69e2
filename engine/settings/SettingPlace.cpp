#include "engine/settings/SettingPlace.h"

namespace {
constexpr std::string_view FileTypes = "FileType";
} // namespace

SettingPlace::SettingPlace(std::string key, std::string_view value, int type)
    : key_(std::string(AppRegKey) + "\\" + key), value_(value), type_(type)
{
}

RegValue SettingPlace::stored() const
{
    return QueryValue(HKEY_LOCAL_MACHINE, key_, value_);
}

bool SettingPlace::isTrue() const
{
    return RegFlag(HKEY_LOCAL_MACHINE, key_, value_);
}

void SettingPlace::write(std::string_view text) const
{
    createKey();
    SetKeyValue(HKEY_LOCAL_MACHINE, key_, value_, text, type_);
}

void SettingPlace::createKey() const
{
    CreateNewKey(HKEY_LOCAL_MACHINE, key_);
}

void SettingPlace::removeKey() const
{
    DeleteKey(HKEY_LOCAL_MACHINE, key_);
}

SettingPlace RecentSearchPlace(int n)
{
    return {"Search\\Recent" + std::to_string(n), "", REG_SZ};
}

SettingPlace FileTypePlace(std::string_view name)
{
    return {std::string(FileTypes) + "\\" + std::string(name), "", REG_SZ};
}

std::vector<std::string> FileTypeNames()
{
    std::vector<std::string> names;
    EnumKeys(HKEY_LOCAL_MACHINE, std::string(AppRegKey) + "\\" + std::string(FileTypes), names);
    names.pop_back(); // the empty slot after the names
    return names;
}
