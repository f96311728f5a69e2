#include "platform/ini/ProfileIni.h"

#include "platform/fs/AtomicFile.h"
#include "platform/text/Ascii.h"
#include "platform/text/Encoding.h"
#include "platform/text/Excerpt.h"

#include <sys/stat.h>

#include <unordered_map>
#include <unordered_set>

namespace {

// Profiles are written by hand: tabs count as blanks.
constexpr std::string_view IniBlanks = " \t";

std::string_view StripQuotes(std::string_view v)
{
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

// A value as the reader's buffer holds it. Cut in bytes first, never inside a
// UTF-8 character, so that a huge value is not decoded whole.
std::string BufferedValue(std::string_view v)
{
    std::string text = BytesToUtf8(Utf8BytePrefix(v, ProfileIni::MaxValueChars * 4));
    text.resize(Utf8Prefix(text, ProfileIni::MaxValueChars).size());
    return text;
}

} // namespace

ProfileIni ProfileIni::Load(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || static_cast<std::uint64_t>(st.st_size) > MaxFileSize)
        return {};
    std::string bytes;
    if (!ReadWholeFile(path, bytes) || bytes.size() > MaxFileSize)
        return {};
    return Parse(bytes);
}

ProfileIni ProfileIni::Parse(std::string_view bytes)
{
    ProfileIni ini;
    ini.loaded_ = true;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    // Names folded once, so that a huge file of distinct names stays linear.
    std::unordered_map<std::string, std::size_t> sectionAt;
    std::vector<std::unordered_set<std::string>> keysOf;
    std::size_t current = std::string_view::npos;
    while (!bytes.empty()) {
        std::size_t end = bytes.find_first_of("\r\n");
        std::string_view raw = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        std::string_view line = TrimBlanks(raw, IniBlanks);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']');
            std::string_view inner = line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1);
            std::string name = BytesToUtf8(TrimBlanks(inner, IniBlanks));
            // A repeated section continues the first.
            auto [it, added] = sectionAt.try_emplace(AsciiLowerCopy(name), ini.sections_.size());
            if (added) {
                ini.sections_.push_back({std::move(name), {}});
                keysOf.emplace_back();
            }
            current = it->second;
            continue;
        }
        std::size_t eq = line.find('=');
        if (current == std::string_view::npos || eq == std::string_view::npos)
            continue;
        std::string key = BytesToUtf8(TrimBlanks(line.substr(0, eq), IniBlanks));
        if (key.empty() || !keysOf[current].insert(AsciiLowerCopy(key)).second)
            continue;
        ini.sections_[current].entries.emplace_back(
            std::move(key), BufferedValue(StripQuotes(TrimBlanks(line.substr(eq + 1), IniBlanks))));
    }
    return ini;
}

const ProfileIni::Section* ProfileIni::find(std::string_view name) const
{
    for (const Section& s : sections_)
        if (AsciiEqualNoCase(s.name, name))
            return &s;
    return nullptr;
}

std::optional<std::string> ProfileIni::value(std::string_view section, std::string_view key) const
{
    if (const Section* s = find(section))
        for (const Entry& e : s->entries)
            if (AsciiEqualNoCase(e.first, key))
                return e.second;
    return std::nullopt;
}

std::string ProfileIni::get(std::string_view section, std::string_view key, std::string_view fallback) const
{
    std::optional<std::string> v = value(section, key);
    return v ? *v : std::string(fallback);
}

std::vector<ProfileIni::Entry> ProfileIni::section(std::string_view name) const
{
    const Section* s = find(name);
    return s ? s->entries : std::vector<Entry>{};
}

std::string ProfileGetItem(std::string_view section, std::string_view key, std::string_view fallback,
                           const std::string& file)
{
    return ProfileIni::Load(file).get(section, key, fallback);
}
