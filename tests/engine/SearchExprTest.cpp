#include "engine/search/SearchExpr.h"
#include "tests/engine/ExpressionOnText.h"

#include <gtest/gtest.h>

namespace {
bool Matches(std::string_view text, std::string_view expression)
{
    return ExpressionOnText(SearchExpr(expression), text);
}

struct Case {
    const char* expression;
    const char* text;
    bool matches;
};

void expectAll(std::initializer_list<Case> cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(Matches(c.text, c.expression), c.matches)
            << "expression [" << c.expression << "] on [" << c.text << "]";
}
} // namespace

TEST(SearchExpr, WordsFoldFromLeftToRight)
{
    expectAll({
        {"", "anything", true},
        {"alpha beta", "alpha", true},
        {"alpha beta", "beta", true},
        {"alpha beta", "gamma", false},
        {"alpha+beta", "alpha beta", true},
        {"alpha+beta", "alpha", false},
        {"alpha-beta", "alpha", true},
        {"alpha-beta", "alpha beta", false},
        {"alpha-beta", "beta", false},
        {"-beta", "gamma", true},
        {"-beta", "a beta", false},
        {"+beta", "beta", true},
        {"+beta", "gamma", false},
        // No precedence: (alpha or beta) and gamma.
        {"alpha beta+gamma", "beta gamma", true},
        {"alpha beta+gamma", "alpha", false},
        {"alpha beta+gamma", "alpha gamma", true},
        {"alpha+beta gamma", "gamma", true},
        {"alpha-beta gamma", "beta gamma", true},
        // Case counts here: the search lowers both sides first.
        {"alpha", "ALPHA", false},
    });
}

TEST(SearchExpr, QuotesMakeOneWord)
{
    expectAll({
        {"\"new york\"", "i love new york", true},
        {"\"new york\"", "york or new", false},
        {"\"new york\"", "newyork", false},
        {"\"a-b\"", "a-b", true},
        {"\"a-b\"", "a", false},
        {"\"a+b\" c", "a+b", true},
        {"x \"new york\"", "new york", true},
        {"x+\"new york\"", "x new", false},
    });
}

TEST(SearchExpr, MarkIsTheDelimiterLeftOfTheWord)
{
    using M = SearchExpr::Mark;
    auto terms = [](std::string_view e) {
        std::vector<std::pair<std::string, M>> out;
        const SearchExpr expression(e);
        for (const auto& t : expression.terms())
            out.emplace_back(t.text, t.mark);
        return out;
    };
    using V = std::vector<std::pair<std::string, M>>;
    EXPECT_EQ(terms("alpha +beta"), (V{{"alpha", M::None}, {"beta", M::Must}}));
    EXPECT_EQ(terms("alpha+ beta"), (V{{"alpha", M::None}, {"beta", M::Any}}));
    EXPECT_EQ(terms("alpha  -beta "), (V{{"alpha", M::None}, {"beta", M::MustNot}}));
    EXPECT_EQ(terms("-\"new york\""), (V{{"new york", M::MustNot}}));
    expectAll({
        {"alpha +beta", "beta", false},
        {"alpha +beta", "alpha beta", true},
        {"alpha+ beta", "beta", true},
        {"alpha ", "gamma", false},
        {" alpha", "alpha", true},
        {"alpha  beta", "gamma", false},
    });
}

TEST(SearchExpr, UnclosedQuotesAndExpressionsWithoutWords)
{
    EXPECT_EQ(SearchExpr("\"abc").terms().size(), 1u);
    expectAll({
        {"\"abc", "xabcx", true},
        {"\"abc", "ab", false},
        {"abc\"", "abc", true},
        {"alpha \"be", "alpha", false}, // read from the right, the quote takes in the rest
        {"alpha \"be", "alpha be", true},
        {"\"", "anything", true},
        {"\"\"", "anything", true},
        {"+", "anything", true},
        {"+-", "anything", true},
        {"  ", "anything", true},
    });
    const std::string quotes(10000, '"');
    EXPECT_TRUE(Matches("x", quotes));
    std::string many;
    for (int i = 0; i < 2500; ++i)
        many += "ab+ ";
    EXPECT_TRUE(Matches("ab", many));
    EXPECT_FALSE(Matches("ab", many + "-ab"));
    EXPECT_FALSE(SearchExpr(many).matchesWithoutTerms());
    EXPECT_TRUE(SearchExpr("-beta").matchesWithoutTerms());
    EXPECT_FALSE(SearchExpr("alpha beta-gamma").matchesWithoutTerms());
    EXPECT_TRUE(SearchExpr("alpha-beta gamma -delta").matchesWithoutTerms() == false);
    EXPECT_TRUE(SearchExpr("-alpha beta").matchesWithoutTerms());
}
