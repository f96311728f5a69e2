#include "engine/browse/FolderIndex.h"

std::uint64_t FolderIndex::Hash(std::string_view key)
{
    std::uint64_t h = HashStart;
    for (char c : key)
        h = HashStep(h, c);
    return h;
}

void FolderIndex::add(std::uint64_t hash, FolderId id)
{
    if ((used_ + 1) * 2 > slots_.size()) {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        for (const Slot& s : old)
            if (s.id != NoFolder)
                place(s);
    }
    place(Slot{id, fold(hash)});
    ++used_;
}

void FolderIndex::place(Slot slot)
{
    std::size_t i = slot.hash & mask();
    while (slots_[i].id != NoFolder)
        i = (i + 1) & mask();
    slots_[i] = slot;
}
