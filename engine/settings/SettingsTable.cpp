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
    return &std::get<I>(s.*Array); // a column past the array's end does not compile
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
    {I::FontNameLabel, Option, "FontNameLabel", REG_SZ, T::MissingOrEmpty, C::Text, HoldIn<&S::FontLabel, &F::Name>},
    {I::FontBoldLabel, Option, "FontBoldLabel", REG_SZ, T::MissingOrEmpty, C::TrueOnly,
     HoldIn<&S::FontLabel, &F::Bold>},
    {I::FontItalicLabel, Option, "FontItalicLabel", REG_SZ, T::MissingOrEmpty, C::TrueOnly,
     HoldIn<&S::FontLabel, &F::Italic>},
    {I::FontColorLabel, Option, "FontColorLabel", REG_DWORD, T::MissingOrEmpty, C::Int32,
     HoldIn<&S::FontLabel, &F::Color>},
    {I::FontSizeLabel, Option, "FontSizeLabel", REG_DWORD, T::MissingOrEmpty, C::Int32,
     HoldIn<&S::FontLabel, &F::Size>},
    {I::FontNameTitle, Option, "FontNameTitle", REG_SZ, T::MissingOrEmpty, C::Text, HoldIn<&S::FontTitle, &F::Name>},
    {I::FontBoldTitle, Option, "FontBoldTitle", REG_SZ, T::MissingOrEmpty, C::TrueOnly,
     HoldIn<&S::FontTitle, &F::Bold>},
    {I::FontItalicTitle, Option, "FontItalicTitle", REG_SZ, T::MissingOrEmpty, C::TrueOnly,
     HoldIn<&S::FontTitle, &F::Italic>},
    {I::FontColorTitle, Option, "FontColorTitle", REG_DWORD, T::MissingOrEmpty, C::Int32,
     HoldIn<&S::FontTitle, &F::Color>},
    {I::FontSizeTitle, Option, "FontSizeTitle", REG_DWORD, T::MissingOrEmpty, C::Int32,
     HoldIn<&S::FontTitle, &F::Size>},
    {I::Language, "Language", "", REG_SZ, T::MissingOrEmpty, C::Text, Hold<&S::Language>},
    {I::Skins, "Skins", "", REG_SZ, T::MissingOrEmpty, C::Text, Hold<&S::Skins>},
    {I::RecentCount, "Search", "", REG_DWORD, T::Missing, C::Int32, Hold<&S::RecentCount>},
    {I::MaxHit, "Search", "MaxHit", REG_DWORD, T::Missing, C::Int32, Hold<&S::MaxHit>},
    {I::Recursive, Option, "Recursive", REG_SZ, T::Missing, C::TrueOnly, Hold<&S::Recursive>},
    {I::ZipContent, Option, "Zip Content", REG_SZ, T::Missing, C::TrueOnly, Hold<&S::ZipContent>},
    {I::EnableComment, Option, "Enable Comment", REG_SZ, T::Missing, C::TrueOnly, Hold<&S::EnableComment>},
    {I::SortResult, Option, "Sort Result", REG_SZ, T::Missing, C::TrueOnly, Hold<&S::SortResult>},
    {I::IgnoreMaxHit, Option, "Ignore MaxHit", REG_SZ, T::Missing, C::TrueOnly, Hold<&S::IgnoreMaxHit>},
    {I::RandomSkin, Option, "RandomSkin", REG_DWORD, T::MissingOrEmpty, C::GeneralBool, Hold<&S::RandomSkin>},
    {I::OnTop, Option, "OnTop", REG_SZ, T::MissingOrEmpty, C::TrueOnly, Hold<&S::OnTop>},
    {I::BorderMagnetic, Option, "BorderMagnetic", REG_SZ, T::MissingOrEmpty, C::TrueOnly, Hold<&S::BorderMagnetic>},
    {I::DevChange, Option, "DevChange", REG_SZ, T::MissingOrEmpty, C::TrueOnly, Hold<&S::DevChange>},
    {I::Border, Option, "Border", REG_DWORD, T::MissingOrEmpty, C::Int16, HoldIn<&S::Report, &R::Border>},
    {I::IncludeComment, Option, "IncludeComment", REG_DWORD, T::MissingOrEmpty, C::Int16,
     HoldIn<&S::Report, &R::IncludeComment>},
    {I::IncludeDate, Option, "IncludeDate", REG_DWORD, T::MissingOrEmpty, C::Int16,
     HoldIn<&S::Report, &R::IncludeDate>},
    {I::IncludeDisk, Option, "IncludeDisk", REG_DWORD, T::MissingOrEmpty, C::Int16,
     HoldIn<&S::Report, &R::IncludeDisk>},
    {I::IncludeFile, Option, "IncludeFile", REG_DWORD, T::MissingOrEmpty, C::Int16,
     HoldIn<&S::Report, &R::IncludeFile>},
    {I::IncludeDir, Option, "IncludeDir", REG_DWORD, T::MissingOrEmpty, C::Int16, HoldIn<&S::Report, &R::IncludeDir>},
    {I::IncludeSize, Option, "IncludeSize", REG_DWORD, T::MissingOrEmpty, C::Int16,
     HoldIn<&S::Report, &R::IncludeSize>},
    {I::ColumnSeparator, Option, "ColunmSep", REG_SZ, T::MissingOrEmpty, C::Text,
     HoldIn<&S::Report, &R::ColumnSeparator>},
    {I::StyleHTML, Option, "StyleHTML", REG_SZ, T::MissingOrEmpty, C::TrueOnly, HoldIn<&S::Report, &R::StyleHTML>},
    {I::HeaderBackColor, Option, "HeaderBackColor", REG_DWORD, T::MissingOrEmpty, C::Int32,
     HoldIn<&S::Report, &R::HeaderBackColor>},
    {I::HeaderTextColor, Option, "HeaderTextColor", REG_DWORD, T::MissingOrEmpty, C::Int32,
     HoldIn<&S::Report, &R::HeaderTextColor>},
    {I::FieldBackColor, Option, "FieldBackColor", REG_DWORD, T::MissingOrEmpty, C::Int32,
     HoldIn<&S::Report, &R::FieldBackColor>},
    {I::FieldTextColor, Option, "FieldTextColor", REG_DWORD, T::MissingOrEmpty, C::Int32,
     HoldIn<&S::Report, &R::FieldTextColor>},
    {I::ShowSysTray, Option, "ShowSysTray", REG_SZ, T::MissingOrEmpty, C::GeneralBool, Hold<&S::ShowSysTray>},
    {I::ShowTaskBar, Option, "ShowTaskBar", REG_SZ, T::MissingOrEmpty, C::GeneralBool, Hold<&S::ShowTaskBar>},
    {I::NumIconSysTray, Option, "NumIconSysTray", REG_DWORD, T::MissingOrEmpty, C::Int16, Hold<&S::NumIconSysTray>},
    {I::View, Option, "View", REG_SZ, T::None, C::TrueOnly, Hold<&S::View>},
    {I::MainLeft, Pos, "MainLeft", REG_SZ, T::None, C::Twips, HoldIn<&S::Main, &W::Left>},
    {I::MainTop, Pos, "MainTop", REG_SZ, T::None, C::Twips, HoldIn<&S::Main, &W::Top>},
    {I::FindLeft, Pos, "FindLeft", REG_SZ, T::None, C::Twips, HoldIn<&S::Find, &W::Left>},
    {I::FindTop, Pos, "FindTop", REG_SZ, T::None, C::Twips, HoldIn<&S::Find, &W::Top>},
    {I::FindWidth, Pos, "FindWidth", REG_SZ, T::None, C::Twips, HoldIn<&S::Find, &W::Width>},
    {I::FindHeight, Pos, "FindHeight", REG_SZ, T::None, C::Twips, HoldIn<&S::Find, &W::Height>},
    {I::LibLeft, Pos, "LibLeft", REG_SZ, T::None, C::Twips, HoldIn<&S::Lib, &W::Left>},
    {I::LibTop, Pos, "LibTop", REG_SZ, T::None, C::Twips, HoldIn<&S::Lib, &W::Top>},
    {I::LibWidth, Pos, "LibWidth", REG_SZ, T::None, C::Twips, HoldIn<&S::Lib, &W::Width>},
    {I::LibHeight, Pos, "LibHeight", REG_SZ, T::None, C::Twips, HoldIn<&S::Lib, &W::Height>},
    {I::ViewLeft, Pos, "ViewLeft", REG_SZ, T::None, C::Twips, HoldIn<&S::Viewer, &W::Left>},
    {I::ViewTop, Pos, "ViewTop", REG_SZ, T::None, C::Twips, HoldIn<&S::Viewer, &W::Top>},
    {I::ViewWidth, Pos, "ViewWidth", REG_SZ, T::None, C::Twips, HoldIn<&S::Viewer, &W::Width>},
    {I::ViewHeight, Pos, "ViewHeight", REG_SZ, T::None, C::Twips, HoldIn<&S::Viewer, &W::Height>},
    {I::LVLibNameWidth, "LVLib", "NameWidth", REG_SZ, T::None, C::Twips, HoldAt<&S::LVLib, 0>},
    {I::LVLibDateWidth, "LVLib", "DateWidth", REG_SZ, T::None, C::Twips, HoldAt<&S::LVLib, 1>},
    {I::LVLibRootWidth, "LVLib", "RootWidth", REG_SZ, T::None, C::Twips, HoldAt<&S::LVLib, 2>},
    {I::LVLibFreeWidth, "LVLib", "FreeWidth", REG_SZ, T::None, C::Twips, HoldAt<&S::LVLib, 3>},
    {I::LVLibTotalWidth, "LVLib", "TotalWidth", REG_SZ, T::None, C::Twips, HoldAt<&S::LVLib, 4>},
    {I::LVLibCommentWidth, "LVLib", "CommentWidth", REG_SZ, T::None, C::Twips, HoldAt<&S::LVLib, 5>},
    {I::LVFindNameWidth, "LVFind", "NameWidth", REG_SZ, T::None, C::Twips, HoldAt<&S::LVFind, 0>},
    {I::LVFindDirWidth, "LVFind", "DirWidth", REG_SZ, T::None, C::Twips, HoldAt<&S::LVFind, 1>},
    {I::LVFindSizeWidth, "LVFind", "SizeWidth", REG_SZ, T::None, C::Twips, HoldAt<&S::LVFind, 2>},
    {I::LVFindDateWidth, "LVFind", "DateWidth", REG_SZ, T::None, C::Twips, HoldAt<&S::LVFind, 3>},
    {I::LVFindDiskIDWidth, "LVFind", "DiskIDWidth", REG_SZ, T::None, C::Twips, HoldAt<&S::LVFind, 4>},
    {I::LVFindCommentWidth, "LVFind", "CommentWidth", REG_SZ, T::None, C::Twips, HoldAt<&S::LVFind, 5>},
    {I::LVPathNameWidth, "LVPath", "NameWidth", REG_SZ, T::None, C::Twips, HoldAt<&S::LVPath, 0>},
    {I::LVPathSizeWidth, "LVPath", "SizeWidth", REG_SZ, T::None, C::Twips, HoldAt<&S::LVPath, 1>},
    {I::LVPathDateWidth, "LVPath", "DateWidth", REG_SZ, T::None, C::Twips, HoldAt<&S::LVPath, 2>},
    {I::LVPathCommentWidth, "LVPath", "CommentWidth", REG_SZ, T::None, C::Twips, HoldAt<&S::LVPath, 3>},
    {I::NextSkin, Option, "NextSkin", REG_SZ, T::None, C::Text, Hold<&S::NextSkin>},
};

