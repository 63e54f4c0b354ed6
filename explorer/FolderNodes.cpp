#include "explorer/FolderNodes.h"

#include <shellapi.h>
#include <shlobj.h>

#include "explorer/ShellHelpers.h"
#include "explorer/core/FolderTree.h"
#include "explorer/core/PathText.h"

namespace explorer {

namespace {

bool IsSubFolder(const WIN32_FIND_DATAA& data) {
  const std::string name = data.cFileName;
  return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..";
}

// The first sub-folder found ends the search.
bool HasSubFolders(const std::string& path) {
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((AddSlash(path) + "*.*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return false;
  bool found = false;
  do found = IsSubFolder(data);
  while (!found && FindNextFileA(search, &data));
  FindClose(search);
  return found;
}

void SetIcons(TTreeNode* node, const std::string& path) {
  node->SetImageIndex(GetSmallIconIndex(path));
  node->SetSelectedIndex(GetSmallOpenIconIndex(path));
}

// The shell reads a folder's own icon only when the folder is read-only or a system folder; any
// other shows the plain folder icons, so the first plain folder met answers for all: each
// question to the shell costs about as much as reading a folder.
void SetFolderIcons(TTreeNode* node, const std::string& path, DWORD attributes) {
  if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM)) return SetIcons(node, path);
  static const int plain = GetSmallIconIndex(path), open = GetSmallOpenIconIndex(path);
  node->SetImageIndex(plain);
  node->SetSelectedIndex(open);
}

}  // namespace

TNodeKind NodeKindOf(const TTreeNode* node) { return static_cast<TNodeKind>(reinterpret_cast<intptr_t>(node->Data())); }

TTreeNode* AddKindNode(TTreeNodes* items, TTreeNode* parent, TNodeKind kind, const std::string& text) {
  TTreeNode* node = items->AddChild(parent, text);
  node->SetData(reinterpret_cast<void*>(static_cast<intptr_t>(kind)));
  return node;
}

std::vector<TNodeName> NamesFromTop(const TTreeNode* node) {
  std::vector<TNodeName> names;
  for (const TTreeNode* n = node; n; n = n->Parent()) names.insert(names.begin(), {NodeKindOf(n), n->Text()});
  return names;
}

std::vector<TNodeName> ChildNames(TTreeNodes* items, TTreeNode* node) {
  std::vector<TNodeName> names;
  TTreeNode* child = node ? node->GetFirstChild() : items->GetFirstNode();
  for (; child; child = child->GetNextSibling()) names.push_back({NodeKindOf(child), child->Text()});
  return names;
}

TTreeNode* ChildAt(TTreeNodes* items, TTreeNode* node, int index) {
  TTreeNode* child = node ? node->GetFirstChild() : items->GetFirstNode();
  for (int i = 0; child && i < index; ++i) child = child->GetNextSibling();
  return child;
}

TTreeNode* AddComputerNode(TTreeNodes* items) {
  TTreeNode* root = nullptr;
  LPITEMIDLIST computer = nullptr;
  if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer)) && computer) {
    SHFILEINFOA info{};
    if (SHGetFileInfoA(reinterpret_cast<LPCSTR>(computer), 0, &info, sizeof info,
                       SHGFI_PIDL | SHGFI_DISPLAYNAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON)) {
      root = AddKindNode(items, nullptr, TNodeKind::Computer, info.szDisplayName);
      root->SetImageIndex(info.iIcon);
      root->SetSelectedIndex(info.iIcon);
    }
    CoTaskMemFree(computer);
  }
  return root;
}

void AddDriveNodes(TTreeNodes* items, TTreeNode* root) {
  const DWORD drives = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(drives & (1u << i))) continue;
    const char letter = static_cast<char>('A' + i);
    const std::string drivePath = std::string(1, letter) + ":\\";
    SHFILEINFOA info{};
    SHGetFileInfoA(drivePath.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME);
    TTreeNode* drive = AddKindNode(items, root, TNodeKind::Drive, DriveNodeText(letter, info.szDisplayName));
    drive->SetHasChildren(true);
    SetIcons(drive, drivePath);
  }
}

namespace {

struct TSubFolder {
  std::string Name;
  DWORD Attributes;
};

// What one search of a folder finds: its sub-folders in the platform's order and the bytes of
// its files.
struct TFolderRead {
  std::vector<TSubFolder> Folders;
  std::int64_t FilesBytes = 0;
};

TFolderRead ReadFolder(const std::string& path) {
  TFolderRead read;
  std::vector<TFoundEntry> files;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((AddSlash(path) + "*.*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return read;
  do {
    if (IsSubFolder(data)) read.Folders.push_back({data.cFileName, data.dwFileAttributes});
    else if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      files.push_back({false, data.nFileSizeHigh, data.nFileSizeLow});
  } while (FindNextFileA(search, &data));
  FindClose(search);
  read.FilesBytes = FilesSize(files);
  return read;
}

// The folders as children of node, sorted. probe: each one shows whether it has sub-folders of
// its own before it is read.
void AddFolderNodes(TTreeNodes* items, TTreeNode* node, const std::string& path,
                    const std::vector<TSubFolder>& folders, bool probe) {
  node->SetHasChildren(false);
  for (const TSubFolder& sub : folders) {
    const std::string folder = JoinPath(path, sub.Name);
    TTreeNode* child = AddKindNode(items, node, TNodeKind::Folder, sub.Name);
    if (probe && HasSubFolders(folder)) child->SetHasChildren(true);
    SetFolderIcons(child, folder, sub.Attributes);
  }
  node->AlphaSort();
}

}  // namespace

void LoadSubFolders(TTreeNodes* items, const std::string& path, TTreeNode* node) {
  if (!node->GetFirstChild()) AddFolderNodes(items, node, path, ReadFolder(path).Folders, true);
}

std::int64_t LoadTreeFilesSize(TTreeNodes* items, const std::string& path, TTreeNode* node) {
  const TFolderRead read = ReadFolder(path);
  // Every child is read next, which tells whether it has sub-folders: no probe needed.
  if (!node->GetFirstChild()) AddFolderNodes(items, node, path, read.Folders, false);
  std::int64_t total = read.FilesBytes;
  for (TTreeNode* child = node->GetFirstChild(); child; child = child->GetNextSibling())
    total += LoadTreeFilesSize(items, JoinPath(path, child->Text()), child);
  return total;
}

TTreeNode* OpenPathNodes(TTreeNodes* items, const std::string& full) {
  items->BeginUpdate();
  TTreeNode* root = items->GetFirstNode();
  if (root && root->Expanded()) root->Collapse(true);
  TTreeNode* current = root && NodeKindOf(root) == TNodeKind::Computer ? root : nullptr;
  for (const std::string& piece : PathPieces(full)) {
    const int index = FindChildPiece(ChildNames(items, current), piece);
    if (index < 0) {
      current = nullptr;
      break;
    }
    current = ChildAt(items, current, index);
    current->SetSelected(true);
    current->Expand(false);
  }
  items->EndUpdate();
  return current;
}

}  // namespace explorer
