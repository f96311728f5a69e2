#pragma once
// One catalog held in memory for the browser: the folder tree and, for each
// folder, its files. The catalog's bytes are kept once; files point into them
// and are decoded only when shown (each line as UTF-8 when it is valid UTF-8,
// else as Windows-1252). Folders are keyed by their paths decoded as
// DecodeFolderPath does, so that lines naming one folder in either encoding
// file under the same folder; a key that differs from its bytes is kept
// beside them. Built by LoadCatalogFolders.
//
// Const members may be called from any thread; SetComment must not run
// beside them.

#include "engine/browse/CatalogBytes.h"
#include "engine/browse/LargeMemory.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

using FolderId = std::uint32_t;
inline constexpr FolderId NoFolder = ~FolderId(0);

// One file of a folder, as the browser's list shows it (UTF-8).
struct FolderFile {
    std::string Name;      // without its folder, blanks kept
    std::string Size;      // as stored: kilobytes and " Kb"
    std::string DateModif; // as stored: DD/MM/YYYY
    std::string Comment;   // line breaks as CR LF; "" when the line has none
    // The entry's catalog key: path, ">", size and date, as the catalog
    // holds them (not decoded), as ChangeComment takes it.
    std::string Key;
};

// Which pictures a tree node shows.
enum class FolderKind : std::uint8_t {
    Root,     // the catalog's root folder (from the header)
    Folder,   // a folder under another node
    TopLevel, // a folder whose parent cannot be derived, such as a drive "D:\"
};

struct FolderNode {
    std::uint32_t keyStart = 0; // the folder path with its final "\", as UTF-8
    std::uint32_t keyLength = 0;
    FolderKind kind = FolderKind::Folder;
    bool decoded = false; // the key lies in decodedKeys, else in the bytes
    FolderId parent = NoFolder;
    std::uint32_t row = 0; // position among its siblings
    std::uint32_t firstChild = 0;
    std::uint32_t childCount = 0;
    std::uint32_t firstFile = 0;
    std::uint32_t fileCount = 0;
};

// What a loader hands over. Node 0 is the root; its key is rootKey, the keys
// of all other nodes lie in bytes or in decodedKeys.
struct CatalogFoldersData {
    CatalogBytes bytes;
    std::string rootKey;
    std::string decodedKeys; // keys that differ from their bytes
    LargeVector<FolderNode> nodes;
    std::vector<FolderId> topLevel;   // in the order the nodes were made
    LargeVector<FolderId> children;   // per node, in the order they were made
    LargeVector<std::uint32_t> files; // start of each file line, grouped by folder, catalog order

    std::string_view key(FolderId folder) const
    {
        if (folder == 0)
            return rootKey;
        const FolderNode& n = nodes[folder];
        return std::string_view(n.decoded ? std::string_view(decodedKeys) : bytes.view())
            .substr(n.keyStart, n.keyLength);
    }
    // Lays the nodes' ranges (of children, of files) end to end by their
    // counts; the counts start again from 0, to be counted up as the ranges
    // are filled. Gives the total.
    std::uint32_t openRanges(std::uint32_t FolderNode::*first, std::uint32_t FolderNode::*count);
};

class CatalogFolders {
public:
    CatalogFolders() = default; // no catalog: no node
    explicit CatalogFolders(CatalogFoldersData data) : d_(std::move(data)) {}

    // Tree nodes: the root, every folder, the ancestors made on the way.
    std::size_t CountFolder() const { return d_.nodes.size(); }
    // File rows of the whole catalog.
    std::size_t CountFile() const { return d_.files.size(); }

    std::span<const FolderId> TopLevel() const { return d_.topLevel; }
    std::span<const FolderId> Children(FolderId folder) const;
    FolderId Parent(FolderId folder) const { return d_.nodes[folder].parent; }
    std::size_t Row(FolderId folder) const { return d_.nodes[folder].row; }
    FolderKind Kind(FolderId folder) const { return d_.nodes[folder].kind; }
    // The node's text: the root's whole path, else the last folder name; the
    // folder "\" reads "/".
    std::string_view Text(FolderId folder) const;

    std::size_t CountFile(FolderId folder) const { return d_.nodes[folder].fileCount; }
    // The folder's files in catalog order (empty for a folder that only holds
    // folders).
    std::vector<FolderFile> Files(FolderId folder) const;
    // Positions below count from 0 in the order Files gives.
    FolderFile File(FolderId folder, std::size_t position) const; // position < CountFile(folder)
    // The file's path as the catalog stores it, not decoded: FilesCatalogedAs
    // finds the file on disk by it, also when its name is in a legacy encoding.
    std::string_view StoredPath(FolderId folder, std::size_t position) const;
    // After ChangeComment has written comment for the file: the file shows
    // what the catalog now holds.
    void SetComment(FolderId folder, std::size_t position, std::string_view comment);

private:
    FolderFile file(std::size_t index) const;

    CatalogFoldersData d_;
    std::unordered_map<std::size_t, std::string> comments_; // rewritten since the load
};
