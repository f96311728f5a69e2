#pragma once
// Writes one report page, HTML (UTF-8) or text, row by row: nothing holds the whole
// page, and the file appears (replacing an older report) only when finish()
// succeeds, so a failure never leaves a half-written report.

#include "engine/report/ReportLayout.h"
#include "platform/fs/AtomicFile.h"

#include <string>
#include <string_view>

class ReportWriter {
public:
    // Starts the page (its head and header row); raises AppError when the
    // report cannot be created.
    ReportWriter(const ReportLayout& layout, const std::string& path);

    void beginRow();
    // The value of one column; columns the layout leaves out are ignored, the
    // others must come in column order. A value that is not UTF-8 (a catalog
    // file's legacy name) reads as Windows-1252, as a catalog line does.
    void cell(ReportColumn column, std::string_view value);
    // A value that arrives in pieces (a comment spread over several lines).
    void beginCell(ReportColumn column);
    void cellText(std::string_view piece);
    void endCell();
    void endRow();

    // The page's tail; then the report replaces any older one.
    void finish();

private:
    void writeTextHead();
    void writeHtmlHead();
    void pagePiece(std::string_view piece);
    void flushRow();

    const ReportLayout& layout_;
    std::string path_;
    AtomicFileWriter out_;
    std::string row_;
    std::string cellStart_; // HTML: everything before a value
    bool inCell_ = false;
};
