// The nodes the folder trees share: the shell's computer folder, its drives and folders read
// when a node first expands. Each node's Data holds its TNodeKind.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "explorer/core/DriveTree.h"
#include "framework/TreeView.h"

namespace explorer {

TNodeKind NodeKindOf(const TTreeNode* node);
TTreeNode* AddKindNode(TTreeNodes* items, TTreeNode* parent, TNodeKind kind, const std::string& text);
// The names from the top node down to node.
std::vector<TNodeName> NamesFromTop(const TTreeNode* node);
// The children of node (the top nodes for null) as the path rules see them, and one by index.
std::vector<TNodeName> ChildNames(TTreeNodes* items, TTreeNode* node);
TTreeNode* ChildAt(TTreeNodes* items, TTreeNode* node, int index);

// The shell's computer folder as a top node with its icon; null when the shell has none.
TTreeNode* AddComputerNode(TTreeNodes* items);
// One node per logical drive under root, marked as having children.
void AddDriveNodes(TTreeNodes* items, TTreeNode* root);
// The folders in path as children of node, once: a node with children is left as it is.
void LoadSubFolders(TTreeNodes* items, const std::string& path, TTreeNode* node);
// The bytes of the files in path, node's folder, and in every folder below it, loading each
// node below node that is not loaded yet on the way; one search a folder does both. A folder
// that cannot be read counts nothing.
std::int64_t LoadTreeFilesSize(TTreeNodes* items, const std::string& path, TTreeNode* node);
// Collapses the tree, then selects and expands the nodes of full (ending in "\\") from the
// computer node down, each piece matched among the current node's children only. The last
// node reached; null when a piece is not there.
TTreeNode* OpenPathNodes(TTreeNodes* items, const std::string& full);

}  // namespace explorer
