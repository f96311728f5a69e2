#include "engine/catalog/CatalogFile.h"

#include "engine/catalog/CatalogLineReader.h"
#include "engine/start/AppFolders.h"
#include "platform/prompter/ErrorBox.h"

namespace {
[[noreturn]] void raiseShortHeader(std::string_view path, int linesRead)
{
    if (linesRead == 0)
        RaiseNotACatalog(path, "the file is empty");
    RaiseNotACatalog(path, "the header ends after " + std::to_string(linesRead) + " of " +
                               std::to_string(HeaderLineCount) + " lines");
}
} // namespace

bool IsSafeCatalogName(std::string_view catalogName)
{
    return !catalogName.empty() && catalogName != "." && catalogName != ".." &&
           catalogName.find('/') == std::string_view::npos &&
           catalogName.find('\0') == std::string_view::npos;
}

void CheckCatalogName(std::string_view catalogName)
{
    if (!IsSafeCatalogName(catalogName))
        throw AppError(ErrBadFileName, std::string(ErrorDescription(ErrBadFileName)) +
                                           " (catalog name \"" + std::string(catalogName) + "\")");
}

std::string LibraryCatalogPath(std::string_view catalogName)
{
    CheckCatalogName(catalogName);
    return Folders().LibPath + std::string(catalogName);
}

void RaiseNotACatalog(std::string_view path, std::string_view reason)
{
    std::string text(ErrorDescription(ErrInvalidFileFormat));
    text += " (";
    text += path;
    text += " is not a catalog: ";
    text += reason;
    text += ")";
    throw AppError(ErrInvalidFileFormat, text);
}

void CheckHeaderLine(std::string_view line, int n, std::string_view path)
{
    if (!line.starts_with('>'))
        RaiseNotACatalog(path, "line " + std::to_string(n) + " is no header line");
}

CatalogHeaderLines ReadHeaderLines(CatalogLineReader& reader)
{
    CatalogHeaderLines lines;
    std::string_view line;
    for (int n = 1; n <= HeaderLineCount; ++n) {
        if (!reader.next(line))
            raiseShortHeader(reader.path(), n - 1);
        CheckHeaderLine(line, n, reader.path());
        lines[std::size_t(n - 1)].assign(line);
    }
    return lines;
}

CatalogEncoding ReadCatalogEncoding(const std::string& path)
{
    CatalogLineReader reader(path);
    std::string_view lines;
    while (reader.nextBlock(lines))
        if (!IsValidUtf8(lines))
            return CatalogEncoding::Windows1252;
    return CatalogEncoding::Utf8;
}

std::size_t CatalogBodyOffset(std::string_view text, std::string_view path)
{
    std::size_t pos = 0;
    for (int n = 1; n <= HeaderLineCount; ++n) {
        if (pos >= text.size())
            raiseShortHeader(path, n - 1);
        std::size_t nl = text.find('\n', pos);
        std::size_t stop = nl == std::string_view::npos ? text.size() : nl + 1;
        CheckHeaderLine(text.substr(pos, stop - pos), n, path);
        pos = stop;
    }
    return pos;
}
