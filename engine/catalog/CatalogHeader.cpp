#include "engine/catalog/CatalogHeader.h"

#include "engine/catalog/CatalogFile.h"
#include "engine/catalog/CatalogLine.h"
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
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d %02d:%02d:%02d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900,
                  tm.tm_hour, tm.tm_min, tm.tm_sec);
    return buf;
}

// One header line into its field; each line in its own encoding.
void takeLine(CatalogHeader& h, HeaderLine n, std::string_view line)
{
    std::string value = CatalogTextToUtf8(HeaderValue(n, line), DetectCatalogEncoding(line));
    switch (n) {
    case HeaderLine::DriveType:
        h.DriveType = std::move(value);
        break;
    case HeaderLine::Serial:
        h.Serial = std::move(value);
        break;
    case HeaderLine::Volume:
        h.Volume = std::move(value);
        break;
    case HeaderLine::Free:
        h.Free = std::move(value);
        break;
    case HeaderLine::Total:
        h.Total = std::move(value);
        break;
    case HeaderLine::RootDir:
        // A root of "\" alone (the file system's root) keeps it, so it never shows empty.
        if (value.size() > 1 && value.ends_with('\\'))
            value.pop_back();
        h.RootDir = std::move(value);
        break;
    case HeaderLine::RecursiveDir:
        h.RecursiveDir = value == "True";
        break;
    case HeaderLine::SearchZipContent:
        h.SearchZipContent = value == "True";
        break;
    case HeaderLine::EnableComment:
        h.EnableComment = value == "True";
        break;
    case HeaderLine::Search:
        h.Search = std::move(value);
        break;
    case HeaderLine::Comment:
        h.Comment = std::move(value);
        break;
    }
}

} // namespace

HeaderReading ReadCatalogHeader(const std::string& path)
{
    HeaderReading r;
    try {
        r.header.FileDate = fileDate(path);
        // The eleven lines are short: a library of large catalogs lists without reading their bodies.
        CatalogLineReader reader(path, 4096);
        std::string_view line;
        for (int n = 1; n <= HeaderLineCount; ++n) {
            if (!reader.next(line))
                RaiseShortHeader(path, n - 1);
            CheckHeaderLine(line, n, path);
            takeLine(r.header, HeaderLine(n), line);
        }
    } catch (const AppError& e) {
        r.status = e.number() == ErrInvalidFileFormat ? HeaderStatus::NotACatalog : HeaderStatus::Unreadable;
        r.errorNumber = e.number();
        r.problem = e.what();
    }
    return r;
}
