#pragma once
// A search expression: words separated by blanks, "+" and "-", each word
// marked by the delimiter directly to its left ("+" must, blank any, "-" must
// not); double quotes make blanks, "+" and "-" part of a word. The words are
// folded strictly from left to right, without precedence:
//   alpha beta+gamma  =  (alpha or beta) and gamma.

#include <string>
#include <string_view>
#include <vector>

class SearchExpr {
public:
    enum class Mark { None, Must, Any, MustNot };
    struct Term {
        std::string text;
        Mark mark = Mark::None;
    };

    // expression as given; the search lowers it first.
    explicit SearchExpr(std::string_view expression);

    // Left to right, as typed. Never holds an empty word.
    const std::vector<Term>& terms() const { return terms_; }

    // The fold over found[i] (term i occurs). Without terms every text matches.
    bool evaluate(const std::vector<bool>& found) const;
    // True when a text holding none of the words matches ("-beta").
    bool matchesWithoutTerms() const { return withoutTerms_; }

private:
    std::vector<Term> terms_;
    bool withoutTerms_ = true;
};