// What the shutdown writes, run by run of rows: the check boxes, the places,
// the library's widths, the report, the fonts, the other lists' widths and
// the browser's view. A row added inside a run is written with it.
struct Run {
    SettingId first, last;
};
constexpr Run ExitOrder[] = {
    {I::Recursive, I::IgnoreMaxHit},
    {I::MainLeft, I::ViewHeight},
    {I::LVLibNameWidth, I::LVLibCommentWidth},
    {I::Border, I::FieldTextColor},
    {I::FontNameLabel, I::FontSizeTitle},
    {I::LVFindNameWidth, I::LVFindCommentWidth},
    {I::LVPathNameWidth, I::LVPathCommentWidth},
    {I::View, I::View},
};

constexpr bool RowsInIdOrder()
{
    for (std::size_t i = 0; i < std::size(Table); ++i)
        if (Table[i].id != SettingId(i))
            return false;
    return std::size(Table) == std::size_t(SettingId::Count);
}
static_assert(RowsInIdOrder(), "one row per SettingId, in its order");

constexpr bool RunsApart()
{
    for (const Run& r : ExitOrder) {
        if (r.first > r.last)
            return false;
        for (const Run& other : ExitOrder)
            if (&other != &r && other.first <= r.last && r.first <= other.last)
                return false;
    }
    return true;
}
static_assert(RunsApart(), "each row written once at exit");

