#pragma once
// The texts of the window reports (the library and the search results) in
// the current language: the title and the six column captions.

#include "engine/report/ReportLayout.h"

class LangText;

ReportCaptions ReportCaptionsFor(const LangText& texts);
