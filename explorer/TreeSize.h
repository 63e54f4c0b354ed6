// What the folder tree counts for a tree size: the files of one folder, and those of a node's
// folder with every folder below it, read as the tree loads them.
#pragma once
#include <cstdint>
#include <string>

class TDirTree;
class TTreeNode;

namespace explorer {

// The bytes of the files lying directly in folder, sub-folders not counted; 0 for an empty
// path or a folder that cannot be read.
std::int64_t FolderFilesSize(const std::string& folder);
// FolderFilesSize of node's folder and of every folder below it. Node is expanded and each
// node below it selected and expanded on the way, which loads its children; the walk ends at
// the first node outside the folder ("Data2" is outside "Data").
std::int64_t TreeFilesSize(TDirTree* tree, TTreeNode* node);

}  // namespace explorer
