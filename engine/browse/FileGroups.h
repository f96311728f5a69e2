#pragma once
// The files of a catalog being loaded, put together by folder.

#include "engine/browse/CatalogFolders.h"

#include <cstdint>
#include <string_view>

// The file lines as the loader finds them, in catalog order.
struct FileLines {
    LargeVector<std::uint32_t> starts; // where each line starts in the bytes
    LargeVector<FolderId> folders;
    LargeVector<std::uint32_t> nameHashes;

    // name: decoded by its line.
    void add(std::uint32_t start, FolderId folder, std::string_view name);
};

// Fills d.files and each node's file range: the files of each folder
// together, in catalog order, the first of each name only. Gives the number
// of lines left out as duplicates.
std::size_t GroupFiles(CatalogFoldersData& d, FileLines lines);
