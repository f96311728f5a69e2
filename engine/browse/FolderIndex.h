#pragma once
// Folder keys to folder numbers while a catalog loads. The index keeps only
// numbers and hashes; the keys stay with the folders. The hash is FNV-1a,
// which reads a key byte by byte: the hash of every parent of a folder (a
// prefix ending with "\") is one of the states met while hashing the folder.

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

    // keyOf(id) gives the key of a folder already added.
    template <class KeyOf> FolderId find(std::string_view key, std::uint64_t hash, const KeyOf& keyOf) const
    {
        const std::uint32_t h = fold(hash);
        for (std::size_t i = h & mask(); slots_[i].id != NoFolder; i = (i + 1) & mask())
            if (slots_[i].hash == h && keyOf(slots_[i].id) == key)
                return slots_[i].id;
        return NoFolder;
    }
    // The key of id must not be present yet.
    void add(std::uint64_t hash, FolderId id);

private:
    struct Slot {
        FolderId id = NoFolder;
        std::uint32_t hash = 0;
    };
    // FNV's low bits alone spread poorly over a power-of-two table.
    static std::uint32_t fold(std::uint64_t hash) { return std::uint32_t(hash ^ (hash >> 29)); }
    std::size_t mask() const { return slots_.size() - 1; }
    void place(Slot slot);

    std::vector<Slot> slots_ = std::vector<Slot>(64);
    std::size_t used_ = 0;
};
