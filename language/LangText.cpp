#include "language/LangText.h"

#include "platform/fs/FindNoCase.h"
#include "platform/ini/ProfileIni.h"
#include "platform/prompter/Prompter.h"
#include "platform/text/Excerpt.h"
#include "platform/text/Messages.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Digits only: no sign, no fraction, no hex. The reader has trimmed the blanks.
std::optional<int> TextNumber(std::string_view key)
{
    constexpr int kLarge = 1'000'000; // far beyond any entry; stops the count before it overflows
    if (key.empty())
        return std::nullopt;
    int n = 0;
    for (char c : key) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = std::min(n * 10 + (c - '0'), kLarge);
    }
    return n;
}

void ReportSkippedKeys(Prompter& prompter, std::string_view fileName, const std::vector<const std::string*>& keys)
{
    constexpr std::size_t kShown = 10;
    std::string text = "The language file ";
    text += fileName;
    text += " has keys that are not numbers from 0 to 120; they were skipped: ";
    for (std::size_t i = 0; i < keys.size() && i < kShown; ++i) {
        if (i)
            text += ", ";
        text += "\"" + Excerpt(*keys[i], 24) + "\"";
    }
    if (keys.size() > kShown)
        text += " and " + std::to_string(keys.size() - kShown) + " more";
    text += ".";
    prompter.message(text, "CorvaneDisk", MsgIcon::Exclamation);
}

} // namespace

bool LangText::set(int n, std::string text)
{
    if (n < 0 || n >= Count)
        return false;
    texts_[n] = std::move(text);
    return true;
}

LanguageLoad LoadLanguageTexts(Prompter& prompter, LangText& texts, const ProfileIni& profile,
                               std::string_view sourceName)
{
    std::vector<ProfileIni::Entry> entries = profile.section("Text");
    if (entries.empty())
        return LanguageLoad::NoTexts;
    std::vector<const std::string*> skipped;
    for (auto& [key, value] : entries) {
        std::optional<int> n = TextNumber(key);
        if (!n || !texts.set(*n, std::move(value)))
            skipped.push_back(&key);
        else if (IsMessageNumber(*n)) // code below the windows puts these together
            SetMessageText(*n, texts[TextId(*n)]);
    }
    if (!skipped.empty())
        ReportSkippedKeys(prompter, sourceName, skipped);
    return LanguageLoad::Loaded;
}

LanguageLoad LoadLanguage(Prompter& prompter, LangText& texts, const std::string& folder, std::string_view fileName)
{
    std::optional<std::string> path = FindFileNoCase(folder, fileName);
    if (!path)
        return LanguageLoad::Missing;
    const ProfileIni profile = ProfileIni::Load(*path);
    if (!profile.loaded())
        return LanguageLoad::Unreadable;
    return LoadLanguageTexts(prompter, texts, profile, fileName);
}

std::string LanguageFileProblem(std::string_view fileName, LanguageLoad result)
{
    std::string_view why = "cannot be read";
    if (result == LanguageLoad::Missing)
        why = "is missing";
    else if (result == LanguageLoad::NoTexts)
        why = "holds no [Text] section with texts";
    std::string text = "The language file \"";
    text.append(Excerpt(fileName)).append("\" ").append(why).append(".");
    return text;
}
