#include "engine/catalog/CatalogLine.h"

namespace {
constexpr std::string_view HeaderLabels[HeaderLineCount] = {
    ">",
    ">Serial ",
    ">Volume ",
    ">Free ",
    ">Total ",
    ">Root Dir ",
    ">Recursive Dir ",
    ">Search zip content ",
    ">Enable comment ",
    ">Search ",
    ">Comment ",
};
constexpr std::string_view SizeUnit = " Kb/";
} // namespace

std::string_view HeaderLabel(HeaderLine line)
{
    return HeaderLabels[int(line) - 1];
}

std::string MakeHeaderLine(HeaderLine line, std::string_view value)
{
    std::string out(HeaderLabel(line));
    out += value;
    return out;
}

std::string_view HeaderValue(HeaderLine line, std::string_view text)
{
    std::size_t start = HeaderLabel(line).size();
    return start >= text.size() ? std::string_view() : text.substr(start);
}

std::string_view FlagText(bool flag)
{
    return flag ? "True" : "False";
}

std::string SizeDateField(std::uint64_t sizeKb, std::string_view date)
{
    std::string out = std::to_string(sizeKb);
    out += SizeUnit;
    out += date;
    return out;
}

std::string MakeFileLine(std::string_view catalogPath, std::uint64_t sizeKb, std::string_view date)
{
    std::string out;
    out.reserve(catalogPath.size() + date.size() + 24);
    out += catalogPath;
    out += '>';
    out += SizeDateField(sizeKb, date);
    return out;
}

std::string MakeFileLine(std::string_view catalogPath, std::uint64_t sizeKb, std::string_view date,
                         std::string_view encodedComment)
{
    std::string out = MakeFileLine(catalogPath, sizeKb, date);
    out += '>';
    out += encodedComment;
    out += '<';
    return out;
}

std::string MakeMemberLine(std::string_view archiveCatalogPath, std::string_view memberCatalogPath,
                           std::uint64_t sizeKb, std::string_view date, std::string_view encodedComment)
{
    std::string path(archiveCatalogPath);
    path += '/';
    path += memberCatalogPath;
    return MakeFileLine(path, sizeKb, date, encodedComment);
}

BodyLine ParseBodyLine(std::string_view line)
{
    BodyLine b;
    std::size_t first = line.find('>');
    b.path = line.substr(0, first);
    if (first == std::string_view::npos)
        return b;
    std::size_t second = line.find('>', first + 1);
    b.sizeDate = line.substr(first + 1, second == std::string_view::npos ? std::string_view::npos : second - first - 1);
    if (second != std::string_view::npos) {
        b.hasComment = true;
        b.rest = line.substr(second + 1);
    }
    return b;
}

bool BodyLine::isMember() const
{
    return path.find('/') != std::string_view::npos;
}

std::string_view BodyLine::archivePath() const
{
    return path.substr(0, path.find('/'));
}

std::string_view BodyLine::memberPath() const
{
    std::size_t p = path.find('/');
    return p == std::string_view::npos ? std::string_view() : path.substr(p + 1);
}

std::string_view BodyLine::sizeAndUnit() const
{
    std::size_t p = sizeDate.find(SizeUnit);
    return p == std::string_view::npos ? sizeDate : sizeDate.substr(0, p + SizeUnit.size() - 1);
}

std::string_view BodyLine::dateText() const
{
    std::size_t p = sizeDate.find(SizeUnit);
    return p == std::string_view::npos ? std::string_view() : sizeDate.substr(p + SizeUnit.size());
}

std::string_view CommentContinuation(std::string_view line, bool& closes)
{
    closes = line.ends_with('<');
    return closes ? line.substr(0, line.size() - 1) : line;
}

std::string_view BodyLine::comment() const
{
    bool closed = false;
    return CommentContinuation(rest, closed);
}

bool BodyLine::commentRunsOn() const
{
    return hasComment && !rest.empty() && !rest.ends_with('<');
}

bool BodyLine::hasEntryFields() const
{
    return !path.empty() && sizeDate.find(SizeUnit) != std::string_view::npos;
}

std::string BodyLine::key() const
{
    std::string k(path);
    k += '>';
    k += sizeDate;
    return k;
}
