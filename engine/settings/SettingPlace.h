#pragma once
// Where one value lives in the settings store, below the program's own key:
// the place of a row of the settings table, or of a value of the families
// the table has no row for (recent searches, file types).

#include "engine/registry/Registry.h"

#include <string>
#include <string_view>
#include <vector>

class SettingPlace {
public:
    // key below the program's own key; value "" is the key's default value.
    SettingPlace(std::string key, std::string_view value, int type);

    // The value as the store holds it now (another program may have changed it).
    RegValue stored() const;
    // The stored value is exactly the text "True".
    bool isTrue() const;
    // Stores text with the place's type, creating the key first.
    void write(std::string_view text) const;
    // The key alone, without the value.
    void createKey() const;
    // The key with all below it.
    void removeKey() const;

private:
    std::string key_; // the full path
    std::string value_;
    int type_;
};

// "Search\Recent1" is the newest search, then "Recent2"...
SettingPlace RecentSearchPlace(int n);
// The patterns of the named file filter.
SettingPlace FileTypePlace(std::string_view name);
// The names of the stored file filters, sorted.
std::vector<std::string> FileTypeNames();
