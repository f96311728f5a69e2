#include "tests/docs/DocBlocks.h"

#include <algorithm>
#include <sstream>

namespace {
struct Span {
    std::size_t first; // the first line's start
    std::size_t end;   // where the end marker starts
};

std::optional<Span> find(const std::string& document, const std::string& name)
{
    const std::string start = "<!-- table: " + name + " ";
    std::size_t at = document.find(start);
    if (at == std::string::npos)
        return std::nullopt;
    const std::size_t first = document.find('\n', at);
    const std::size_t end = first == std::string::npos ? first : document.find("<!-- end -->", first);
    if (end == std::string::npos)
        return std::nullopt;
    return Span{first + 1, end};
}
} // namespace

std::optional<std::vector<std::string>> ReadDocBlock(const std::string& document, const std::string& name)
{
    const std::optional<Span> span = find(document, name);
    if (!span)
        return std::nullopt;
    std::vector<std::string> lines;
    std::istringstream in(document.substr(span->first, span->end - span->first));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string ReplaceDocBlock(const std::string& document, const std::string& name, const std::vector<std::string>& lines)
{
    const std::optional<Span> span = find(document, name);
    if (!span)
        return document;
    std::string body;
    for (const std::string& line : lines)
        body += line + "\n";
    return document.substr(0, span->first) + body + document.substr(span->end);
}

std::vector<std::string> DocBlockDifferences(const std::vector<std::string>& written,
                                             const std::vector<std::string>& expected)
{
    std::vector<std::string> differences;
    for (const std::string& row : expected)
        if (std::find(written.begin(), written.end(), row) == written.end())
            differences.push_back("missing: " + row);
    for (const std::string& row : written)
        if (std::find(expected.begin(), expected.end(), row) == expected.end())
            differences.push_back("extra: " + row);
    if (differences.empty() && written != expected)
        differences.push_back("out of order (or a row twice)");
    return differences;
}
