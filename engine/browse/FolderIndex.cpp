#include "engine/browse/FolderIndex.h"

#include <cstring>

std::uint64_t FolderIndex::Hash(std::string_view key)
{
    std::uint64_t h = HashStart;
    for (char c : key)
        h = HashStep(h, c);
    return h;
}

namespace {
// FNV's low bits alone spread poorly over a power-of-two table.
std::size_t firstSlot(std::uint64_t hash, std::size_t mask)
{
    return std::size_t(hash ^ (hash >> 29)) & mask;
}
} // namespace

FolderId FolderIndex::find(std::string_view key, std::uint64_t hash) const
{
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = firstSlot(hash, mask);; i = (i + 1) & mask) {
        const Slot& s = slots_[i];
        if (s.id == NoFolder)
            return NoFolder;
        if (s.hash == hash && s.size == key.size() && std::memcmp(s.data, key.data(), key.size()) == 0)
            return s.id;
    }
}

void FolderIndex::add(std::string_view key, std::uint64_t hash, FolderId id)
{
    if ((used_ + 1) * 2 > slots_.size())
        grow();
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = firstSlot(hash, mask);
    while (slots_[i].id != NoFolder)
        i = (i + 1) & mask;
    slots_[i] = Slot{key.data(), std::uint32_t(key.size()), id, hash};
    ++used_;
}

void FolderIndex::grow()
{
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    used_ = 0;
    for (const Slot& s : old)
        if (s.id != NoFolder)
            add(std::string_view(s.data, s.size), s.hash, s.id);
}
