#include "language/LangText.h"

#include "engine/start/AppFolders.h"
#include "platform/fs/FindNoCase.h"
#include "platform/ini/ProfileIni.h"
#include "platform/prompter/Prompter.h"

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

// A key as the message shows it: short, and never cut inside a UTF-8 character.
std::string ShownKey(const std::string& key)
{
    constexpr std::size_t kMax = 24;
    if (key.size() <= kMax)
        return "\"" + key + "\"";
    std::size_t cut = kMax;
    while (cut > 0 && (static_cast<unsigned char>(key[cut]) & 0xC0) == 0x80)
        --cut;
    return "\"" + key.substr(0, cut) + "...\"";
}

void ReportSkippedKeys(std::string_view fileName, const std::vector<const std::string*>& keys)
{
    constexpr std::size_t kShown = 10;
    std::string text = "The language file ";
    text += fileName;
    text += " has keys that are not numbers from 0 to 120; they were skipped: ";
    for (std::size_t i = 0; i < keys.size() && i < kShown; ++i) {
        if (i)
            text += ", ";
        text += ShownKey(*keys[i]);
    }
    if (keys.size() > kShown)
        text += " and " + std::to_string(keys.size() - kShown) + " more";
    text += ".";
    ActivePrompter().message(text, "CorvaneDisk", MsgIcon::Exclamation);
}

} // namespace

bool LangText::set(int n, std::string text)
{
    if (n < 0 || n >= Count)
        return false;
    texts_[n] = std::move(text);
    return true;
}

void LoadLanguage(LangText& texts, std::string_view fileName)
{
    std::optional<std::string> path = FindFileNoCase(Folders().LangPath, fileName);
    if (!path)
        return;
    std::vector<ProfileIni::Entry> entries = ProfileIni::Load(*path).section("Text");
    std::vector<const std::string*> skipped;
    for (auto& [key, value] : entries) {
        std::optional<int> n = TextNumber(key);
        if (!n || !texts.set(*n, std::move(value)))
            skipped.push_back(&key);
    }
    if (!skipped.empty())
        ReportSkippedKeys(fileName, skipped);
}
