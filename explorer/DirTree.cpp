#include "explorer/DirTree.h"

#include <shellapi.h>

#include "explorer/DirTreePopUp.h"
#include "explorer/FileListView.h"
#include "explorer/FolderNodes.h"
#include "explorer/ShellHelpers.h"
#include "explorer/WaitCursor.h"
#include "explorer/core/FolderTree.h"
#include "framework/Dialogs.h"
#include "framework/SysUtils.h"

using namespace explorer;

TDirTree::TDirTree(TComponent* AOwner) : TCustomTreeView(AOwner), FAbout("Version 2.1.7.0") {
  SetBounds(Left(), Top(), 180, 120);
  SHFILEINFOA info{};
  auto list = reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoA("", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  FImages = new TImageList(this);
  FImages->SetShareImages(true);
  FImages->SetBkColor(clNone);
  FImages->SetHandle(list);
  SetImages(FImages);
  FPopUp = new TDirTreePopUp(this);
  FPopUp->BuildItems();
  FPopUp->SetAutoPopup(true);
  SetPopupMenu(FPopUp);
  OnExpanding = Handler(this, &TDirTree::NodeExpanding);
  SetReadOnly(false);
  SetHideSelection(false);
}

TDirTree::~TDirTree() { SetFileList(nullptr); }

void TDirTree::CreateWnd() {
  TCustomTreeView::CreateWnd();
  if (!IsLoading()) AddRootNode();
}

void TDirTree::Loaded() {
  TCustomTreeView::Loaded();
  Rebuild();
  if (TTreeNode* root = Items()->GetFirstNode()) root->Expand(false);
}

void TDirTree::SetFileList(TFileListView* list) {
  if (list == FFileList) return;
  TFileListView* old = FFileList;
  FFileList = list;
  if (old) {
    old->RemoveFreeNotification(this);
    if (old->DirTree() == this) old->SetDirTree(nullptr);
  }
  if (!list) return;
  list->FreeNotification(this);
  list->SetDirTree(this);
  if (!FSelectedPath.empty()) list->SetDirectory(FSelectedPath);
}

void TDirTree::Notification(TComponent* c, TOperation op) {
  TCustomTreeView::Notification(c, op);
  if (op == opRemove && c == FFileList) FFileList = nullptr;
}

void TDirTree::SetPopUpMenuEnabled(bool v) {
  FPopUpMenuEnabled = v;
  SetPopupMenu(v ? FPopUp : nullptr);
}

void TDirTree::SetSelectedPath(const std::string& path) {
  if (!explorer::SameText(path, FSelectedPath)) FSelectedPath = path;
}

void TDirTree::AddRootNode() {
  Items()->BeginUpdate();
  Items()->Clear();
  AddComputerNode(Items());
  Items()->EndUpdate();
}

void TDirTree::AddDrives() {
  Items()->BeginUpdate();
  AddDriveNodes(Items(), Items()->GetFirstNode());
  Items()->EndUpdate();
}

void TDirTree::Rebuild() {
  Items()->BeginUpdate();
  AddRootNode();
  AddDrives();
  Items()->EndUpdate();
}

std::string TDirTree::GetPathOfNode(TTreeNode* node) {
  FWorkPath = node ? BuildNodePath(NamesFromTop(node)) : std::string();
  return FWorkPath;
}

void TDirTree::NodeExpanding(TObject*, TTreeNode* node, bool& allow) {
  allow = true;
  if (!node->GetFirstChild()) LoadSubFolders(Items(), GetPathOfNode(node), node);
}

void TDirTree::WndProc(TMessage& m) {
  // The platform's tree keeps the right button to itself: it waits for it to come up in a loop
  // of its own and opens the context menu there, before any node is selected, and a name edited
  // from that menu ends when the loop does. The tree takes the press as a plain window does:
  // the node is selected, and the menu opens when the button comes up.
  if (m.Msg == WM_RBUTTONDOWN) {
    MouseDown(mbRight, KeysToShiftState(LOWORD(m.WParam)), static_cast<short>(LOWORD(m.LParam)),
              static_cast<short>(HIWORD(m.LParam)));
    m.Result = 0;
    return;
  }
  TCustomTreeView::WndProc(m);
}

void TDirTree::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomTreeView::MouseDown(button, shift, x, y);
  SelectAt(x, y);
}

