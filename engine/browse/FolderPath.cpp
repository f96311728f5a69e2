#include "engine/browse/FolderPath.h"

#include "platform/text/Encoding.h"

#include <algorithm>

std::string_view LastPath(std::string_view path)
{
    std::size_t last = path.rfind('\\');
    if (last == std::string_view::npos)
        return path;
    std::string_view before = path.substr(0, last);
    std::size_t previous = before.rfind('\\');
    return previous == std::string_view::npos ? before : before.substr(previous + 1);
}

std::string DecodeFolderPath(std::string_view path)
{
    std::string key;
    key.reserve(path.size() * 2);
    for (std::size_t start = 0; start < path.size();) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        key += BytesToUtf8(path.substr(start, end - start));
        if (end < path.size())
            key += '\\';
        start = end + 1;
    }
    return key;
}
