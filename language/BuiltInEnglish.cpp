#include "language/BuiltInEnglish.h"

#include "language/LangText.h"
#include "platform/ini/ProfileIni.h"

#include <cstddef>
#include <string_view>

extern const unsigned char EnglishLanguageFile[];
extern const std::size_t EnglishLanguageFileSize;

void LoadBuiltInEnglish(Prompter& prompter, LangText& texts)
{
    const std::string_view bytes(reinterpret_cast<const char*>(EnglishLanguageFile), EnglishLanguageFileSize);
    LoadLanguageTexts(prompter, texts, ProfileIni::Parse(bytes), "CorD_eng.lng");
}
