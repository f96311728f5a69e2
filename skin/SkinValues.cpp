#include "skin/SkinValues.h"

#include "engine/text/StringHelpers.h"

#include <charconv>

std::optional<std::int32_t> ParseSkinNumber(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

namespace {
std::optional<std::int32_t> length(std::string_view field, std::int32_t low)
{
    std::optional<std::int32_t> v = ParseSkinNumber(field);
    if (v && (*v < low || *v > MaxSkinTwips))
        return std::nullopt;
    return v;
}
} // namespace

SkinPlacement ParsePlacement(std::string_view value)
{
    value = value.substr(0, value.find(':'));
    std::array<std::string_view, 4> f;
    TrimmedFields(value, ",", f);
    SkinPlacement p;
    if (f[2].empty() && !f[3].empty()) {
        p.kind = SkinPlacement::Kind::Ignored;
        return p;
    }
    const auto left = length(f[0], -MaxSkinTwips);
    const auto top = length(f[1], -MaxSkinTwips);
    if (!left || !top)
        return p;
    p.left = *left;
    p.top = *top;
    if (!f[2].empty() && !(p.width = length(f[2], 0)))
        return p;
    if (!f[3].empty() && !(p.height = length(f[3], 0)))
        return p;
    p.kind = SkinPlacement::Kind::Move;
    return p;
}

std::optional<std::uint32_t> ParseSkinColour(std::string_view value)
{
    std::array<std::string_view, 3> f;
    TrimmedFields(value, ",", f);
    std::uint32_t colour = 0;
    for (std::size_t i = 0; i < f.size(); ++i) {
        std::optional<std::int32_t> part = ParseSkinNumber(f[i]);
        if (!part || *part < 0 || *part > 255)
            return std::nullopt;
        colour |= std::uint32_t(*part) << (8 * i);
    }
    return colour;
}

PictureList ParsePictureList(std::string_view value)
{
    std::array<std::string_view, 4> f;
    TrimmedFields(value, ",", f);
    PictureList list;
    auto set = [&](PictureList::Kind kind, auto names, int count) {
        list.kind = kind;
        list.count = count;
        for (int i = 0; i < count; ++i)
            list.items[std::size_t(i)] = {names[std::size_t(i)], std::string(f[std::size_t(i)])};
    };
    if (f[2].empty() && f[3].empty())
        set(PictureList::Kind::Picture, std::array{PicturePropertyName}, 1);
    else if (f[3].empty())
        set(PictureList::Kind::Button, ButtonPictureNames, 3);
    else if (!f[2].empty())
        set(PictureList::Kind::CheckBox, CheckPictureNames, 4);
    return list;
}
