#pragma once
// Finds the lines of a run of catalog lines that satisfy a search expression.
// Each line is lowered as text in its own encoding (UTF-8 when it is valid
// UTF-8, else Windows-1252), so "é" finds "É" in old catalogs and new ones
// alike. Only lines holding the ASCII part of some word (found in an
// ASCII-lowered copy of the block) are decoded and tested, unless the
// expression also matches lines without any of its words ("-beta").

#include "engine/search/SearchExpr.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class BlockMatcher {
public:
    // expression: already lowered.
    explicit BlockMatcher(const SearchExpr& expression);

    // Calls onMatch with each non-empty matching line of block (whole lines,
    // line ends included), as UTF-8 without its line end, in order. Stops
    // when onMatch returns false; returns false then.
    bool forEachMatch(std::string_view block, const std::function<bool(std::string_view)>& onMatch);

private:
    std::size_t findTerm(std::size_t term, std::size_t from) const;
    bool test(std::string_view block, std::size_t start, std::size_t end,
              const std::function<bool(std::string_view)>& onMatch);

    const SearchExpr& expression_;
    std::vector<std::string> anchors_; // the longest ASCII run of each word
    std::vector<std::size_t> next_;    // next place of each anchor in the block
    std::vector<bool> found_;
    std::string folded_; // the block, ASCII letters lowered
    std::string utf8_;
    std::string lowered_;
};
