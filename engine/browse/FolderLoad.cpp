#include "engine/browse/FolderLoad.h"

#include "engine/browse/FolderIndex.h"
#include "engine/catalog/CatalogFile.h"
#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CatalogLineReader.h"
#include "engine/text/PathHelpers.h"
#include "engine/text/StringHelpers.h"

#include <bit>
#include <cstdint>
#include <limits>
#include <new>

namespace {
constexpr std::size_t kCheckEvery = std::size_t(1) << 20; // bytes between looks at Stop
// Offsets and counts are 32-bit; a catalog this large cannot be browsed.
constexpr std::size_t kMaxCatalogSize = std::numeric_limits<std::uint32_t>::max();

std::string_view lineAt(std::string_view text, std::size_t start, std::size_t& next)
{
    std::size_t nl = text.find('\n', start);
    next = nl == std::string_view::npos ? text.size() : nl + 1;
    std::string_view line = text.substr(start, next - start - (nl == std::string_view::npos ? 0 : 1));
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line;
}

// The size text stops where the size unit begins: a field without it has none.
bool hasSizeField(const BodyLine& b)
{
    return b.sizeText().size() < b.sizeDate.size();
}

// The file name of a well-formed file line.
std::string_view nameAt(std::string_view text, std::uint32_t start)
{
    std::string_view path = text.substr(start, text.find('>', start) - start);
    return path.substr(path.rfind('\\') + 1);
}

class Loader {
public:
    Loader(CatalogFoldersData& d, FolderLoadStatus& status, FolderLoadControl& control)
        : d_(d), status_(status), control_(control)
    {
    }

    bool run(const std::string& path)
    {
        d_.bytes = ReadCatalogBytes(path, kMaxCatalogSize, control_.Stop,
                                    [&](std::size_t done, std::size_t total) { progress(50 * done / total); });
        if (control_.Stop)
            return false;
        text_ = d_.bytes.view();
        std::size_t body = CatalogBodyOffset(text_, path);
        addRoot(path);
        if (!fileLines(body))
            return false;
        buildTree();
        groupFiles();
        progress(100);
        return true;
    }

private:
    void progress(std::size_t percent)
    {
        if (int(percent) > percent_ && control_.onProgress) {
            percent_ = int(percent);
            control_.onProgress(percent_);
        }
    }

    void addRoot(const std::string& path)
    {
        std::size_t start = 0;
        for (int n = 1; n < int(HeaderLine::RootDir); ++n)
            lineAt(text_, start, start);
        std::size_t next;
        std::string_view line = lineAt(text_, start, next);
        if (line.size() > CatalogLineReader::MaxLineLength)
            RaiseNotACatalog(path, "the root folder line is too long");
        d_.rootKey = AddBackslash(HeaderValue(HeaderLine::RootDir, line));
        d_.nodes.push_back(FolderNode{.keyLength = std::uint32_t(d_.rootKey.size()), .kind = FolderKind::Root});
        index_.add(FolderIndex::Hash(d_.rootKey), 0);
    }

    auto keyOf() const
    {
        return [this](FolderId id) { return d_.key(id); };
    }

    FolderId folderOf(std::string_view key)
    {
        std::uint64_t hash = FolderIndex::Hash(key);
        FolderId id = index_.find(key, hash, keyOf());
        return id != NoFolder ? id : addFolder(key, hash);
    }

    FolderId addFolder(std::string_view key, std::uint64_t hash)
    {
        auto id = FolderId(d_.nodes.size());
        d_.nodes.push_back(FolderNode{.keyStart = std::uint32_t(key.data() - text_.data()),
                                      .keyLength = std::uint32_t(key.size())});
        index_.add(hash, id);
        return id;
    }

