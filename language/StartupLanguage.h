#pragma once
// The language the program starts in: the stored file; when that cannot be
// read, CorD_eng.lng from the language folder; when that cannot be read
// either, the English texts compiled in. A fallback is announced in one
// message, so that no window starts with blank labels unexplained.

#include <string_view>

class LangText;

inline constexpr std::string_view DefaultLanguageFile = "CorD_eng.lng";

void LoadStartupLanguage(LangText& texts, std::string_view storedFile);
