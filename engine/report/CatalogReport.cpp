#include "engine/report/CatalogReport.h"

#include "engine/catalog/CatalogFile.h"
#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CatalogLineReader.h"
#include "engine/report/ReportWriter.h"
#include "engine/text/PathHelpers.h"
#include "engine/text/StringHelpers.h"

namespace {
// The catalog's body lines as a report takes them: every report is UTF-8, so
// each line that is not (a Windows-1252 line) is converted on its way.
class BodyLines {
public:
    explicit BodyLines(CatalogLineReader& in) : in_(in) {}
    bool next(std::string_view& line)
    {
        if (held_) {
            held_ = false;
            line = heldLine_;
            return true;
        }
        if (!in_.next(line))
            return false;
        if (DetectCatalogEncoding(line) == CatalogEncoding::Windows1252) {
            utf8_ = Windows1252ToUtf8(line);
            line = utf8_;
        }
        return true;
    }
    // line, the one just read, comes again from the next call.
    void putBack(std::string_view line)
    {
        std::string copy(line);
        heldLine_ = std::move(copy);
        held_ = true;
    }

private:
    CatalogLineReader& in_;
    std::string utf8_;
    std::string heldLine_;
    bool held_ = false;
};

// The comment as the search and the browser read it. One broken over lines
// by a lone line feed goes on in the lines after that are no entries, joined
// without separator, up to its closing "<"; an entry line starts its own row.
// The row's other cells are written by then, since continuation lines
// replace the current one.
void writeComment(BodyLines& in, ReportWriter& out, const BodyLine& entry)
{
    out.beginCell(ColComment);
    out.cellText(TrimBlanks(entry.comment()));
    bool open = entry.commentRunsOn();
    std::string_view line;
    while (open && in.next(line)) {
        if (ParseBodyLine(line).hasEntryFields()) {
            in.putBack(line);
            break;
        }
        bool closes = false;
        out.cellText(CommentContinuation(line, closes));
        open = !closes;
    }
    out.endCell();
}

void writeRow(BodyLines& in, ReportWriter& out, std::string_view line, std::string_view diskId, std::string& date)
{
    const BodyLine entry = ParseBodyLine(line);
    std::string_view pathParts[2]; // path, member
    std::string_view sizeParts[4]; // size, day, month, year
    TrimmedFields(entry.path, "/", pathParts);
    TrimmedFields(entry.sizeDate, "/", sizeParts);
    date.assign(sizeParts[1]);
    date += '/';
    date += sizeParts[2];
    date += '/';
    date += sizeParts[3];

    out.beginRow();
    // An archive member (a file or a folder entry) is named by its path in the
    // archive, and its folder is the archive itself.
    if (!pathParts[1].empty()) {
        out.cell(ColFile, pathParts[1]);
        out.cell(ColDirectory, pathParts[0]);
    } else {
        out.cell(ColFile, FileWithOutPath(pathParts[0]));
        out.cell(ColDirectory, PathWithOutFile(pathParts[0]));
    }
    out.cell(ColSize, sizeParts[0]);
    out.cell(ColDate, date);
    out.cell(ColDiskId, diskId);
    writeComment(in, out, entry);
    out.endRow();
}
} // namespace

void WriteCatalogReport(std::string_view catalogName, const ReportLayout& layout, const std::string& reportPath)
{
    CatalogLineReader reader(LibraryCatalogPath(catalogName));
    ReadHeaderLines(reader);
    BodyLines in(reader);
    ReportWriter out(layout, reportPath);
    std::string date;
    std::string_view line;
    while (in.next(line))
        if (!line.empty())
            writeRow(in, out, line, catalogName, date);
    out.finish();
}
