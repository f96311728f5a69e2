#include "engine/report/ReportWriter.h"

#include "engine/report/HtmlText.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Encoding.h"

namespace {
constexpr std::string_view CrLf = "\r\n";
constexpr std::string_view FontFace = "face='Arial, Helvetica, sans-serif'";
constexpr std::string_view CellEnd = "&nbsp;</CENTER></font></TD>\r\n";
// Rows gather up to this size and go to the file in one piece.
constexpr std::size_t FlushSize = std::size_t(1) << 20;

// The start of a header or body cell, up to where its text goes.
std::string cellOpening(std::string_view tag, std::string_view colour)
{
    std::string out = "<";
    out += tag;
    out += "><font color='#";
    AppendHtmlText(out, colour);
    out += "' ";
    out += FontFace;
    out += " size='2'><CENTER>&nbsp;";
    return out;
}
} // namespace

ReportWriter::ReportWriter(const ReportLayout& layout, const std::string& path) : layout_(layout), path_(path)
{
    if (!out_.open(path))
        RaiseFromErrno(out_.errorCode(), path);
    row_.reserve(FlushSize + (1 << 16));
    if (layout.html)
        writeHtmlHead();
    else
        writeTextHead();
    flushRow();
}

void ReportWriter::writeTextHead()
{
    for (int c = 0; c < ReportColumnCount; ++c)
        if (layout_.columns[c]) {
            row_ += layout_.captions.Columns[c];
            row_ += layout_.separator;
        }
    row_ += CrLf;
}

void ReportWriter::writeHtmlHead()
{
    cellStart_ = cellOpening("TD", layout_.fieldTextColor);
    std::string piece;
    pagePiece("<HTML>");
    // Declared, so that no browser guesses the encoding of names and comments.
    pagePiece("<HEAD><META HTTP-EQUIV='Content-Type' CONTENT='text/html; charset=UTF-8'></HEAD>");
    pagePiece("<BODY>");
    pagePiece("<CENTER>");
    piece = "<H2><font color='#FF0000' ";
    piece += FontFace;
    piece += ">";
    AppendHtmlText(piece, layout_.captions.Title);
    piece += "</font></H2><BR>";
    pagePiece(piece);
    piece = "<TABLE BGCOLOR='#";
    AppendHtmlText(piece, layout_.fieldBackColor);
    piece += layout_.border ? "' BORDER='1' WIDTH=100%>" : "' BORDER='0' WIDTH=100%>";
    pagePiece(piece);
    piece = "<TR BGCOLOR='#";
    AppendHtmlText(piece, layout_.headerBackColor);
    piece += "'>";
    pagePiece(piece);
    for (int c = 0; c < ReportColumnCount; ++c) {
        if (!layout_.columns[c])
            continue;
        piece = cellOpening("TH", layout_.headerTextColor);
        AppendHtmlText(piece, layout_.captions.Columns[c]);
        piece += "&nbsp;</CENTER></font></TH>";
        pagePiece(piece);
    }
    pagePiece("</TR>");
}

void ReportWriter::pagePiece(std::string_view piece)
{
    row_ += piece;
    if (layout_.pieceLines)
        row_ += CrLf;
}

void ReportWriter::flushRow()
{
    if (!out_.write(row_))
        RaiseFromErrno(out_.errorCode(), path_);
    row_.clear();
}

void ReportWriter::beginRow()
{
    if (layout_.html)
        row_ += "<TR>\r\n";
}

void ReportWriter::beginCell(ReportColumn column)
{
    inCell_ = layout_.columns[column];
    if (inCell_ && layout_.html)
        row_ += cellStart_;
}

void ReportWriter::cellText(std::string_view piece)
{
    if (!inCell_)
        return;
    if (layout_.html)
        AppendHtmlText(row_, piece);
    else
        row_ += piece;
    // A comment may run over many lines; never let one row grow without bound.
    if (row_.size() >= FlushSize)
        flushRow();
}

void ReportWriter::endCell()
{
    if (inCell_)
        row_ += layout_.html ? CellEnd : std::string_view(layout_.separator);
    inCell_ = false;
}

void ReportWriter::cell(ReportColumn column, std::string_view value)
{
    if (!layout_.columns[column])
        return;
    std::string decoded;
    if (!IsValidUtf8(value)) { // a catalog's own file name: read as a line of its bytes reads
        decoded = Windows1252ToUtf8(value);
        value = decoded;
    }
    if (layout_.html) {
        row_ += cellStart_;
        AppendHtmlText(row_, value);
        row_ += CellEnd;
    } else {
        row_ += value;
        row_ += layout_.separator;
    }
}

void ReportWriter::endRow()
{
    row_ += layout_.html ? "</TR>\r\n" : "\r\n";
    if (row_.size() >= FlushSize)
        flushRow();
}

void ReportWriter::finish()
{
    if (layout_.html) {
        pagePiece("</TABLE>");
        pagePiece("</CENTER>");
        pagePiece("</HTML>");
        pagePiece("</BODY>");
    }
    // The closing line end of the page, after the last piece or row.
    row_ += CrLf;
    flushRow();
    if (!out_.commit())
        RaiseFromErrno(out_.errorCode(), path_);
}
