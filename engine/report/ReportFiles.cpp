#include "engine/report/ReportFiles.h"

#include "engine/catalog/CatalogFile.h"
#include "engine/start/AppFolders.h"
#include "engine/text/PathHelpers.h"
#include "platform/fs/AtomicFile.h"

#include <filesystem>

namespace {
std::string_view extension(bool html)
{
    return html ? ".html" : ".txt";
}

bool keepsInUrl(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~' || c == '/';
}
} // namespace

std::string LibraryReportPath(std::string_view catalogName, bool html)
{
    CheckCatalogName(catalogName);
    constexpr std::string_view ReportPrefix = "Lib_";
    const std::string& folder = Folders().ReportPath;
    // A catalog name near the file system's limit gives a report name cut to fit.
    const std::size_t room = FileNameLimit(folder) - ReportPrefix.size() - extension(html).size();
    return folder + std::string(ReportPrefix) + FileWithOutExt(catalogName).substr(0, room) +
           std::string(extension(html));
}

std::string FindReportPath(bool html)
{
    std::string path = Folders().ReportPath + "rep_find";
    path += extension(html);
    return path;
}

std::string ReportOpenTarget(const std::string& reportPath, bool html)
{
    if (!html)
        return reportPath;
    std::error_code ec;
    std::string absolute = std::filesystem::absolute(reportPath, ec).string();
    if (ec)
        absolute = reportPath;
    static constexpr char HexDigits[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (char ch : absolute) {
        auto c = static_cast<unsigned char>(ch);
        if (keepsInUrl(c)) {
            url += ch;
        } else {
            url += '%';
            url += HexDigits[c >> 4];
            url += HexDigits[c & 15];
        }
    }
    return url;
}
