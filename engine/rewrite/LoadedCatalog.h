#pragma once
// A saved catalog held whole for one rewrite, and the writing of its new
// version.

#include "engine/catalog/CatalogText.h"
#include "platform/fs/AtomicFile.h"

#include <functional>
#include <string>
#include <string_view>

struct LoadedCatalog {
    std::string path;
    std::string text;
    std::size_t bodyOffset = 0;    // where line 12 starts
    std::string_view lineEnd;      // "\r\n", or "\n" for a file whose first line ends so
    // What new text in a line of plain ASCII is written in: Windows-1252 in a
    // file that holds such lines (an old Windows catalog), else UTF-8.
    CatalogEncoding asciiLines = CatalogEncoding::Utf8;

    // Start of 1-based line n (n - 1 line feeds into the text).
    std::size_t lineStart(int n) const;
    // End of the line that starts at pos (where its line end begins).
    std::size_t lineEndAt(std::size_t pos) const;
    // The encoding new text takes in line: the line's own (CatalogText's
    // rule), asciiLines for a line of plain ASCII.
    CatalogEncoding encodingFor(std::string_view line) const;
    // before, then the UTF-8 text, then after (bytes of a line in encoding):
    // the text is converted to the line's encoding; when that code page
    // lacks one of its characters, the whole line becomes UTF-8 instead, so
    // nothing is lost and the line still reads as one.
    static std::string composeLine(std::string_view before, std::string_view utf8, std::string_view after,
                                   CatalogEncoding encoding);
};

// Runs one rewrite; whatever fails is shown in the common error box naming
// the procedure, and the catalog stays as it was (false then).
bool RunRewrite(std::string_view procedure, const std::function<void()>& rewrite);

// Reads LibPath & catalogName; raises AppError when it is missing or no catalog.
LoadedCatalog LoadCatalog(std::string_view catalogName);

// Writes the new version of a catalog piece by piece, then replaces the old
// file. Like every catalog, the new one ends with a line end.
class CatalogRewriter {
public:
    explicit CatalogRewriter(const LoadedCatalog& catalog);
    void write(std::string_view piece);
    void commit();

private:
    const LoadedCatalog& catalog_;
    AtomicFileWriter out_;
    std::string tail_; // the last bytes written, to see how the file ends
};
