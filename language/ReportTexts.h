#pragma once
// The title and column captions of the window reports, in the current language.

#include "engine/report/ReportLayout.h"

class LangText;

ReportCaptions ReportCaptionsFrom(const LangText& texts);
