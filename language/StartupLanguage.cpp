#include "language/StartupLanguage.h"

#include "language/BuiltInEnglish.h"
#include "language/LangText.h"
#include "platform/prompter/Prompter.h"
#include "platform/text/Ascii.h"

#include <string>

void LoadStartupLanguage(Prompter& prompter, LangText& texts, const std::string& folder, std::string_view storedFile)
{
    LoadBuiltInEnglish(prompter, texts);
    const LanguageLoad stored = LoadLanguage(prompter, texts, folder, storedFile);
    if (stored == LanguageLoad::Loaded)
        return;
    std::string text = LanguageFileProblem(storedFile, stored);
    if (!AsciiEqualNoCase(storedFile, DefaultLanguageFile)) {
        const LanguageLoad english = LoadLanguage(prompter, texts, folder, DefaultLanguageFile);
        if (english == LanguageLoad::Loaded) {
            text.append(" The texts of ").append(DefaultLanguageFile).append(" are used instead.");
            prompter.message(text, "CorvaneDisk", MsgIcon::Exclamation);
            return;
        }
        text.append(" ").append(LanguageFileProblem(DefaultLanguageFile, english));
    }
    text.append(" The program's own English texts are used instead.");
    prompter.message(text, "CorvaneDisk", MsgIcon::Exclamation);
}
