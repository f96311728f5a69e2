#include "language/BuiltInEnglish.h"

#include "language/LangText.h"
#include "platform/ini/ProfileIni.h"
#include "platform/text/Messages.h"

void LoadBuiltInEnglish(Prompter& prompter, LangText& texts)
{
    LoadLanguageTexts(prompter, texts, ProfileIni::Parse(EnglishLanguageBytes()), "CorD_eng.lng");
}