    // Files every well-formed file line under its folder, in catalog order.
    bool fileLines(std::size_t pos)
    {
        std::string_view lastFolder;
        FolderId lastId = NoFolder;
        std::size_t nextCheck = pos + kCheckEvery;
        while (pos < text_.size()) {
            if (pos >= nextCheck) {
                if (control_.Stop)
                    return false;
                progress(50 + 45 * pos / text_.size());
                nextCheck = pos + kCheckEvery;
            }
            const std::size_t start = pos;
            const std::string_view line = lineAt(text_, start, pos);
            if (TrimBlanks(line).empty())
                continue;
            // A file line has a size field and a file name after its folder.
            const BodyLine b = ParseBodyLine(line);
            if (line.size() > CatalogLineReader::MaxLineLength || !hasSizeField(b)) {
                ++status_.malformed;
                continue;
            }
            if (b.isMember())
                continue;
            const std::size_t slash = b.path.rfind('\\');
            if (slash == std::string_view::npos || slash + 1 == b.path.size()) {
                ++status_.malformed;
                continue;
            }
            const std::string_view folder = b.path.substr(0, slash + 1);
            if (folder != lastFolder) {
                lastFolder = folder;
                lastId = folderOf(folder);
            }
            lineStarts_.push_back(std::uint32_t(start));
            lineFolders_.push_back(lastId);
            nameHashes_.push_back(std::uint32_t(std::hash<std::string_view>()(b.path.substr(slash + 1))));
        }
        return true;
    }

