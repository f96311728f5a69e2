#include "engine/browse/FileGroups.h"

#include "engine/catalog/CatalogLine.h"
#include "platform/text/Encoding.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace {
// The file name of a well-formed file line, decoded by its line.
std::string nameAt(const CatalogBytes& bytes, std::uint32_t start)
{
    const std::string_view line = bytes.lineAt(start);
    const std::string_view path = ParseBodyLine(line).path;
    const std::string_view name = path.substr(path.rfind('\\') + 1);
    return IsValidUtf8(line) ? std::string(name) : Windows1252ToUtf8(name);
}

// The names met in one folder at a time: an open-addressing table of
// positions in the files. Names are compared by hash first, so the lines
// themselves are read only for a real duplicate.
class FolderNames {
public:
    FolderNames(const CatalogBytes& bytes, const LargeVector<std::uint32_t>& starts,
                const LargeVector<std::uint32_t>& hashes)
        : bytes_(bytes), starts_(starts), hashes_(hashes)
    {
    }

    void startFolder(std::uint32_t fileCount)
    {
        const std::size_t size = std::bit_ceil(std::size_t(fileCount) * 2);
        if (slots_.size() < size)
            slots_.resize(size);
        std::fill_n(slots_.begin(), size, EmptySlot);
        mask_ = size - 1;
    }

    // Whether the name of the file at i is new in the folder; a new one is
    // remembered at position, where the kept files go.
    bool isNew(std::uint32_t i, std::uint32_t position)
    {
        const std::uint32_t hash = hashes_[i];
        for (std::size_t slot = hash & mask_;; slot = (slot + 1) & mask_) {
            const std::uint32_t seen = slots_[slot];
            if (seen == EmptySlot) {
                slots_[slot] = position;
                return true;
            }
            if (hashes_[seen] == hash && nameAt(bytes_, starts_[seen]) == nameAt(bytes_, starts_[i]))
                return false;
        }
    }

private:
    static constexpr std::uint32_t EmptySlot = ~std::uint32_t(0);
    const CatalogBytes& bytes_;
    const LargeVector<std::uint32_t>& starts_;
    const LargeVector<std::uint32_t>& hashes_;
    std::vector<std::uint32_t> slots_;
    std::size_t mask_ = 0;
};
} // namespace

void FileLines::add(std::uint32_t start, FolderId folder, std::string_view name)
{
    starts.push_back(start);
    folders.push_back(folder);
    nameHashes.push_back(std::uint32_t(std::hash<std::string_view>()(name)));
}

std::size_t GroupFiles(CatalogFoldersData& d, FileLines lines)
{
    for (FolderId f : lines.folders)
        ++d.nodes[f].fileCount;
    const std::uint32_t count = d.openRanges(&FolderNode::firstFile, &FolderNode::fileCount);
    d.files.resize(count);
    LargeVector<std::uint32_t> hashes(count);
    for (std::size_t i = 0; i < lines.starts.size(); ++i) {
        FolderNode& n = d.nodes[lines.folders[i]];
        const std::uint32_t to = n.firstFile + n.fileCount++;
        d.files[to] = lines.starts[i];
        hashes[to] = lines.nameHashes[i];
    }
    lines = {};

    std::size_t duplicates = 0;
    std::uint32_t kept = 0;
    FolderNames names(d.bytes, d.files, hashes);
    for (FolderNode& n : d.nodes) {
        const std::uint32_t begin = n.firstFile;
        const std::uint32_t end = begin + n.fileCount;
        n.firstFile = kept;
        names.startFolder(n.fileCount);
        for (std::uint32_t i = begin; i < end; ++i) {
            if (names.isNew(i, kept)) {
                d.files[kept] = d.files[i];
                hashes[kept++] = hashes[i];
            } else {
                ++duplicates;
            }
        }
        n.fileCount = kept - n.firstFile;
    }
    d.files.resize(kept);
    d.files.shrink_to_fit();
    return duplicates;
}
