#pragma once
// A saved catalog held whole for one rewrite, and the writing of its new
// version. Lines end at LF; each keeps its own line end (CR LF, or LF
// alone), and a rewrite changes only what stands between a line's start
// and its end.

#include "engine/catalog/CatalogText.h"
#include "engine/problem/Problem.h"
#include "platform/fs/AtomicFile.h"
#include "platform/fs/FileLock.h"

#include <string>
#include <string_view>

struct LoadedCatalog {
    std::string path;
    std::string target; // the file a link leads to, or path itself
    // Held from the read to the replacement: no other writer comes between.
    FileLock lock;
    FileIdentity readAs; // the file text was read from
    std::string text;
    std::size_t bodyOffset = 0; // where line 12 starts
    // What new text in a line of plain ASCII is written in: Windows-1252 in a
    // file that holds such lines (an old Windows catalog), else UTF-8.
    CatalogEncoding asciiLines = CatalogEncoding::Utf8;

    // Start of 1-based line n (n - 1 line feeds into the text).
    std::size_t lineStart(int n) const;
    // End of the text of the line that starts at pos: where its CR LF or LF
    // begins (a CR that ends the file counts as its line end too).
    std::size_t lineEndAt(std::size_t pos) const;
    // Start of the line after the one at pos (the text's size after the last).
    std::size_t nextLineStart(std::size_t pos) const;
    std::string_view lineAt(std::size_t pos) const;
    // What completes the file's last line end when the file lacks it: the
    // line end of the line before, CR LF in a file of one line.
    std::string_view missingEnd() const;
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

// Locks and reads LibPath & catalogName; raises AppError when it is
// missing, read-only, no catalog, or holds a line longer than every reader
// takes.
LoadedCatalog LoadCatalog(std::string_view catalogName);

// Writes the new version of a catalog: every byte up to a changed line's
// start is copied, the line's new text written, and the copy goes on at the
// old text's end, so the line keeps its own line end. A symbolic link is
// written through: the file it leads to is replaced. Nothing is replaced when
// a line would grow longer than the readers take, or when the file is no
// longer the one that was read.
class CatalogRewriter {
public:
    explicit CatalogRewriter(const LoadedCatalog& catalog);
    // Line [start, lineEndAt(start)) becomes newText (which holds no line end).
    void replaceLine(std::size_t start, std::string_view newText);
    // Copies the rest and replaces the old file. Like every catalog, the new
    // one ends with a line end.
    void commit();

private:
    void write(std::string_view piece);
    [[noreturn]] void raiseWriteFailure() const;

    const LoadedCatalog& catalog_;
    AtomicFileWriter out_;
    std::size_t copied_ = 0; // the old text is written up to here
};
