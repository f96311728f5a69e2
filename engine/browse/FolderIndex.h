#pragma once
// Folder keys to folder numbers while a catalog loads. The keys are views
// into text that outlives the index. The hash is FNV-1a, which reads a key
// byte by byte: the hash of every parent of a folder (a prefix ending with
// "\") is one of the states met while hashing the folder.

#include <cstdint>
#include <string_view>
#include <vector>

using FolderId = std::uint32_t;
inline constexpr FolderId NoFolder = ~FolderId(0);

class FolderIndex {
public:
    static constexpr std::uint64_t HashStart = 14695981039346656037ull;
    static std::uint64_t HashStep(std::uint64_t hash, char byte)
    {
        return (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ull;
    }
    static std::uint64_t Hash(std::string_view key);

    FolderId find(std::string_view key, std::uint64_t hash) const;
    // key must not be present yet.
    void add(std::string_view key, std::uint64_t hash, FolderId id);

private:
    struct Slot {
        const char* data = nullptr;
        std::uint32_t size = 0;
        FolderId id = NoFolder;
        std::uint64_t hash = 0;
    };
    void grow();

    std::vector<Slot> slots_ = std::vector<Slot>(64);
    std::size_t used_ = 0;
};
