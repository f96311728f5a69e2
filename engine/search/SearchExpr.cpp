#include "engine/search/SearchExpr.h"

#include <algorithm>

SearchExpr::SearchExpr(std::string_view expression)
{
    // Read from the right, so that a word is complete when the delimiter on
    // its left arrives; that delimiter is its mark. A delimiter that closes no
    // word ("alpha +beta", a trailing blank) is dropped.
    std::string word; // reversed
    bool quoted = false;
    auto close = [&](Mark mark) {
        if (word.empty())
            return;
        std::reverse(word.begin(), word.end());
        terms_.push_back({std::move(word), mark});
        word.clear();
    };
    for (std::size_t i = expression.size(); i-- > 0;) {
        char c = expression[i];
        if (c == '"')
            quoted = !quoted;
        else if (quoted || (c != ' ' && c != '+' && c != '-'))
            word += c;
        else
            close(c == '+' ? Mark::Must : c == '-' ? Mark::MustNot : Mark::Any);
    }
    close(Mark::None); // the leftmost word, or one whose quote never closed
    std::reverse(terms_.begin(), terms_.end());
    withoutTerms_ = evaluate(std::vector<bool>(terms_.size(), false));
}

bool SearchExpr::evaluate(const std::vector<bool>& found) const
{
    if (terms_.empty())
        return true;
    bool result = terms_[0].mark == Mark::MustNot ? !found[0] : bool(found[0]);
    for (std::size_t i = 1; i < terms_.size(); ++i) {
        switch (terms_[i].mark) {
        case Mark::Must:
            result = result && found[i];
            break;
        case Mark::Any:
            result = result || found[i];
            break;
        case Mark::MustNot:
            result = result && !found[i];
            break;
        case Mark::None:
            break;
        }
    }
    return result;
}