// A list's width rows hold its columns' widths, one row each.
constexpr std::size_t RowsUnder(std::string_view key)
{
    return std::size_t(std::ranges::count(Table, key, &SettingDef::key));
}
static_assert(RowsUnder("LVLib") == std::tuple_size_v<decltype(S::LVLib)>, "a width row per library column");
static_assert(RowsUnder("LVFind") == std::tuple_size_v<decltype(S::LVFind)>, "a width row per results column");
static_assert(RowsUnder("LVPath") == std::tuple_size_v<decltype(S::LVPath)>, "a width row per browser column");

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
std::optional<std::string> StoredText(const SettingDef& def, const SettingHolder& h)
{
    if (auto* b = std::get_if<bool*>(&h)) {
        if (def.type == REG_DWORD) // "RandomSkin" starts as a number
            return std::string(**b ? "1" : "0");
        return std::string(**b ? "True" : "False");
    }
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
    if (std::optional<std::string> text = StoredText(def, def.holder(settings)))
        PlaceOf(def).write(*text);
}

// What the start-up writes for a missing value: the member's initial value,
// where AppSettings declares every default.
std::string DefaultText(const SettingDef& def)
{
    AppSettings defaults;
    return StoredText(def, def.holder(defaults)).value_or("");
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
            const std::string text = DefaultText(def);
            place.write(text);
            Convert(def,
                    def.type == REG_DWORD ? RegValue::Number(std::uint32_t(std::stoll(text))) : RegValue::Text(text),
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
    PlaceOf(id).write(DefaultText(Row(id)));
}

void WriteFlag(SettingId id, bool on)
{
    SettingPlace(std::string(Row(id).key), Row(id).value, REG_SZ).write(on ? "True" : "False");
}

bool WrittenAtExit(SettingId id)
{
    return std::ranges::any_of(ExitOrder, [id](const Run& r) { return r.first <= id && id <= r.last; });
}

void WriteSettingsAtExit(AppSettings& settings)
{
    for (const Run& run : ExitOrder)
        for (auto id = std::size_t(run.first); id <= std::size_t(run.last); ++id)
            WriteHolder(Table[id], settings);
}
