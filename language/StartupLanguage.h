#pragma once
// The language the program starts in: the program's own English, with the
// stored file's texts over it, so that a number the file lacks (files made
// before 101 and 102 existed end at 100) reads in English. When the stored
// file cannot be read, CorD_eng.lng from the language folder takes its
// place; when that cannot be read either, the English compiled in stays. A
// fallback is announced in one message.

#include <string>
#include <string_view>

class LangText;
class Prompter;

inline constexpr std::string_view DefaultLanguageFile = "CorD_eng.lng";

// folder: the language folder; the message goes to prompter.
void LoadStartupLanguage(Prompter& prompter, LangText& texts, const std::string& folder, std::string_view storedFile);
