#include "engine/catalog/CatalogHeader.h"

#include "engine/catalog/CatalogFile.h"
#include "engine/catalog/CatalogLineReader.h"
#include "engine/catalog/CatalogText.h"
#include "platform/prompter/ErrorBox.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <sys/stat.h>

namespace {
std::string fileDate(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        RaiseFromErrno(errno, path);
    std::tm tm{};
    localtime_r(&st.st_mtime, &tm);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d %02d:%02d:%02d", tm.tm_mday, tm.tm_mon + 1,
                  tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec);
    return buf;
}

// The header decides its own encoding: the body is never read.
CatalogEncoding headerEncoding(const CatalogHeaderLines& lines)
{
    for (const auto& l : lines)
        if (!IsValidUtf8(l))
            return CatalogEncoding::Windows1252;
    return CatalogEncoding::Utf8;
}

CatalogHeader readHeader(const std::string& path)
{
    CatalogHeader h;
    h.FileDate = fileDate(path);
    CatalogLineReader reader(path);
    CatalogHeaderLines lines = ReadHeaderLines(reader);
    CatalogEncoding encoding = headerEncoding(lines);
    auto value = [&](HeaderLine n) {
        return CatalogTextToUtf8(HeaderValue(n, lines[std::size_t(n) - 1]), encoding);
    };
    auto flag = [&](HeaderLine n) { return value(n) == "True"; };
    h.DriveType = value(HeaderLine::DriveType);
    h.Serial = value(HeaderLine::Serial);
    h.Volume = value(HeaderLine::Volume);
    h.Free = value(HeaderLine::Free);
    h.Total = value(HeaderLine::Total);
    h.RootDir = value(HeaderLine::RootDir);
    // A root of "\" alone (the file system's root) keeps it, so it never shows empty.
    if (h.RootDir.size() > 1 && h.RootDir.ends_with('\\'))
        h.RootDir.pop_back();
    h.RecursiveDir = flag(HeaderLine::RecursiveDir);
    h.SearchZipContent = flag(HeaderLine::SearchZipContent);
    h.EnableComment = flag(HeaderLine::EnableComment);
    h.Search = value(HeaderLine::Search);
    h.Comment = value(HeaderLine::Comment);
    return h;
}
} // namespace

CatalogHeader DatFileHeader(const std::string& path)
{
    try {
        return readHeader(path);
    } catch (const std::exception& e) {
        ShowErrorBox(e, "modFile", "DatFileHeader");
        return {};
    }
}
