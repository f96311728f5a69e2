#pragma once
// Everything a report writer needs to know about the page it writes, already
// resolved from the report settings or the command line.

#include <array>
#include <string>

// The columns in the order every report writes them.
enum ReportColumn { ColFile, ColDirectory, ColSize, ColDate, ColDiskId, ColComment, ReportColumnCount };

// The texts of the page: the window reports take them from the language.
struct ReportCaptions {
    std::string Title;
    std::array<std::string, ReportColumnCount> Columns;
};

struct ReportLayout {
    bool html = true;
    // Search report: every piece of the page's head and tail on a line of its own.
    bool pieceLines = false;
    std::array<bool, ReportColumnCount> columns{};
    std::string separator; // text variant: written after every caption and value
    bool border = false;
    // Written after "#" as they are (six hex digits, red first).
    std::string headerBackColor;
    std::string headerTextColor;
    std::string fieldBackColor;
    std::string fieldTextColor;
    ReportCaptions captions;
};
