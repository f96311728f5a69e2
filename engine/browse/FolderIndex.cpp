#include "engine/browse/FolderIndex.h"

#include <functional>

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

namespace {
bool inside(std::string_view key, std::string_view text)
{
    const std::less<const char*> before;
    return !before(key.data(), text.data()) && before(key.data(), text.data() + text.size());
}
} // namespace

FolderId FolderIndex::add(std::string_view key, std::uint64_t hash)
{
    const auto id = FolderId(d_.nodes.size());
    const bool decoded = !inside(key, d_.bytes.view());
    const char* base = decoded ? d_.decodedKeys.data() : d_.bytes.data.get();
    d_.nodes.push_back(FolderNode{
        .keyStart = std::uint32_t(key.data() - base), .keyLength = std::uint32_t(key.size()), .decoded = decoded});
    remember(hash, id);
    return id;
}

FolderId FolderIndex::findOrAdd(std::string_view key)
{
    const std::uint64_t hash = Hash(key);
    const FolderId id = find(key, hash);
    if (id != NoFolder)
        return id;
    if (inside(key, d_.bytes.view()))
        return add(key, hash);
    const std::size_t start = d_.decodedKeys.size();
    d_.decodedKeys += key;
    return add(std::string_view(d_.decodedKeys).substr(start), hash);
}

void FolderIndex::remember(std::uint64_t hash, FolderId id)
{
    if ((used_ + 1) * 2 > slots_.size()) {
        LargeVector<Slot> old(slots_.size() * 2);
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
