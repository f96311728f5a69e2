#pragma once
// The settings store's file: the ".reg" text style, one "[ROOT\key\path]"
// section per key, one value a line: "name"="text", "name"=dword:0000002a,
// @ for the default value. Key and value names compare case-insensitively
// (ASCII), as users of the original registry expect. A key name's line
// breaks and "%" are written as %0D, %0A and %25, so no name can break the
// file's lines.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct CaseInsensitiveLess {
    bool operator()(std::string_view a, std::string_view b) const;
};

// REG_SZ text or REG_DWORD number.
using RegData = std::variant<std::string, std::uint32_t>;

struct RegKey {
    std::string name;                                           // as first spelt
    std::map<std::string, RegData, CaseInsensitiveLess> values; // "" is the default value
    std::map<std::string, std::unique_ptr<RegKey>, CaseInsensitiveLess> subkeys;

    RegKey* child(std::string_view childName) const;
    RegKey& childOrCreate(std::string_view childName);
};

struct RegParseResult {
    RegKey tree;                       // top level: one subkey per root ("HKEY_LOCAL_MACHINE"...)
    std::vector<std::size_t> badLines; // 1-based numbers of lines that could not be read
};

// Levels of a key, its root included, beyond which a file is taken as damaged.
inline constexpr std::size_t MaxKeyDepth = 100;

// A "[...]" line of more than MaxKeyDepth levels is a bad line.
RegParseResult ParseRegFile(std::string_view text);
std::string SerializeRegFile(const RegKey& tree);

// Splits "A\B\C" into its levels; empty levels are dropped.
std::vector<std::string_view> SplitKeyPath(std::string_view path);
