#include "language/ReportTexts.h"

#include "language/LangText.h"

#include <array>

namespace {
// The caption of each report column, in column order.
constexpr std::array ColumnCaptions{TextId::FileName, TextId::Folder, TextId::Size,
                                    TextId::Date,     TextId::Disk,   TextId::FoundComment};
static_assert(ColumnCaptions.size() == ReportColumnCount, "a caption for every report column");
} // namespace

ReportCaptions ReportCaptionsFor(const LangText& texts)
{
    ReportCaptions captions{texts[TextId::ReportTitle], {}};
    for (int c = 0; c < ReportColumnCount; ++c)
        captions.Columns[c] = texts[ColumnCaptions[c]];
    return captions;
}
