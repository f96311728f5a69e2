#include "engine/settings/SettingsTable.h"

#include "engine/registry/Registry.h"
#include "engine/text/StringHelpers.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

namespace {

constexpr std::string_view Option = "Option";
constexpr std::string_view Pos = "Option\\Pos";

template <auto Member> SettingHolder Hold(AppSettings& s)
{
    return &(s.*Member);
}
template <auto Outer, auto Inner> SettingHolder HoldIn(AppSettings& s)
{
    return &((s.*Outer).*Inner);
}
template <auto Array, std::size_t I> SettingHolder HoldAt(AppSettings& s)
{
    return &(s.*Array)[I];
}

using I = SettingId;
using C = SettingConversion;
using T = SettingTest;
using S = AppSettings;
using R = ReportOptions;
using F = FontSetting;
using W = WindowPlace;

// Start-up order first (fonts, language, skins, search, check boxes, window
// behaviour, report, tray), then the values only the windows' own loads read.
constexpr SettingDef Table[] = {
    {I::FontNameLabel, Option, "FontNameLabel", REG_SZ, "Arial", T::MissingOrEmpty, C::Text,
     HoldIn<&S::FontLabel, &F::Name>, true},
    {I::FontBoldLabel, Option, "FontBoldLabel", REG_SZ, "False", T::MissingOrEmpty, C::TrueOnly,
     HoldIn<&S::FontLabel, &F::Bold>, true},
    {I::FontItalicLabel, Option, "FontItalicLabel", REG_SZ, "False", T::MissingOrEmpty, C::TrueOnly,
     HoldIn<&S::FontLabel, &F::Italic>, true},
    {I::FontColorLabel, Option, "FontColorLabel", REG_DWORD, "16777215", T::MissingOrEmpty, C::Int32,
     HoldIn<&S::FontLabel, &F::Color>, true},
    {I::FontSizeLabel, Option, "FontSizeLabel", REG_DWORD, "7", T::MissingOrEmpty, C::Int32,
     HoldIn<&S::FontLabel, &F::Size>, true},
    {I::FontNameTitle, Option, "FontNameTitle", REG_SZ, "Arial", T::MissingOrEmpty, C::Text,
     HoldIn<&S::FontTitle, &F::Name>, true},
    {I::FontBoldTitle, Option, "FontBoldTitle", REG_SZ, "False", T::MissingOrEmpty, C::TrueOnly,
     HoldIn<&S::FontTitle, &F::Bold>, true},
    {I::FontItalicTitle, Option, "FontItalicTitle", REG_SZ, "False", T::MissingOrEmpty, C::TrueOnly,
     HoldIn<&S::FontTitle, &F::Italic>, true},
    {I::FontColorTitle, Option, "FontColorTitle", REG_DWORD, "16777215", T::MissingOrEmpty, C::Int32,
     HoldIn<&S::FontTitle, &F::Color>, true},
    {I::FontSizeTitle, Option, "FontSizeTitle", REG_DWORD, "8", T::MissingOrEmpty, C::Int32,
     HoldIn<&S::FontTitle, &F::Size>, true},
    {I::Language, "Language", "", REG_SZ, "CorD_eng.lng", T::MissingOrEmpty, C::Text, Hold<&S::Language>, false},
    {I::Skins, "Skins", "", REG_SZ, "CorvaneDisk.zip", T::MissingOrEmpty, C::Text, Hold<&S::Skins>, false},
    {I::RecentCount, "Search", "", REG_DWORD, "5", T::Missing, C::Int32, Hold<&S::RecentCount>, false},
    {I::MaxHit, "Search", "MaxHit", REG_DWORD, "500", T::Missing, C::Int32, Hold<&S::MaxHit>, false},
    {I::Recursive, Option, "Recursive", REG_SZ, "False", T::Missing, C::TrueOnly, Hold<&S::Recursive>, true},
    {I::ZipContent, Option, "Zip Content", REG_SZ, "False", T::Missing, C::TrueOnly, Hold<&S::ZipContent>, true},
    {I::EnableComment, Option, "Enable Comment", REG_SZ, "False", T::Missing, C::TrueOnly, Hold<&S::EnableComment>,
     true},
    {I::SortResult, Option, "Sort Result", REG_SZ, "False", T::Missing, C::TrueOnly, Hold<&S::SortResult>, true},
    {I::IgnoreMaxHit, Option, "Ignore MaxHit", REG_SZ, "False", T::Missing, C::TrueOnly, Hold<&S::IgnoreMaxHit>, true},
    {I::RandomSkin, Option, "RandomSkin", REG_DWORD, "1", T::MissingOrEmpty, C::GeneralBool, Hold<&S::RandomSkin>,
     false},
    {I::OnTop, Option, "OnTop", REG_SZ, "False", T::MissingOrEmpty, C::TrueOnly, Hold<&S::OnTop>, false},
    {I::BorderMagnetic, Option, "BorderMagnetic", REG_SZ, "True", T::MissingOrEmpty, C::TrueOnly,
     Hold<&S::BorderMagnetic>, false},
    {I::DevChange, Option, "DevChange", REG_SZ, "True", T::MissingOrEmpty, C::TrueOnly, Hold<&S::DevChange>, false},
    {I::Border, Option, "Border", REG_DWORD, "1", T::MissingOrEmpty, C::Int16, HoldIn<&S::Report, &R::Border>, true},
    {I::IncludeComment, Option, "IncludeComment", REG_DWORD, "0", T::MissingOrEmpty, C::Int16,
     HoldIn<&S::Report, &R::IncludeComment>, true},
    {I::IncludeDate, Option, "IncludeDate", REG_DWORD, "1", T::MissingOrEmpty, C::Int16,
     HoldIn<&S::Report, &R::IncludeDate>, true},
    {I::IncludeDisk, Option, "IncludeDisk", REG_DWORD, "0", T::MissingOrEmpty, C::Int16,
     HoldIn<&S::Report, &R::IncludeDisk>, true},
    {I::IncludeFile, Option, "IncludeFile", REG_DWORD, "1", T::MissingOrEmpty, C::Int16,
     HoldIn<&S::Report, &R::IncludeFile>, true},
    {I::IncludeDir, Option, "IncludeDir", REG_DWORD, "1", T::MissingOrEmpty, C::Int16,
     HoldIn<&S::Report, &R::IncludeDir>, true},
    {I::IncludeSize, Option, "IncludeSize", REG_DWORD, "1", T::MissingOrEmpty, C::Int16,
     HoldIn<&S::Report, &R::IncludeSize>, true},
    {I::ColumnSeparator, Option, "ColunmSep", REG_SZ, ";", T::MissingOrEmpty, C::Text,
     HoldIn<&S::Report, &R::ColumnSeparator>, true},
    {I::StyleHTML, Option, "StyleHTML", REG_SZ, "True", T::MissingOrEmpty, C::TrueOnly,
     HoldIn<&S::Report, &R::StyleHTML>, true},
    {I::HeaderBackColor, Option, "HeaderBackColor", REG_DWORD, "16777215", T::MissingOrEmpty, C::Int32,
     HoldIn<&S::Report, &R::HeaderBackColor>, true},
    {I::HeaderTextColor, Option, "HeaderTextColor", REG_DWORD, "0", T::MissingOrEmpty, C::Int32,
     HoldIn<&S::Report, &R::HeaderTextColor>, true},
    {I::FieldBackColor, Option, "FieldBackColor", REG_DWORD, "16777215", T::MissingOrEmpty, C::Int32,
     HoldIn<&S::Report, &R::FieldBackColor>, true},
    {I::FieldTextColor, Option, "FieldTextColor", REG_DWORD, "0", T::MissingOrEmpty, C::Int32,
     HoldIn<&S::Report, &R::FieldTextColor>, true},
    {I::ShowSysTray, Option, "ShowSysTray", REG_SZ, "True", T::MissingOrEmpty, C::GeneralBool, Hold<&S::ShowSysTray>,
     false},
    {I::ShowTaskBar, Option, "ShowTaskBar", REG_SZ, "True", T::MissingOrEmpty, C::GeneralBool, Hold<&S::ShowTaskBar>,
     false},
    {I::NumIconSysTray, Option, "NumIconSysTray", REG_DWORD, "2", T::MissingOrEmpty, C::Int16, Hold<&S::NumIconSysTray>,
     false},
    {I::View, Option, "View", REG_SZ, "", T::None, C::TrueOnly, Hold<&S::View>, true},
    {I::MainLeft, Pos, "MainLeft", REG_SZ, "", T::None, C::Twips, HoldIn<&S::Main, &W::Left>, true},
    {I::MainTop, Pos, "MainTop", REG_SZ, "", T::None, C::Twips, HoldIn<&S::Main, &W::Top>, true},
    {I::FindLeft, Pos, "FindLeft", REG_SZ, "", T::None, C::Twips, HoldIn<&S::Find, &W::Left>, true},
    {I::FindTop, Pos, "FindTop", REG_SZ, "", T::None, C::Twips, HoldIn<&S::Find, &W::Top>, true},
    {I::FindWidth, Pos, "FindWidth", REG_SZ, "", T::None, C::Twips, HoldIn<&S::Find, &W::Width>, true},
    {I::FindHeight, Pos, "FindHeight", REG_SZ, "", T::None, C::Twips, HoldIn<&S::Find, &W::Height>, true},
    {I::LibLeft, Pos, "LibLeft", REG_SZ, "", T::None, C::Twips, HoldIn<&S::Lib, &W::Left>, true},
    {I::LibTop, Pos, "LibTop", REG_SZ, "", T::None, C::Twips, HoldIn<&S::Lib, &W::Top>, true},
    {I::LibWidth, Pos, "LibWidth", REG_SZ, "", T::None, C::Twips, HoldIn<&S::Lib, &W::Width>, true},
    {I::LibHeight, Pos, "LibHeight", REG_SZ, "", T::None, C::Twips, HoldIn<&S::Lib, &W::Height>, true},
    {I::ViewLeft, Pos, "ViewLeft", REG_SZ, "", T::None, C::Twips, HoldIn<&S::Viewer, &W::Left>, true},
    {I::ViewTop, Pos, "ViewTop", REG_SZ, "", T::None, C::Twips, HoldIn<&S::Viewer, &W::Top>, true},
    {I::ViewWidth, Pos, "ViewWidth", REG_SZ, "", T::None, C::Twips, HoldIn<&S::Viewer, &W::Width>, true},
    {I::ViewHeight, Pos, "ViewHeight", REG_SZ, "", T::None, C::Twips, HoldIn<&S::Viewer, &W::Height>, true},
    {I::LVLibNameWidth, "LVLib", "NameWidth", REG_SZ, "", T::None, C::Twips, HoldAt<&S::LVLib, 0>, true},
    {I::LVLibDateWidth, "LVLib", "DateWidth", REG_SZ, "", T::None, C::Twips, HoldAt<&S::LVLib, 1>, true},
    {I::LVLibRootWidth, "LVLib", "RootWidth", REG_SZ, "", T::None, C::Twips, HoldAt<&S::LVLib, 2>, true},
    {I::LVLibFreeWidth, "LVLib", "FreeWidth", REG_SZ, "", T::None, C::Twips, HoldAt<&S::LVLib, 3>, true},
    {I::LVLibTotalWidth, "LVLib", "TotalWidth", REG_SZ, "", T::None, C::Twips, HoldAt<&S::LVLib, 4>, true},
    {I::LVLibCommentWidth, "LVLib", "CommentWidth", REG_SZ, "", T::None, C::Twips, HoldAt<&S::LVLib, 5>, true},
    {I::LVFindNameWidth, "LVFind", "NameWidth", REG_SZ, "", T::None, C::Twips, HoldAt<&S::LVFind, 0>, true},
    {I::LVFindDirWidth, "LVFind", "DirWidth", REG_SZ, "", T::None, C::Twips, HoldAt<&S::LVFind, 1>, true},
    {I::LVFindSizeWidth, "LVFind", "SizeWidth", REG_SZ, "", T::None, C::Twips, HoldAt<&S::LVFind, 2>, true},
    {I::LVFindDateWidth, "LVFind", "DateWidth", REG_SZ, "", T::None, C::Twips, HoldAt<&S::LVFind, 3>, true},
    {I::LVFindDiskIDWidth, "LVFind", "DiskIDWidth", REG_SZ, "", T::None, C::Twips, HoldAt<&S::LVFind, 4>, true},
    {I::LVFindCommentWidth, "LVFind", "CommentWidth", REG_SZ, "", T::None, C::Twips, HoldAt<&S::LVFind, 5>, true},
    {I::LVPathNameWidth, "LVPath", "NameWidth", REG_SZ, "", T::None, C::Twips, HoldAt<&S::LVPath, 0>, true},
    {I::LVPathSizeWidth, "LVPath", "SizeWidth", REG_SZ, "", T::None, C::Twips, HoldAt<&S::LVPath, 1>, true},
    {I::LVPathDateWidth, "LVPath", "DateWidth", REG_SZ, "", T::None, C::Twips, HoldAt<&S::LVPath, 2>, true},
    {I::LVPathCommentWidth, "LVPath", "CommentWidth", REG_SZ, "", T::None, C::Twips, HoldAt<&S::LVPath, 3>, true},
    {I::NextSkin, Option, "NextSkin", REG_SZ, "", T::None, C::Text, Hold<&S::NextSkin>, false},
};

// The shutdown's order of keys.
constexpr std::string_view ExitOrder[][2] = {
    {Option, "Recursive"},
    {Option, "Zip Content"},
    {Option, "Enable Comment"},
    {Option, "Sort Result"},
    {Option, "Ignore MaxHit"},
    {Pos, ""},
    {"LVLib", ""},
    {Option, "Border"},
    {Option, "IncludeComment"},
    {Option, "IncludeDate"},
    {Option, "IncludeDisk"},
    {Option, "IncludeFile"},
    {Option, "IncludeDir"},
    {Option, "IncludeSize"},
    {Option, "ColunmSep"},
    {Option, "StyleHTML"},
    {Option, "HeaderBackColor"},
    {Option, "HeaderTextColor"},
    {Option, "FieldBackColor"},
    {Option, "FieldTextColor"},
    {Option, "FontNameLabel"},
    {Option, "FontBoldLabel"},
    {Option, "FontItalicLabel"},
    {Option, "FontColorLabel"},
    {Option, "FontSizeLabel"},
    {Option, "FontNameTitle"},
    {Option, "FontBoldTitle"},
    {Option, "FontItalicTitle"},
    {Option, "FontColorTitle"},
    {Option, "FontSizeTitle"},
    {"LVFind", ""},
    {"LVPath", ""},
    {Option, "View"},
};

constexpr bool RowsInIdOrder()
{
    for (std::size_t i = 0; i < std::size(Table); ++i)
        if (Table[i].id != SettingId(i))
            return false;
    return std::size(Table) == std::size_t(SettingId::Count);
}
static_assert(RowsInIdOrder(), "one row per SettingId, in its order");

const SettingDef& Row(SettingId id)
{
    return Table[std::size_t(id)];
}

SettingPlace PlaceOf(const SettingDef& def)
{
    return {std::string(def.key), def.value, def.type};
}

bool SameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// A number as stored: a DWORD reads as signed 32 bits, a text as a decimal
// number rounded to the nearest whole number (halves to even).
std::optional<std::int64_t> AsWholeNumber(const RegValue& v)
{
    if (v.kind() == RegValue::Kind::Number)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(v.number()));
    std::optional<double> d = ParseDecimal(v.text());
    if (!d || std::fabs(*d) > 9.2e18)
        return std::nullopt;
    return static_cast<std::int64_t>(std::nearbyint(*d));
}

