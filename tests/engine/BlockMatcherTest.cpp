#include "engine/search/BlockMatcher.h"

#include <gtest/gtest.h>

TEST(CaselessFinder, FindsTheWordAtEveryPlaceInEitherCaseAndNothingElse)
{
    constexpr auto npos = std::string_view::npos;
    for (std::string word : {"a", "ab", "img_4", "[x]"}) {
        CaselessFinder finder(word);
        std::string upper = word;
        for (char& c : upper)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        for (std::size_t size = 0; size < 150; ++size) {
            for (std::size_t at = 0; at + word.size() <= size; ++at) {
                std::string text(size, '-');
                text.replace(at, word.size(), at % 2 ? upper : word);
                ASSERT_EQ(finder.find(text, 0), at) << word << " in " << text;
                ASSERT_EQ(finder.find(text, at), at);
                ASSERT_EQ(finder.find(text, at + 1), npos);
            }
            ASSERT_EQ(finder.find(std::string(size, '-'), 0), npos);
        }
    }
    // Only letters have two cases: "{" is no "[", "`" no "@".
    EXPECT_EQ(CaselessFinder("[x]").find("{x}", 0), npos);
    EXPECT_EQ(CaselessFinder("`").find("@@@", 0), npos);
    // A word of other letters only looks for bytes beyond ASCII.
    EXPECT_EQ(CaselessFinder("").find("abc\xC3\xA9", 0), 3u);
    EXPECT_EQ(CaselessFinder("").find("abc", 0), npos);
}
