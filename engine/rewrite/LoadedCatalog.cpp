#include "engine/rewrite/LoadedCatalog.h"

#include "engine/catalog/CatalogFile.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Ascii.h"

#include <cerrno>
#include <cstdint>
#include <limits>

namespace {
// As large as the browser loads: a catalog it shows can be changed.
constexpr std::size_t MaxCatalogSize = std::numeric_limits<std::uint32_t>::max();
} // namespace

LoadedCatalog LoadCatalog(std::string_view catalogName)
{
    LoadedCatalog c;
    c.path = LibraryCatalogPath(catalogName);
    int err = 0;
    if (!LockForReplacing(c.path, c.target, c.lock, &err))
        RaiseFromErrno(err, c.lock.problem().empty() ? c.path : c.path + ": " + c.lock.problem());
    if (!ReadWholeFile(c.path, c.text, &err, MaxCatalogSize, &c.readAs)) {
        if (err == EINVAL)
            RaiseNotACatalog(c.path, "not a regular file");
        RaiseFromErrno(err, c.path);
    }
    c.bodyOffset = CatalogBodyOffset(c.text, c.path);
    for (std::size_t p = c.bodyOffset; p < c.text.size(); p = c.nextLineStart(p))
        CheckLineLength(c.lineAt(p), c.path);
    c.asciiLines = DetectCatalogEncoding(c.text);
    return c;
}

std::size_t LoadedCatalog::lineStart(int n) const
{
    std::size_t pos = 0;
    for (int i = 1; i < n && pos < text.size(); ++i)
        pos = nextLineStart(pos);
    return pos;
}

std::size_t LoadedCatalog::nextLineStart(std::size_t pos) const
{
    std::size_t nl = text.find('\n', pos);
    return nl == std::string::npos ? text.size() : nl + 1;
}

std::size_t LoadedCatalog::lineEndAt(std::size_t pos) const
{
    std::size_t nl = text.find('\n', pos);
    std::size_t end = nl == std::string::npos ? text.size() : nl;
    return end > pos && text[end - 1] == '\r' ? end - 1 : end;
}

std::string_view LoadedCatalog::lineAt(std::size_t pos) const
{
    return std::string_view(text).substr(pos, lineEndAt(pos) - pos);
}

std::string_view LoadedCatalog::missingEnd() const
{
    if (text.empty() || text.back() == '\n')
        return {};
    if (text.back() == '\r')
        return "\n";
    std::size_t nl = text.rfind('\n');
    return nl != std::string::npos && (nl == 0 || text[nl - 1] != '\r') ? "\n" : "\r\n";
}

CatalogEncoding LoadedCatalog::encodingFor(std::string_view line) const
{
    return IsAscii(line) ? asciiLines : DetectCatalogEncoding(line);
}

std::string LoadedCatalog::composeLine(std::string_view before, std::string_view utf8, std::string_view after,
                                       CatalogEncoding encoding)
{
    std::string text;
    if (encoding == CatalogEncoding::Utf8 || IsAscii(utf8))
        return std::string(before) + std::string(utf8) + std::string(after);
    if (Utf8ToWindows1252(utf8, text))
        return std::string(before) + text + std::string(after);
    return Windows1252ToUtf8(before) + std::string(utf8) + Windows1252ToUtf8(after);
}

CatalogRewriter::CatalogRewriter(const LoadedCatalog& catalog) : catalog_(catalog)
{
    if (!out_.open(catalog.target))
        raiseWriteFailure();
    out_.expect(catalog.readAs);
}

void CatalogRewriter::raiseWriteFailure() const
{
    if (!out_.changedMeanwhile())
        RaiseFromErrno(out_.errorCode(), catalog_.path);
    throw AppError(ErrPathFileAccess, std::string(ErrorDescription(ErrPathFileAccess)) + " (" + catalog_.path +
                                          " was changed by someone else meanwhile; nothing was written)");
}

void CatalogRewriter::write(std::string_view piece)
{
    if (!out_.write(piece))
        raiseWriteFailure();
}

void CatalogRewriter::replaceLine(std::size_t start, std::string_view newText)
{
    // No reader could take the catalog back, nor undo the change.
    if (newText.size() > MaxCatalogLineLength)
        throw AppError(ErrInvalidArgument, std::string(ErrorDescription(ErrInvalidArgument)) + " (a line of " +
                                               catalog_.path + " would be longer than " +
                                               std::to_string(MaxCatalogLineLength >> 20) +
                                               " MiB, which no reader takes; nothing was written)");
    const std::string_view text = catalog_.text;
    write(text.substr(copied_, start - copied_));
    write(newText);
    copied_ = catalog_.lineEndAt(start);
}

void CatalogRewriter::commit()
{
    write(std::string_view(catalog_.text).substr(copied_));
    write(catalog_.missingEnd());
    if (!out_.commit())
        raiseWriteFailure();
}
