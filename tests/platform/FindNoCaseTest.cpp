#include "platform/fs/FindNoCase.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

TEST(FindFileNoCase, PrefersTheExactSpellingThenTheFirstMatchAndStaysInItsFolder)
{
    TempDir dir;
    dir.write("skin/Blue.ZIP", "");
    dir.write("skin/blue.zip", "");
    dir.write("skin/Green.zip", "");
    dir.write("skin/GREEN.ZIP/inside", ""); // a folder never matches
    dir.write("secret.zip", "");
    const std::string skin = dir.file("skin");

    EXPECT_EQ(FindFileNoCase(skin, "blue.zip"), skin + "/blue.zip");
    EXPECT_EQ(FindFileNoCase(skin + "/", "BLUE.zip"), skin + "/Blue.ZIP"); // byte order: 'B' < 'b'
    EXPECT_EQ(FindFileNoCase(skin, "green.zip"), skin + "/Green.zip");
    EXPECT_EQ(FindFileNoCase(skin, "red.zip"), std::nullopt);
    for (const char* outside : {"../secret.zip", "..", ".", "", "/etc/passwd"})
        EXPECT_EQ(FindFileNoCase(skin, outside), std::nullopt) << outside;
    EXPECT_EQ(FindFileNoCase(dir.file("none"), "blue.zip"), std::nullopt);
}
