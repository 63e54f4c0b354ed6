// The folder tree's Tree Size and Folder Contents.
#include "explorer/DirTree.h"

void TDirTree::ShowTreeSize(const std::string&) {}
void TDirTree::ShowFolderContents(const std::string&) {}
