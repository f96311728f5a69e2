#include "engine/rewrite/LoadedCatalog.h"

#include "engine/catalog/CatalogFile.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Ascii.h"

bool RunRewrite(std::string_view procedure, const std::function<void()>& rewrite)
{
    try {
        rewrite();
        return true;
    } catch (const std::exception& e) {
        ShowErrorBox(e, "modFile", procedure);
        return false;
    }
}

LoadedCatalog LoadCatalog(std::string_view catalogName)
{
    LoadedCatalog c;
    c.path = LibraryCatalogPath(catalogName);
    int err = 0;
    if (!ReadWholeFile(c.path, c.text, &err))
        RaiseFromErrno(err, c.path);
    c.bodyOffset = CatalogBodyOffset(c.text, c.path);
    std::size_t firstEnd = c.text.find('\n');
    c.lineEnd = (firstEnd != std::string::npos && firstEnd > 0 && c.text[firstEnd - 1] == '\r') ? "\r\n" : "\n";
    c.asciiLines = DetectCatalogEncoding(c.text);
    return c;
}

std::size_t LoadedCatalog::lineStart(int n) const
{
    std::size_t pos = 0;
    for (int i = 1; i < n && pos < text.size(); ++i) {
        std::size_t nl = text.find('\n', pos);
        pos = nl == std::string::npos ? text.size() : nl + 1;
    }
    return pos;
}

std::size_t LoadedCatalog::lineEndAt(std::size_t pos) const
{
    std::size_t end = text.find(lineEnd, pos);
    return end == std::string::npos ? text.size() : end;
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
    if (!out_.open(catalog.path))
        RaiseFromErrno(out_.errorCode(), catalog.path);
}

void CatalogRewriter::write(std::string_view piece)
{
    if (!out_.write(piece))
        RaiseFromErrno(out_.errorCode(), catalog_.path);
    tail_ += piece.substr(piece.size() - std::min(piece.size(), std::size_t(2)));
    if (tail_.size() > 2)
        tail_.erase(0, tail_.size() - 2);
}

void CatalogRewriter::commit()
{
    if (!tail_.ends_with(catalog_.lineEnd))
        write(catalog_.lineEnd);
    if (!out_.commit())
        RaiseFromErrno(out_.errorCode(), catalog_.path);
}
