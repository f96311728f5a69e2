#include "engine/browse/FolderTree.h"

#include <algorithm>

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
    // Folders come in catalog order, so a folder mostly shares its parents
    // with the one before: those are known without a look-up.
    void DecomposePath(FolderId id)
    {
        if (linked_[id])
            return;
        const std::string_view key = d_.key(id);
        const std::size_t common =
            std::mismatch(key.begin(), key.end(), lastKey_.begin(), lastKey_.end()).first - key.begin();
        while (!known_.empty() && known_.back().length > common)
            known_.pop_back();
        const std::size_t knownLength = known_.empty() ? 0 : known_.back().length;
        FolderId top = known_.empty() ? NoFolder : known_.back().id;
        chain_.assign(1, id);
        if (key.rfind('\\', key.size() - 2) + 1 != knownLength || knownLength == 0)
            top = chainUp(key, knownLength, top);
        for (auto n = chain_.rbegin(); n != chain_.rend(); ++n) {
            link(*n, top);
            top = *n;
            known_.push_back({d_.nodes[*n].keyLength, *n});
        }
        lastKey_ = key;
    }

    // Puts on chain_ the ancestors of key that are not linked yet, deepest
    // first, down to knownLength (where the ancestor known linked is above);
    // gives the linked ancestor they hang from, or above.
    FolderId chainUp(std::string_view key, std::size_t knownLength, FolderId above)
    {
        prefixes_.clear();
        std::uint64_t hash = FolderIndex::HashStart;
        for (std::size_t i = 0; i + 1 < key.size(); ++i) {
            hash = FolderIndex::HashStep(hash, key[i]);
            if (key[i] == '\\' && i + 1 > knownLength)
                prefixes_.push_back({i + 1, hash});
        }
        for (auto p = prefixes_.rbegin(); p != prefixes_.rend(); ++p) {
            const std::string_view parent = key.substr(0, p->length);
            FolderId found = index_.find(parent, p->hash);
            if (found == NoFolder) {
                found = index_.add(parent, p->hash);
                linked_.push_back(false);
            } else if (linked_[found]) {
                known_.push_back({p->length, found});
                return found;
            }
            chain_.push_back(found);
        }
        return above;
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
    struct Known {
        std::size_t length;
        FolderId id;
    };

    CatalogFoldersData& d_;
    FolderIndex& index_;
    std::vector<bool> linked_;
    LargeVector<FolderId> linkOrder_;
    std::vector<Prefix> prefixes_;
    std::vector<FolderId> chain_;
    // The last folder linked and those of its parents known to be linked,
    // shallowest first.
    std::string_view lastKey_;
    std::vector<Known> known_;
};
} // namespace

void BuildFolderTree(CatalogFoldersData& d, FolderIndex& index)
{
    TreeBuilder(d, index).build();
}
