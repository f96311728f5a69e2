#include "language/ReportTexts.h"

#include "language/LangText.h"

ReportCaptions ReportCaptionsFor(const LangText& texts)
{
    return {texts[TextId::ReportTitle],
            {texts[TextId::FileName], texts[TextId::Folder], texts[TextId::Size], texts[TextId::Date],
             texts[TextId::Disk], texts[TextId::FoundComment]}};
}
