#pragma once
// A skin package read in memory: only the members at the archive's top are
// seen (by name, without regard to case), never a member in a folder, with
// an absolute or ".." name, or a link; nothing is unpacked to disk. Archives
// that could exhaust memory are refused whole.

#include "engine/archive/ZipArchive.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

class SkinPackage {
public:
    // Generous for a skin (the default one holds 35 members, 200 KB in all).
    static constexpr std::size_t MaxMembers = 1000;
    static constexpr std::uint64_t MaxMemberSize = 32u << 20;
    static constexpr std::uint64_t MaxTotalSize = 128u << 20;

    // The package at path; nullopt, with why saying so, when it cannot be
    // read or is refused.
    static std::optional<SkinPackage> open(const std::string& path, std::string& why);

    bool has(std::string_view name) const;
    // A member's bytes; nullopt, with why, when it is missing or damaged.
    std::optional<std::string> read(std::string_view name, std::string& why) const;

private:
    explicit SkinPackage(ZipHandle zip) : zip_(std::move(zip)) {}

    ZipHandle zip_;
    std::map<std::string, zip_uint64_t> members_; // lower-case name, index
};
