#pragma once
// INI files (skin descriptions, language files) read with the classic
// profile rules: section and key names compared without regard to ASCII
// case, blanks round names and values ignored, a value wrapped in matching
// quotes loses them, the first of two equal keys wins, a missing key differs
// from an empty one, a value keeps at most 2,047 characters, and nothing is
// split at commas. Text comes back as UTF-8: a line that is not valid UTF-8
// is read as Windows-1252.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class ProfileIni {
public:
    using Entry = std::pair<std::string, std::string>; // key, value

    // A file that is missing, unreadable or larger than MaxFileSize reads as
    // an empty profile; loaded() tells them apart from a real empty file.
    static ProfileIni Load(const std::string& path);
    static ProfileIni Parse(std::string_view bytes);

    bool loaded() const { return loaded_; }
    // nullopt when the section or the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The value, or fallback when the key is missing (a present empty key gives "").
    std::string get(std::string_view section, std::string_view key, std::string_view fallback) const;
    // Every key of the section in file order, each name once (its first value).
    std::vector<Entry> section(std::string_view name) const;

    static constexpr std::size_t MaxFileSize = 16u << 20;
    // A longer value is cut to this many characters, as the classic reader's
    // buffer of 2,048 cuts it.
    static constexpr std::size_t MaxValueChars = 2047;

private:
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    const Section* find(std::string_view name) const;

    std::vector<Section> sections_;
    bool loaded_ = false;
};

// One value of one file, as the skin and language code ask for it.
std::string ProfileGetItem(std::string_view section, std::string_view key, std::string_view fallback,
                           const std::string& file);