// The holder's new value, or false when the stored value cannot be converted.
bool Convert(const SettingDef& def, const RegValue& v, const SettingHolder& h)
{
    switch (def.conversion) {
    case C::TrueOnly:
        *std::get<bool*>(h) = v.kind() == RegValue::Kind::Text && v.text() == "True";
        return true;
    case C::GeneralBool:
        if (v.kind() == RegValue::Kind::Text && SameText(TrimBlanks(v.text()), "True")) {
            *std::get<bool*>(h) = true;
        } else if (v.kind() == RegValue::Kind::Text && SameText(TrimBlanks(v.text()), "False")) {
            *std::get<bool*>(h) = false;
        } else if (auto n = AsWholeNumber(v)) {
            *std::get<bool*>(h) = *n != 0;
        } else {
            return false;
        }
        return true;
    case C::Int16:
    case C::Int32: {
        std::optional<std::int64_t> n = AsWholeNumber(v);
        std::int64_t lo = def.conversion == C::Int16 ? std::numeric_limits<std::int16_t>::min()
                                                     : std::numeric_limits<std::int32_t>::min();
        std::int64_t hi = def.conversion == C::Int16 ? std::numeric_limits<std::int16_t>::max()
                                                     : std::numeric_limits<std::int32_t>::max();
        if (!n || *n < lo || *n > hi)
            return false;
        if (auto* i = std::get_if<int*>(&h))
            **i = static_cast<int>(*n);
        else
            *std::get<std::uint32_t*>(h) = static_cast<std::uint32_t>(*n);
        return true;
    }
    case C::Text:
        *std::get<std::string*>(h) = v.text();
        return true;
    case C::Twips:
        *std::get<StoredTwips*>(h) = ParseDecimal(v.text());
        return true;
    }
    return false;
}

