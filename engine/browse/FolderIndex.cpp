#include "engine/browse/FolderIndex.h"

std::uint64_t FolderIndex::Hash(std::string_view key)
{
    std::uint64_t h = HashStart;
    for (char c : key)
        h = HashStep(h, c);
    return h;
}

FolderIndex::FolderIndex(CatalogFoldersData& d) : d_(d)
{
    for (FolderId id = 0; id < d.nodes.size(); ++id)
        remember(Hash(d.key(id)), id);
}

FolderId FolderIndex::find(std::string_view key, std::uint64_t hash) const
{
    const std::uint32_t h = fold(hash);
    for (std::size_t i = h & mask(); slots_[i].id != NoFolder; i = (i + 1) & mask())
        if (slots_[i].hash == h && d_.key(slots_[i].id) == key)
            return slots_[i].id;
    return NoFolder;
}

FolderId FolderIndex::add(std::string_view key, std::uint64_t hash)
{
    const auto id = FolderId(d_.nodes.size());
    d_.nodes.push_back(FolderNode{.keyStart = std::uint32_t(key.data() - d_.bytes.data.get()),
                                  .keyLength = std::uint32_t(key.size())});
    remember(hash, id);
    return id;
}

FolderId FolderIndex::findOrAdd(std::string_view key)
{
    const std::uint64_t hash = Hash(key);
    const FolderId id = find(key, hash);
    return id != NoFolder ? id : add(key, hash);
}

void FolderIndex::remember(std::uint64_t hash, FolderId id)
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
