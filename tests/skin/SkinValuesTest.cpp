#include "skin/SkinValues.h"

#include <gtest/gtest.h>

TEST(SkinValues, NumbersAreDecimalWholeNumbersOfThirtyTwoBits)
{
    EXPECT_EQ(ParseSkinNumber(" 5415 "), 5415);
    EXPECT_EQ(ParseSkinNumber("-30"), -30);
    EXPECT_EQ(ParseSkinNumber("+30"), 30);
    EXPECT_EQ(ParseSkinNumber("2147483647"), 2147483647);
    for (const char* bad : {"", " ", "2147483648", "12.5", "1e3", "&H10", "12abc", "+-5", "--5", "0x10"})
        EXPECT_FALSE(ParseSkinNumber(bad)) << bad;
}

TEST(SkinValues, PlacementsTakeLeftTopAndOptionallyWidthAndHeight)
{
    using K = SkinPlacement::Kind;
    struct Case {
        const char* value;
        K kind;
        int left, top;
        std::optional<int> width, height;
    };
    const Case cases[] = {
        {"330,30", K::Move, 330, 30, {}, {}},
        {"405,270,2580,2700", K::Move, 405, 270, 2580, 2700},
        {"3015,285,2325", K::Move, 3015, 285, 2325, {}},
        {" 15 , 30 , 45 , 60 , 75 ", K::Move, 15, 30, 45, 60},
        {"15,30:left,top", K::Move, 15, 30, {}, {}},
        {"15,30,,45", K::Ignored, 0, 0, {}, {}},
        {"abc,30,,45", K::Ignored, 0, 0, {}, {}},
        {"15", K::Invalid, 0, 0, {}, {}},
        {",30", K::Invalid, 0, 0, {}, {}},
        {"15,30,x", K::Invalid, 0, 0, {}, {}},
        {"15,30,-1", K::Invalid, 0, 0, {}, {}},
        {"15,30,10,491506", K::Invalid, 0, 0, {}, {}},
        {"-491505,491505", K::Move, -491505, 491505, {}, {}},
        {":15,30", K::Invalid, 0, 0, {}, {}},
    };
    for (const Case& c : cases) {
        const SkinPlacement p = ParsePlacement(c.value);
        EXPECT_EQ(p.kind, c.kind) << c.value;
        if (c.kind != K::Move)
            continue;
        EXPECT_EQ(p.left, c.left) << c.value;
        EXPECT_EQ(p.top, c.top) << c.value;
        EXPECT_EQ(p.width, c.width) << c.value;
        EXPECT_EQ(p.height, c.height) << c.value;
    }
}

TEST(SkinValues, ColoursAreThreeComponentsWithRedInTheLowByte)
{
    EXPECT_EQ(ParseSkinColour("66,66,66"), 0x424242u);
    EXPECT_EQ(ParseSkinColour(" 1 , 2 , 3 , junk"), 0x030201u);
    EXPECT_EQ(ParseSkinColour("255,0,0"), 0x0000FFu);
    for (const char* bad : {"1,2", "256,0,0", "-1,0,0", "a,b,c", ""})
        EXPECT_FALSE(ParseSkinColour(bad)) << bad;
}

TEST(SkinValues, TheNumberOfNamesChoosesThePicturesSet)
{
    using K = PictureList::Kind;
    struct Case {
        const char* value;
        K kind;
        std::vector<std::pair<std::string, std::string>> items;
    };
    const Case cases[] = {
        {"fond", K::Picture, {{"Picture", "fond"}}},
        {"fond, other", K::Picture, {{"Picture", "fond"}}},
        {"", K::Picture, {{"Picture", ""}}},
        {"a,b,c", K::Button, {{"PictureOut", "a"}, {"PictureIn", "b"}, {"PictureDown", "c"}}},
        {"a,,c", K::Button, {{"PictureOut", "a"}, {"PictureIn", ""}, {"PictureDown", "c"}}},
        {"a,b,c,d",
         K::CheckBox,
         {{"CheckedIn", "a"}, {"CheckedOut", "b"}, {"UnCheckedIn", "c"}, {"UnCheckedOut", "d"}}},
        {"a,b,,d", K::Nothing, {}},
    };
    for (const Case& c : cases) {
        const PictureList list = ParsePictureList(c.value);
        EXPECT_EQ(list.kind, c.kind) << c.value;
        ASSERT_EQ(list.count, int(c.items.size())) << c.value;
        for (int i = 0; i < list.count; ++i) {
            EXPECT_EQ(list.items[std::size_t(i)].property, c.items[std::size_t(i)].first) << c.value;
            EXPECT_EQ(list.items[std::size_t(i)].base, c.items[std::size_t(i)].second) << c.value;
        }
    }
}
