#include "platform/ini/ProfileIni.h"

#include "platform/fs/AtomicFile.h"
#include "platform/text/Ascii.h"
#include "platform/text/Encoding.h"

#include <sys/stat.h>

namespace {

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}

std::string_view TrimBlanks(std::string_view s)
{
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view StripQuotes(std::string_view v)
{
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

} // namespace

ProfileIni ProfileIni::Load(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<std::uint64_t>(st.st_size) > MaxFileSize)
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
    Section* current = nullptr;
    while (!bytes.empty()) {
        std::size_t end = bytes.find_first_of("\r\n");
        std::string_view raw = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        std::string_view line = TrimBlanks(raw);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']');
            std::string_view inner = line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1);
            std::string name = BytesToUtf8(TrimBlanks(inner));
            current = nullptr;
            for (Section& s : ini.sections_)
                if (SameName(s.name, name))
                    current = &s; // a repeated section continues the first
            if (!current) {
                ini.sections_.push_back({std::move(name), {}});
                current = &ini.sections_.back();
            }
            continue;
        }
        std::size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos)
            continue;
        std::string key = BytesToUtf8(TrimBlanks(line.substr(0, eq)));
        if (key.empty())
            continue;
        bool seen = false;
        for (const Entry& e : current->entries)
            seen = seen || SameName(e.first, key);
        if (!seen)
            current->entries.emplace_back(std::move(key), BytesToUtf8(StripQuotes(TrimBlanks(line.substr(eq + 1)))));
    }
    return ini;
}

const ProfileIni::Section* ProfileIni::find(std::string_view name) const
{
    for (const Section& s : sections_)
        if (SameName(s.name, name))
            return &s;
    return nullptr;
}

bool ProfileIni::hasSection(std::string_view section) const
{
    return find(section) != nullptr;
}

std::optional<std::string> ProfileIni::value(std::string_view section, std::string_view key) const
{
    if (const Section* s = find(section))
        for (const Entry& e : s->entries)
            if (SameName(e.first, key))
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
