#include "engine/text/PathHelpers.h"

#include <sys/stat.h>
#include <unistd.h>

bool NameTaken(const std::string& path)
{
    struct stat st;
    return !path.empty() && ::lstat(path.c_str(), &st) == 0;
}

bool DirExist(const std::string& path)
{
    // Same answer as trying to change into the folder, without moving the
    // whole process there.
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string FileWithOutExt(std::string_view name)
{
    return std::string(name.substr(0, name.rfind('.')));
}

std::string FileExt(std::string_view name)
{
    std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

std::string FileWithOutPath(std::string_view path)
{
    std::size_t slash = path.rfind('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string PathWithOutFile(std::string_view path)
{
    std::size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string AddBackslash(std::string_view path)
{
    std::string out(path);
    if (!out.ends_with('\\'))
        out += '\\';
    return out;
}

std::string AddSlash(std::string_view path)
{
    std::string out(path);
    if (!out.ends_with('/'))
        out += '/';
    return out;
}
