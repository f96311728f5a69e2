#include "gui/models/CellText.h"

#include <gtest/gtest.h>

#include <string>

TEST(CellText, ShortFieldsShowWholeWithoutToolTip)
{
    EXPECT_EQ(CellText("notes.txt"), "notes.txt");
    EXPECT_TRUE(CellToolTip("notes.txt").isNull());
    EXPECT_EQ(CellText(""), "");
    EXPECT_EQ(CellText(std::string(size_t(CellChars), 'a')), QString(CellChars, 'a'));
    EXPECT_TRUE(CellToolTip(std::string(size_t(CellChars), 'a')).isNull());
}

TEST(CellText, LinesAfterTheFirstShowInTheToolTip)
{
    EXPECT_EQ(CellText("vérifié\r\ndeux fois"), QString::fromUtf8("vérifié"));
    EXPECT_EQ(CellToolTip("vérifié\r\ndeux fois"), QString::fromUtf8("vérifié\ndeux fois"));
    EXPECT_EQ(CellText("\r\nsecond"), "");
}

// A catalog whose own file name is Latin-1 names the results' DiskID cells.
TEST(CellText, AFieldThatIsNotUtf8ReadsAsWindows1252)
{
    EXPECT_EQ(CellText("M\xE9lange.dat"), QString::fromUtf8("Mélange.dat"));
    EXPECT_EQ(CellToolTip("r\xE9sum\xE9\r\n\x80 2"), QString::fromUtf8("résumé\n€ 2"));
}

TEST(CellText, HugeFieldsAreCutOnWholeCharacters)
{
    const std::string huge = std::string(10 << 20, 'x') + ".txt";
    const QString ellipsis(QChar(0x2026));
    EXPECT_EQ(CellText(huge), QString(CellChars, 'x') + ellipsis);
    EXPECT_EQ(CellToolTip(huge), QString(ToolTipChars, 'x') + ellipsis);

    // "é" is two bytes, "😀" two UTF-16 units: never half of one.
    std::string accents;
    for (int i = 0; i < CellChars + 5; ++i)
        accents += "é";
    EXPECT_EQ(CellText(accents), QString(CellChars, QChar(0xE9)) + ellipsis);
    std::string faces = "a";
    for (int i = 0; i < CellChars; ++i)
        faces += "😀";
    const QString shown = CellText(faces);
    EXPECT_EQ(shown.size(), CellChars);
    EXPECT_TRUE(shown.at(shown.size() - 2).isLowSurrogate());
    EXPECT_FALSE(shown.contains(QChar(QChar::ReplacementCharacter)));
}
