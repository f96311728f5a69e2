#pragma once
// The folder tree of a catalog being loaded. Every folder with files gets its
// node after the nodes of its ancestors, which are made where missing; the
// folders come in the order they first occur, after the root.

#include "engine/browse/CatalogFolders.h"
#include "engine/browse/FolderIndex.h"

// d.nodes holds the root (node 0), then the folders with files, all indexed.
// Afterwards it also holds the ancestors made, and every node has its parent,
// kind, row and children; d.topLevel lists the nodes without a parent.
void BuildFolderTree(CatalogFoldersData& d, FolderIndex& index);
