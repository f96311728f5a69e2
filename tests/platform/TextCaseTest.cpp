#include "platform/text/TextCase.h"

#include <gtest/gtest.h>

TEST(TextCase, LowersLettersOfEveryScript)
{
    EXPECT_EQ(LowerText("\xC3\x89"
                        "COLE Caf\xC3\x89"),
              "\xC3\xA9"
              "cole caf\xC3\xA9");                                                // ÉCOLE CafÉ
    EXPECT_EQ(LowerText("\xC5\xB8\xC5\x92\xC5\xA0"), "\xC3\xBF\xC5\x93\xC5\xA1"); // ŸŒŠ
    EXPECT_EQ(LowerText("\xD0\x96\xCE\xA3"), "\xD0\xB6\xCF\x83");                 // ЖΣ
    EXPECT_EQ(LowerText("\xE6\x97\xA5 1-2 \xF0\x9F\x98\x80"), "\xE6\x97\xA5 1-2 \xF0\x9F\x98\x80");
    // Never into ASCII: the Kelvin sign and the dotted capital I stay.
    EXPECT_EQ(LowerText("\xE2\x84\xAA\xC4\xB0"), "\xE2\x84\xAA\xC4\xB0");
}
