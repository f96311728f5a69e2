#include "engine/catalog/CatalogPath.h"

namespace {
bool breaksLine(char c)
{
    return c == '>' || c == '<' || c == '\r' || c == '\n' || c == '\x01';
}
} // namespace

std::string ToCatalogPath(std::string_view nativePath)
{
    std::string out(nativePath);
    for (char& c : out) {
        if (c == '/')
            c = '\\';
        else if (c == '\\' || breaksLine(c))
            c = '?';
    }
    return out;
}

std::string ToCatalogMemberPath(std::string_view storedName)
{
    std::string out(storedName);
    for (char& c : out) {
        if (c == '/')
            c = '\\';
        else if (breaksLine(c))
            c = '?';
    }
    return out;
}

std::string ToCatalogHeaderValue(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (breaksLine(c))
            c = '?';
    return out;
}

NativeLocation FromCatalogPath(std::string_view catalogPath)
{
    NativeLocation loc;
    std::size_t slash = catalogPath.find('/');
    std::string_view pathPart = catalogPath.substr(0, slash);
    if (slash != std::string_view::npos)
        loc.member = std::string(catalogPath.substr(slash + 1));
    loc.path.assign(pathPart);
    for (char& c : loc.path)
        if (c == '\\')
            c = '/';
    return loc;
}
