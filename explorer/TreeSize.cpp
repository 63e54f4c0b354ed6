#include "explorer/TreeSize.h"

#include <windows.h>

#include <vector>

#include "explorer/DirTree.h"
#include "explorer/core/FolderTree.h"
#include "explorer/core/PathText.h"

namespace explorer {

std::int64_t FolderFilesSize(const std::string& folder) {
  if (folder.empty()) return 0;
  std::vector<TFoundEntry> entries;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((AddSlash(folder) + "*.*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    const bool directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entries.push_back({directory, data.nFileSizeHigh, data.nFileSizeLow});
  } while (FindNextFileA(search, &data));
  FindClose(search);
  return FilesSize(entries);
}

std::int64_t TreeFilesSize(TDirTree* tree, TTreeNode* node) {
  const std::string folder = tree->GetPathOfNode(node);
  std::int64_t total = FolderFilesSize(folder);
  node->Expand(false);
  for (TTreeNode* next = node->GetFirstChild(); next; next = next->GetNext()) {
    // The path decides before the node is touched: the one after the folder may be a drive
    // without a medium.
    const std::string path = tree->GetPathOfNode(next);
    if (!InsideFolder(folder, path)) break;
    next->SetSelected(true);
    next->Expand(false);
    total += FolderFilesSize(path);
  }
  return total;
}

}  // namespace explorer
