#include "engine/browse/FolderTree.h"

namespace {
class TreeBuilder {
public:
    TreeBuilder(CatalogFoldersData& d, FolderIndex& index) : d_(d), index_(index) {}

    void build()
    {
        linked_.assign(d_.nodes.size(), false);
        link(0, NoFolder);
        const auto withFiles = FolderId(d_.nodes.size());
        for (FolderId id = 1; id < withFiles; ++id)
            DecomposePath(id);
        for (FolderId id : linkOrder_)
            if (d_.nodes[id].parent != NoFolder)
                ++d_.nodes[d_.nodes[id].parent].childCount;
        d_.children.resize(d_.openRanges(&FolderNode::firstChild, &FolderNode::childCount));
        for (FolderId id : linkOrder_) {
            FolderNode& n = d_.nodes[id];
            if (n.parent == NoFolder) {
                n.row = std::uint32_t(d_.topLevel.size());
                d_.topLevel.push_back(id);
            } else {
                FolderNode& parent = d_.nodes[n.parent];
                n.row = parent.childCount++;
                d_.children[parent.firstChild + n.row] = id;
            }
        }
    }

private:
    // Links the folder below its nearest ancestor already in the tree, making
    // the missing ancestors on the way. The parents of a folder are the
    // prefixes of its key that end with "\": one pass hashes them all, so a
    // deep folder costs no more than its length, and nothing recurses.
    void DecomposePath(FolderId id)
    {
        if (linked_[id])
            return;
        const std::string_view key = d_.key(id);
        prefixes_.clear();
        std::uint64_t hash = FolderIndex::HashStart;
        for (std::size_t i = 0; i + 1 < key.size(); ++i) {
            hash = FolderIndex::HashStep(hash, key[i]);
            if (key[i] == '\\')
                prefixes_.push_back({i + 1, hash});
        }
        chain_.assign(1, id);
        FolderId top = NoFolder;
        for (auto p = prefixes_.rbegin(); p != prefixes_.rend(); ++p) {
            const std::string_view parent = key.substr(0, p->length);
            FolderId found = index_.find(parent, p->hash);
            if (found == NoFolder) {
                found = index_.add(parent, p->hash);
                linked_.push_back(false);
            } else if (linked_[found]) {
                top = found;
                break;
            }
            chain_.push_back(found);
        }
        for (auto n = chain_.rbegin(); n != chain_.rend(); ++n) {
            link(*n, top);
            top = *n;
        }
    }

    void link(FolderId id, FolderId parent)
    {
        FolderNode& n = d_.nodes[id];
        n.parent = parent;
        if (id != 0)
            n.kind = parent == NoFolder ? FolderKind::TopLevel : FolderKind::Folder;
        linked_[id] = true;
        linkOrder_.push_back(id);
    }

    struct Prefix {
        std::size_t length;
        std::uint64_t hash;
    };

    CatalogFoldersData& d_;
    FolderIndex& index_;
    std::vector<bool> linked_;
    LargeVector<FolderId> linkOrder_;
    std::vector<Prefix> prefixes_;
    std::vector<FolderId> chain_;
};
} // namespace

void BuildFolderTree(CatalogFoldersData& d, FolderIndex& index)
{
    TreeBuilder(d, index).build();
}
