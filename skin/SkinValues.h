#pragma once
// The value grammars of a skin description: placements, colours and picture
// lists. Lengths are twips.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A decimal whole number with an optional sign and blanks round it, in 32 bits.
std::optional<std::int32_t> ParseSkinNumber(std::string_view text);

// Twips that still give a window or control the platform can have: 32767 pixels.
inline constexpr std::int32_t MaxSkinTwips = 32767 * 15;

// "left,top[,width[,height]]", anything from a ":" on dropped.
struct SkinPlacement {
    enum class Kind {
        Move,    // left and top, with width and height when given
        Ignored, // a height without a width: the entry does nothing
        Invalid, // a field that is not a number or a length beyond the platform's
    };
    Kind kind = Kind::Invalid;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::optional<std::int32_t> width;
    std::optional<std::int32_t> height;
};
SkinPlacement ParsePlacement(std::string_view value);

// "r,g,b" (further fields ignored) as a stored colour, red in the low byte;
// nullopt when a component is missing, not a number or outside 0..255.
std::optional<std::uint32_t> ParseSkinColour(std::string_view value);

// "b1[,b2[,b3[,b4]]]": which picture properties of a control get which
// bitmap (base names; ".bmp" is added when they are read).
struct PictureList {
    enum class Kind {
        Nothing,  // a fourth name without a third
        Picture,  // one or two names: Picture = b1
        Button,   // three: PictureOut, PictureIn, PictureDown
        CheckBox, // four: CheckedIn, CheckedOut, UnCheckedIn, UnCheckedOut
    };
    struct Item {
        const char* property;
        std::string base;
    };
    Kind kind = Kind::Nothing;
    std::array<Item, 4> items{};
    int count = 0;
};
PictureList ParsePictureList(std::string_view value);

// The property names of each kind, in the order a list sets them.
inline constexpr std::array<const char*, 3> ButtonPictureNames = {"PictureOut", "PictureIn", "PictureDown"};
inline constexpr std::array<const char*, 4> CheckPictureNames = {"CheckedIn", "CheckedOut", "UnCheckedIn",
                                                                 "UnCheckedOut"};
inline constexpr const char* PicturePropertyName = "Picture";
