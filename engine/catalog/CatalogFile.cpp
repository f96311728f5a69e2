#include "engine/catalog/CatalogFile.h"

#include "platform/fs/AtomicFile.h"

#include "engine/catalog/CatalogLineReader.h"
#include "engine/start/AppFolders.h"
#include "platform/prompter/ErrorBox.h"

void RaiseShortHeader(std::string_view path, int linesRead)
{
    if (linesRead == 0)
        RaiseNotACatalog(path, "the file is empty");
    RaiseNotACatalog(path, "the header ends after " + std::to_string(linesRead) + " of " +
                               std::to_string(HeaderLineCount) + " lines");
}

std::string CatalogNameProblem(std::string_view catalogName)
{
    if (catalogName.empty())
        return "a name cannot be empty";
    if (catalogName == "." || catalogName == "..")
        return "\".\" and \"..\" name folders, not files";
    if (catalogName.find('/') != std::string_view::npos)
        return "a name cannot hold \"/\"";
    for (char c : catalogName)
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F')
            return "a name cannot hold control characters (a line break, a tab)";
    return {};
}

std::string NewCatalogNameProblem(std::string_view name, const std::string& folder)
{
    std::string problem = CatalogNameProblem(name);
    if (!problem.empty())
        return problem;
    if (name.find_first_of("\\>") != std::string_view::npos)
        return "a name cannot hold \"\\\" or \">\"";
    if (name.size() + 4 > FileNameLimit(folder))
        return "the name is too long: the folder takes " + std::to_string(FileNameLimit(folder)) + " characters";
    return {};
}

void CheckCatalogName(std::string_view catalogName)
{
    std::string problem = CatalogNameProblem(catalogName);
    if (!problem.empty())
        throw AppError(ErrBadFileName, std::string(ErrorDescription(ErrBadFileName)) + " (catalog name \"" +
                                           std::string(catalogName) + "\": " + problem + ")");
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

void RaiseLineTooLong(std::string_view path)
{
    RaiseNotACatalog(path, "a line is too long (over " + std::to_string(MaxCatalogLineLength >> 20) + " MiB)");
}

void CheckLineLength(std::string_view line, std::string_view path)
{
    if (line.size() > MaxCatalogLineLength)
        RaiseLineTooLong(path);
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
            RaiseShortHeader(reader.path(), n - 1);
        CheckHeaderLine(line, n, reader.path());
        lines[std::size_t(n - 1)].assign(line);
    }
    return lines;
}

std::size_t CatalogBodyOffset(std::string_view text, std::string_view path)
{
    std::size_t pos = 0;
    for (int n = 1; n <= HeaderLineCount; ++n) {
        if (pos >= text.size())
            RaiseShortHeader(path, n - 1);
        std::size_t nl = text.find('\n', pos);
        std::size_t stop = nl == std::string_view::npos ? text.size() : nl + 1;
        std::string_view line = text.substr(pos, stop - pos);
        if (line.ends_with('\n'))
            line.remove_suffix(1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        CheckLineLength(line, path);
        CheckHeaderLine(line, n, path);
        pos = stop;
    }
    return pos;
}

std::optional<Problem> SkippedLinesProblem(std::size_t count, const std::string& path, std::string_view module,
                                           std::string_view procedure)
{
    if (count == 0)
        return std::nullopt;
    return Problem{ErrInvalidFileFormat,
                   std::string(ErrorDescription(ErrInvalidFileFormat)) + " (" + std::to_string(count) +
                       " lines are no catalog lines and were left out)",
                   path,
                   module,
                   procedure,
                   std::source_location::current().line()};
}
