#pragma once
// What an expression says of one whole text: each word looked for in it, the
// findings folded as the search folds them. The tests' measure of hits.

#include "engine/search/SearchExpr.h"

#include <string_view>
#include <vector>

inline bool ExpressionOnText(const SearchExpr& expression, std::string_view text)
{
    std::vector<bool> found;
    for (const SearchExpr::Term& term : expression.terms())
        found.push_back(text.find(term.text) != std::string_view::npos);
    return expression.evaluate(found);
}
