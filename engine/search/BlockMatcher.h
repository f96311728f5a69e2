#pragma once
// Finds the lines of a run of catalog lines that satisfy a search expression.
// Each line is lowered as text in its own encoding (UTF-8 when it is valid
// UTF-8, else Windows-1252), so "é" finds "É" in old catalogs and new ones
// alike. Only lines holding the ASCII part of some word are decoded and
// tested, unless the expression also matches lines without any of its words
// ("-beta").

#include "engine/search/SearchExpr.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Finds a word of ASCII characters, given in lower case, in bytes, without
// regard to ASCII case. An empty word finds the first byte beyond ASCII.
class CaselessFinder {
public:
    explicit CaselessFinder(std::string lowerAscii);
    std::size_t find(std::string_view text, std::size_t from) const;

private:
    struct Probe {
        std::size_t at = 0;
        unsigned char letter = 0;
        unsigned char caseBit = 0; // 0x20 for a letter: both cases pass
    };
    std::string word_;
    Probe probes_[3];
};

class BlockMatcher {
public:
    // expression: already lowered.
    explicit BlockMatcher(const SearchExpr& expression);

    // Gets a matching line as UTF-8 and as the bytes the catalog holds (the
    // same view when the line is UTF-8), both without the line end.
    using OnMatch = std::function<bool(std::string_view text, std::string_view bytes)>;

    // Calls onMatch with each non-empty matching line of block (whole lines,
    // line ends included), in order. Stops when onMatch returns false;
    // returns false then.
    bool forEachMatch(std::string_view block, const OnMatch& onMatch);

private:
    bool test(std::string_view block, std::size_t start, std::size_t end, const OnMatch& onMatch);

    const SearchExpr& expression_;
    std::vector<CaselessFinder> finders_; // of the longest ASCII run of each word
    std::vector<std::size_t> next_;       // where each run comes next in the block
    std::vector<bool> found_;
    std::string utf8_;
    std::string lowered_;
};