std::string TwipsText(double v)
{
    if (v == std::floor(v) && std::fabs(v) < 1e15)
        return std::to_string(static_cast<long long>(v));
    char buf[64];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, ec == std::errc() ? p : buf);
}

// The holder as the store keeps it; nullopt for a place never known.
std::optional<std::string> StoredText(const SettingHolder& h)
{
    if (auto* b = std::get_if<bool*>(&h))
        return std::string(**b ? "True" : "False");
    if (auto* i = std::get_if<int*>(&h))
        return std::to_string(**i);
    if (auto* u = std::get_if<std::uint32_t*>(&h))
        return std::to_string(static_cast<std::int32_t>(**u)); // a DWORD holds 32 bits, signed

    if (auto* s = std::get_if<std::string*>(&h))
        return **s;
    const StoredTwips& t = **std::get_if<StoredTwips*>(&h);
    return t ? std::optional<std::string>(TwipsText(*t)) : std::nullopt;
}

void WriteHolder(const SettingDef& def, AppSettings& settings)
{
    if (std::optional<std::string> text = StoredText(def.holder(settings)))
        PlaceOf(def).write(*text);
}

void Clamp(AppSettings& s)
{
    s.NumIconSysTray = std::clamp(s.NumIconSysTray, 0, MaxTrayIcon);
    s.RecentCount = std::clamp(s.RecentCount, 0, MaxRecentCount);
}

} // namespace