void TDirTree::SelectAt(int x, int y) {
  FWorkPath.clear();
  if (!(GetHitTestInfoAt(x, y) & (htOnLabel | htOnIcon))) return;
  TTreeNode* node = GetNodeAt(x, y);
  if (!node) return;
  node->SetSelected(true);
  NodeSelected(node);
}

void TDirTree::KeyUp(WORD& key, TShiftState shift) {
  if (key != VK_UP && key != VK_DOWN && key != VK_LEFT && key != VK_RIGHT) return;
  TCustomTreeView::KeyUp(key, shift);
  if (TTreeNode* node = Selected()) NodeSelected(node);
}

void TDirTree::NodeSelected(TTreeNode* node) {
  const bool root = NodeKindOf(node) == TNodeKind::Computer;
  if (root && !node->GetFirstChild()) AddDrives();
  else GetPathOfNode(node);
  FSelectedPath = root ? kDrivesPath : FWorkPath;
  if (NodeKindOf(node) == TNodeKind::Drive) {
    const UINT type = GetDriveTypeA(FSelectedPath.c_str());
    if ((type == DRIVE_REMOVABLE || type == DRIVE_CDROM) && !DriveReady(FSelectedPath[0], true)) return;
  }
  if (OnDirChange) OnDirChange(this, FSelectedPath);
  if (FFileList && !FSelectedPath.empty()) FFileList->SetDirectory(FSelectedPath);
}

void TDirTree::OpenPath(const std::string& path) {
  if (path.size() <= 1 || !DirectoryExists(path)) return;
  const std::string full = AddSlash(path);
  // Under the computer the drives come when it is first opened; without it they are the top
  // nodes, there from the start.
  TTreeNode* root = Items()->GetFirstNode();
  if (!root || (NodeKindOf(root) == TNodeKind::Computer && !root->GetFirstChild())) AddDrives();
  if (!OpenPathNodes(Items(), full)) return;
  SetSelectedPath(full);
  if (OnDirChange) OnDirChange(this, FSelectedPath);
}

bool TDirTree::CanEdit(TTreeNode* node) {
  if (NodeKindOf(node) != TNodeKind::Folder || !TCustomTreeView::CanEdit(node)) return false;
  FEditEnded = false;
  return true;
}

bool TDirTree::Edit(const TVITEMA& item) {
  // The platform ends one editing again whenever the edit box loses the focus before it is
  // gone: to the rename question, or when hiding the box after a rename that asked nothing.
  // Only the first end renames; another would rename the folder to the name it has now.
  if (FEditEnded) return false;
  FEditEnded = true;
  TTreeNode* node = Items()->GetNode(item.hItem);
  const bool renamed = node && NodeKindOf(node) == TNodeKind::Folder && item.pszText && Rename(node, item.pszText);
  FSkipConfirmation = false;
  return renamed;
}

HWND TDirTree::OwnerWindow() { return Parent() ? Parent()->Handle() : nullptr; }

bool TDirTree::Rename(TTreeNode* node, const std::string& name) {
  if (name == node->Text()) return false;
  if (!FolderNameValid(name)) {
    MessageBeep(MB_ICONHAND);
    if (!name.empty()) MessageDlg(InvalidDirectoryNameText(name), mtError, mbOK);
    return false;
  }
  const std::string oldPath = DelSlash(GetPathOfNode(node));
  const std::string newPath = RenamedPath(oldPath, name);
  TWaitCursor wait;
  if (!FSkipConfirmation &&
      MessageDlg(RenameQuestion(oldPath, newPath), mtConfirmation, mbYes | mbNo) != mrYes)
    return false;
  LeaveFolder(oldPath);
  bool aborted = false;
  if (!ShellFileOperation(OwnerWindow(), FO_RENAME, oldPath, newPath, aborted) || aborted) return false;
  // The dialog may have ended the editing before the tree could take the text.
  node->SetText(name);
  SelectParentOf(node);
  return true;
}

void TDirTree::SelectParentOf(TTreeNode* node) {
  TTreeNode* parent = node->Parent();
  parent->SetSelected(true);
  FSelectedPath = GetPathOfNode(parent);
  if (FFileList) FFileList->SetDirectory(FSelectedPath);
}
