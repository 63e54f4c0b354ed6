#include "explorer/FolderNodes.h"

#include <shellapi.h>
#include <shlobj.h>

#include "explorer/ShellHelpers.h"
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

void LoadSubFolders(TTreeNodes* items, const std::string& path, TTreeNode* node) {
  if (node->GetFirstChild()) return;
  node->SetHasChildren(false);
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((AddSlash(path) + "*.*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!IsSubFolder(data)) continue;
      const std::string folder = JoinPath(path, data.cFileName);
      TTreeNode* child = AddKindNode(items, node, TNodeKind::Folder, data.cFileName);
      if (HasSubFolders(folder)) child->SetHasChildren(true);
      SetIcons(child, folder);
    } while (FindNextFileA(search, &data));
    FindClose(search);
  }
  node->AlphaSort();
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
