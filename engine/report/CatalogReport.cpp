#include "engine/report/CatalogReport.h"

#include "engine/catalog/CatalogFile.h"
#include "engine/catalog/CatalogLineReader.h"
#include "engine/report/ReportWriter.h"
#include "engine/text/PathHelpers.h"
#include "engine/text/StringHelpers.h"

namespace {
// The catalog's body lines as the page takes them: an HTML page is UTF-8, so
// each line that is not (a Windows-1252 line) is converted on its way.
class BodyLines {
public:
    BodyLines(CatalogLineReader& in, bool toUtf8) : in_(in), toUtf8_(toUtf8) {}
    bool next(std::string_view& line)
    {
        if (!in_.next(line))
            return false;
        if (toUtf8_ && DetectCatalogEncoding(line) == CatalogEncoding::Windows1252) {
            utf8_ = Windows1252ToUtf8(line);
            line = utf8_;
        }
        return true;
    }

private:
    CatalogLineReader& in_;
    bool toUtf8_;
    std::string utf8_;
};

// The comment part of a row: the third field up to its "<". Without a "<"
// the comment was broken over several lines (a lone CR or LF, or a ">" in
// it); the following lines belong to it up to the one holding "<", and are
// joined without separator. The row's other cells are written by then, since
// continuation lines replace the current one.
void writeComment(BodyLines& in, ReportWriter& out, std::string_view field3)
{
    out.beginCell(ColComment);
    std::size_t close = field3.find('<');
    out.cellText(field3.substr(0, close));
    bool open = !field3.empty() && close == std::string_view::npos;
    std::string_view line;
    while (open && in.next(line)) {
        close = line.find('<');
        out.cellText(line.substr(0, close));
        open = close == std::string_view::npos;
    }
    out.endCell();
}

void writeRow(BodyLines& in, ReportWriter& out, std::string_view line, std::string_view diskId, std::string& date)
{
    std::string_view fields[3];    // path, size and date, comment
    std::string_view pathParts[2]; // path, member
    std::string_view sizeParts[4]; // size, day, month, year
    TrimmedFields(line, ">", fields);
    TrimmedFields(fields[0], "/", pathParts);
    TrimmedFields(fields[1], "/", sizeParts);
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
    writeComment(in, out, fields[2]);
    out.endRow();
}
} // namespace

void WriteCatalogReport(std::string_view catalogName, const ReportLayout& layout, const std::string& reportPath)
{
    CatalogLineReader reader(LibraryCatalogPath(catalogName));
    ReadHeaderLines(reader);
    BodyLines in(reader, layout.html);
    ReportWriter out(layout, reportPath);
    std::string date;
    std::string_view line;
    while (in.next(line))
        if (!line.empty())
            writeRow(in, out, line, catalogName, date);
    out.finish();
}