    // Every folder with files gets its node, after the nodes of its
    // ancestors, in the order the folders first occur; the root comes first.
    void buildTree()
    {
        linked_.assign(d_.nodes.size(), false);
        link(0, NoFolder);
        const auto withFiles = FolderId(d_.nodes.size());
        for (FolderId id = 1; id < withFiles; ++id)
            DecomposePath(id);
        for (FolderId id : linkOrder_)
            if (d_.nodes[id].parent != NoFolder)
                ++d_.nodes[d_.nodes[id].parent].childCount;
        d_.children.resize(openRanges(&FolderNode::firstChild, &FolderNode::childCount));
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

    // Lays the nodes' ranges end to end by their counts; the counts start
    // again from 0, to be counted up as the ranges are filled. Gives the total.
    std::uint32_t openRanges(std::uint32_t FolderNode::*first, std::uint32_t FolderNode::*count)
    {
        std::uint32_t total = 0;
        for (FolderNode& n : d_.nodes) {
            n.*first = total;
            total += n.*count;
            n.*count = 0;
        }
        return total;
    }

    // Links the folder below its nearest ancestor already in the tree, making
    // the missing ancestors on the way. The parents of a folder are the
    // prefixes of its key that end with "\": one pass hashes them all, so a
    // deep folder costs no more than its length.
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
            FolderId found = index_.find(parent, p->hash, keyOf());
            if (found == NoFolder) {
                found = addFolder(parent, p->hash);
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

    // Puts the files of each folder together, in catalog order, and keeps
    // the first of each name within a folder.
    void groupFiles()
    {
        for (FolderId f : lineFolders_)
            ++d_.nodes[f].fileCount;
        const std::uint32_t count = openRanges(&FolderNode::firstFile, &FolderNode::fileCount);
        d_.files.resize(count);
        LargeVector<std::uint32_t> hashes(count);
        for (std::size_t i = 0; i < lineStarts_.size(); ++i) {
            FolderNode& n = d_.nodes[lineFolders_[i]];
            const std::uint32_t to = n.firstFile + n.fileCount++;
            d_.files[to] = lineStarts_[i];
            hashes[to] = nameHashes_[i];
        }
        lineStarts_ = {};
        lineFolders_ = {};
        nameHashes_ = {};

        std::uint32_t kept = 0;
        for (FolderNode& n : d_.nodes) {
            const std::uint32_t begin = n.firstFile;
            const std::uint32_t end = begin + n.fileCount;
            n.firstFile = kept;
            startNames(n.fileCount);
            for (std::uint32_t i = begin; i < end; ++i) {
                if (isNewName(hashes, i, kept)) {
                    d_.files[kept] = d_.files[i];
                    hashes[kept++] = hashes[i];
                } else {
                    ++status_.duplicates;
                }
            }
            n.fileCount = kept - n.firstFile;
        }
        d_.files.resize(kept);
        d_.files.shrink_to_fit();
    }

    // The names of one folder: an open-addressing table of positions in files.
    void startNames(std::uint32_t count)
    {
        std::size_t size = std::bit_ceil(std::size_t(count) * 2);
        if (names_.size() < size)
            names_.resize(size);
        std::fill_n(names_.begin(), size, kNoPosition);
        namesMask_ = size - 1;
    }

    // Whether the name of the file at i is new in its folder; a new one is
    // remembered at position, where the kept files go.
    bool isNewName(const LargeVector<std::uint32_t>& hashes, std::uint32_t i, std::uint32_t position)
    {
        const std::uint32_t hash = hashes[i];
        for (std::size_t slot = hash & namesMask_;; slot = (slot + 1) & namesMask_) {
            const std::uint32_t seen = names_[slot];
            if (seen == kNoPosition) {
                names_[slot] = position;
                return true;
            }
            if (hashes[seen] == hash && nameAt(text_, d_.files[seen]) == nameAt(text_, d_.files[i]))
                return false;
        }
    }

    struct Prefix {
        std::size_t length;
        std::uint64_t hash;
    };
    static constexpr std::uint32_t kNoPosition = ~std::uint32_t(0);

    CatalogFoldersData& d_;
    FolderLoadStatus& status_;
    FolderLoadControl& control_;
    std::string_view text_;
    int percent_ = -1;
    FolderIndex index_;
    LargeVector<std::uint32_t> lineStarts_; // file lines in catalog order,
    LargeVector<FolderId> lineFolders_;     // their folders
    LargeVector<std::uint32_t> nameHashes_; // and the hashes of their names
    std::vector<bool> linked_;
    LargeVector<FolderId> linkOrder_;
    std::vector<Prefix> prefixes_;
    std::vector<FolderId> chain_;
    std::vector<std::uint32_t> names_;
    std::size_t namesMask_ = 0;
};
} // namespace

FolderLoad FileDatToCollection(const std::string& catalogPath, FolderLoadControl& control)
{
    FolderLoad load;
    CatalogFoldersData data;
    try {
        if (Loader(data, load.status, control).run(catalogPath))
            load.folders = CatalogFolders(std::move(data));
        else
            load.status.outcome = FolderLoadStatus::Outcome::Stopped;
    } catch (const AppError& e) {
        load.status.outcome = FolderLoadStatus::Outcome::Failed;
        load.status.error = e;
    } catch (const std::exception& e) {
        load.status.outcome = FolderLoadStatus::Outcome::Failed;
        bool memory = dynamic_cast<const std::bad_alloc*>(&e) != nullptr;
        load.status.error = AppError(memory ? ErrOutOfMemory : ErrPathFileAccess, e.what());
    }
    if (load.status.outcome != FolderLoadStatus::Outcome::Loaded)
        load.status.malformed = load.status.duplicates = 0;
    return load;
}

void ReportFolderLoad(const FolderLoadStatus& status)
{
    if (status.error)
        ShowErrorBox(*status.error, "frmLib", "FileDatToCollection");
    const auto line = std::source_location::current().line();
    auto skipped = [&](std::size_t count, int number, std::string_view what, std::string_view module,
                       std::string_view procedure) {
        if (count > 0)
            ShowErrorBox(number,
                         std::string(ErrorDescription(number)) + " (" + std::to_string(count) + " " +
                             std::string(what) + ")",
                         module, procedure, line);
    };
    skipped(status.malformed, ErrInvalidFileFormat, "lines are no catalog lines and were left out",
            "frmLib", "FileDatToCollection");
    skipped(status.duplicates, ErrDuplicateKey,
            "lines name a file already listed in its folder; the first is kept", "clsPath", "AddFile");
}
