#pragma once
// The folders of a catalog being loaded, found by their keys. The index keeps
// only folder numbers and hashes; the keys stay with the folders. The hash is
// FNV-1a, which reads a key byte by byte: the hash of every parent of a
// folder (a prefix ending with "\") is one of the states met while hashing
// the folder.

#include "engine/browse/CatalogFolders.h"

#include <cstdint>
#include <string_view>
#include <vector>

class FolderIndex {
public:
    static constexpr std::uint64_t HashStart = 14695981039346656037ull;
    static std::uint64_t HashStep(std::uint64_t hash, char byte)
    {
        return (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ull;
    }
    static std::uint64_t Hash(std::string_view key);

    // Indexes the folders d already holds.
    explicit FolderIndex(CatalogFoldersData& d);

    FolderId find(std::string_view key, std::uint64_t hash) const;
    // A new folder for key, which is not present yet and lies in d's bytes or
    // decoded keys.
    FolderId add(std::string_view key, std::uint64_t hash);
    // A key that lies elsewhere is copied to d's decoded keys when new.
    FolderId findOrAdd(std::string_view key);

private:
    struct Slot {
        FolderId id = NoFolder;
        std::uint32_t hash = 0;
    };
    // FNV's low bits alone spread poorly over a power-of-two table.
    static std::uint32_t fold(std::uint64_t hash) { return std::uint32_t(hash ^ (hash >> 29)); }
    std::size_t mask() const { return slots_.size() - 1; }
    void remember(std::uint64_t hash, FolderId id);
    void place(Slot slot);

    CatalogFoldersData& d_;
    LargeVector<Slot> slots_ = LargeVector<Slot>(64);
    std::size_t used_ = 0;
};
