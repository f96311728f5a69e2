#pragma once
// The one table of persistent settings: where each value lives in the store,
// its type, when it is defaulted and how it is read; the default itself is
// the AppSettings member's initial value. The start-up reads (and defaults)
// through it, the shutdown writes through it, the options pages edit the
// same holders; everything else names a value by its SettingId.

#include "engine/settings/AppSettings.h"
#include "engine/settings/SettingId.h"
#include "engine/settings/SettingPlace.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

enum class SettingTest {
    None,          // never defaulted
    Missing,       // defaulted when the value does not exist
    MissingOrEmpty // ... or holds the empty text
};

enum class SettingConversion {
    TrueOnly,    // true only for the text "True"
    GeneralBool, // "True"/"False" in any case, or a number (not 0 = true)
    Int16,
    Int32,
    Text,
    Twips, // a decimal number, maybe with a fraction
};

using SettingHolder = std::variant<bool*, int*, std::uint32_t*, std::string*, StoredTwips*>;

struct SettingDef {
    SettingId id;
    std::string_view key;   // below the program's own key
    std::string_view value; // "" is the key's default value
    int type;               // REG_SZ or REG_DWORD
    SettingTest test;
    SettingConversion conversion;
    SettingHolder (*holder)(AppSettings&);
};

// A stored number with a decimal point ("1500", "150.5"; blanks round it),
// as places and column widths are kept; nullopt for anything else, a
// decimal comma included.
std::optional<double> ParseDecimal(std::string_view text);

// Every setting, in the order the start-up reads them.
std::span<const SettingDef> SettingsTable();
// Where the store keeps the value.
SettingPlace PlaceOf(SettingId id);

struct StartupReadResult {
    std::vector<const SettingDef*> defaulted;  // missing: the default was written
    std::vector<const SettingDef*> unreadable; // no conversion: default kept, not rewritten
    bool wasDefaulted(SettingId id) const;
};

// Reads every defaulted value into its holder, writing the default of each
// missing one first; then the values that are never defaulted (places, column
// widths, "View") when they are stored.
StartupReadResult ReadSettingsAtStartup(AppSettings& settings);

// Writes the values the windows change, in the shutdown's order; values still
// unknown (a place never stored) are left out. Each write goes on even when
// an earlier one failed.
void WriteSettingsAtExit(AppSettings& settings);
// One of the values WriteSettingsAtExit writes.
bool WrittenAtExit(SettingId id);

// One value, converted as the table says (the options pages and the tray
// menu store single values as they change).
void WriteSetting(SettingId id, AppSettings& settings);
// The default the start-up writes for a missing value.
void WriteDefault(SettingId id);
// "True" or "False" as text, as the options' check boxes store their flags
// whatever type the value's default has ("RandomSkin" starts as a number).
void WriteFlag(SettingId id, bool on);