std::optional<double> ParseDecimal(std::string_view text)
{
    text = TrimBlanks(text);
    double v = 0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || p != text.data() + text.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::span<const SettingDef> SettingsTable()
{
    return Table;
}

SettingPlace PlaceOf(SettingId id)
{
    return PlaceOf(Row(id));
}

bool StartupReadResult::wasDefaulted(SettingId id) const
{
    return std::ranges::any_of(defaulted, [id](const SettingDef* d) { return d->id == id; });
}

StartupReadResult ReadSettingsAtStartup(AppSettings& settings)
{
    StartupReadResult result;
    for (const SettingDef& def : Table) {
        const SettingPlace place = PlaceOf(def);
        RegValue v = place.stored();
        SettingHolder h = def.holder(settings);
        bool missing =
            v.isEmpty() || (def.test == T::MissingOrEmpty && v.kind() == RegValue::Kind::Text && v.text().empty());
        if (def.test != T::None && missing) {
            place.write(def.defaultText);
            Convert(def,
                    def.type == REG_DWORD ? RegValue::Number(std::uint32_t(std::stoll(std::string(def.defaultText))))
                                          : RegValue::Text(std::string(def.defaultText)),
                    h);
            result.defaulted.push_back(&def);
        } else if (!v.isEmpty() && !Convert(def, v, h)) {
            result.unreadable.push_back(&def);
        }
    }
    Clamp(settings);
    return result;
}

void WriteSetting(SettingId id, AppSettings& settings)
{
    WriteHolder(Row(id), settings);
}

void WriteDefault(SettingId id)
{
    PlaceOf(id).write(Row(id).defaultText);
}

void WriteFlag(SettingId id, bool on)
{
    SettingPlace(std::string(Row(id).key), Row(id).value, REG_SZ).write(on ? "True" : "False");
}

void WriteSettingsAtExit(AppSettings& settings)
{
    for (const auto& [key, value] : ExitOrder)
        for (const SettingDef& def : Table)
            if (def.writtenAtExit && SameText(def.key, key) && (value.empty() || SameText(def.value, value)))
                WriteHolder(def, settings);
}
