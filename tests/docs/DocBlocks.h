#pragma once
// The generated tables of a document: each stands between a line
// "<!-- table: NAME ... -->" and the next "<!-- end -->".

#include <optional>
#include <string>
#include <vector>

// The lines between the markers of the table called name; nullopt when the document lacks it.
std::optional<std::vector<std::string>> ReadDocBlock(const std::string& document, const std::string& name);

// The document with that table's lines replaced; unchanged when it lacks the table.
std::string ReplaceDocBlock(const std::string& document, const std::string& name,
                            const std::vector<std::string>& lines);

// The differences of a table from what it should hold, one line each
// ("missing: ROW", "extra: ROW", "out of order" when only the order differs).
std::vector<std::string> DocBlockDifferences(const std::vector<std::string>& written,
                                             const std::vector<std::string>& expected);
