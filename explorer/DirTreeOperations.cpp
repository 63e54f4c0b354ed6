// The folder tree's operations on folders and network drives: what its context menu runs.
#include <windows.h>
#include <shellapi.h>
#include <winnetwk.h>

#include "explorer/DirTree.h"
#include "explorer/FileListView.h"
#include "explorer/FolderNodes.h"
#include "explorer/ShellHelpers.h"
#include "explorer/WaitCursor.h"
#include "explorer/core/FileListTexts.h"
#include "explorer/core/FolderTree.h"
#include "framework/Dialogs.h"
#include "framework/Forms.h"
#include "framework/SysUtils.h"

using namespace explorer;

bool TDirTree::CreateFolder(TTreeNode* node, const std::string& name) {
  if (!node) node = Selected();
  if (!node) return false;
  if (NodeKindOf(node) == TNodeKind::Computer) {
    MessageDlg(kCantAddDrivesText, mtError, mbOK);
    return false;
  }
  const std::string folderName = name.empty() ? kNewFolderName : name;
  if (!FolderNameValid(folderName)) {
    MessageBeep(MB_ICONHAND);
    MessageDlg(kInvalidNameText, mtError, mbOK);
    return false;
  }
  const std::string target = JoinPath(GetPathOfNode(node), folderName);
  if (!CreateDirectoryA(target.c_str(), nullptr)) return false;
  Rebuild();
  OpenPath(target);
  if (folderName == kNewFolderName && Selected()) {
    // Only the rename of the folder just made, while its editing lasts, asks nothing.
    FSkipConfirmation = name.empty();
    Selected()->EditText();
    if (!IsEditing()) FSkipConfirmation = false;
  }
  return true;
}

bool TDirTree::DeleteFolder(TTreeNode* node) {
  if (!node || NodeKindOf(node) != TNodeKind::Folder) return false;
  TWaitCursor wait;
  const std::string path = GetPathOfNode(node);
  if (!DirectoryExists(path)) {
    MessageBeep(MB_ICONHAND);
    MessageDlg(FolderNotFoundText(path), mtError, mbOK);
    return false;
  }
  LeaveFolder(path);
  bool aborted = false;
  // A folder the shell kept (answered No, or in use) keeps its node.
  if (!ShellFileOperation(OwnerWindow(), FO_DELETE, path, "", aborted) || DirectoryExists(path)) return false;
  SelectParentOf(node);
  Items()->Delete(node);
  return true;
}

void TDirTree::CutCopyFolder(TFolderTransfer transfer) {
  TTreeNode* node = Selected();
  FFolderClipboard.Keep(node && NodeKindOf(node) == TNodeKind::Folder ? GetPathOfNode(node) : std::string(), transfer);
}

void TDirTree::PasteFolder() {
  TTreeNode* node = Selected();
  const auto paste = FFolderClipboard.Take(node && NodeKindOf(node) != TNodeKind::Computer ? GetPathOfNode(node) : std::string());
  if (!paste) return;
  TWaitCursor wait;
  if (paste->Transfer == TFolderTransfer::Move) LeaveFolder(paste->Source);
  bool aborted = false;
  const UINT operation = paste->Transfer == TFolderTransfer::Move ? FO_MOVE : FO_COPY;
  if (paste->IntoItself ||
      !ShellFileOperation(OwnerWindow(), operation, paste->Source, paste->Destination, aborted)) {
    MessageDlg(kFileOperationFailedText, mtError, mbOK);
    return;
  }
  Rebuild();
  OpenPath(paste->Destination);
}

void TDirTree::LeaveFolder(const std::string& folder) {
  // A linked list works in the folder it shows, often the one the tree acts on.
  char current[MAX_PATH] = {};
  if (!GetCurrentDirectoryA(MAX_PATH, current) || !FolderHolds(folder, current)) return;
  const std::string path = DelSlash(folder);
  SetCurrentDirectoryA(AddSlash(path.substr(0, path.find_last_of('\\'))).c_str());
}

TTreeNode* TDirTree::DriveNode(char letter) {
  TTreeNode* root = Items()->GetFirstNode();
  const int index = FindChildPiece(ChildNames(Items(), root), std::string(1, letter) + ":\\");
  return root && index >= 0 ? ChildAt(Items(), root, index) : nullptr;
}

void TDirTree::ConnectNetDrive() {
  // The dialog does not say which letter it used: the drive that is new afterwards is the one.
  const DWORD before = GetLogicalDrives();
  if (WNetConnectionDialog(Application->Handle(), RESOURCETYPE_DISK) != NO_ERROR) return;
  const char letter = AddedDrive(before, GetLogicalDrives());
  if (!letter) return;
  Rebuild();
  if (TTreeNode* root = Items()->GetFirstNode()) root->Expand(false);
  if (TTreeNode* drive = DriveNode(letter)) drive->SetSelected(true);
  FSelectedPath = std::string(1, letter) + ":\\";
  if (FFileList) FFileList->SetDirectory(FSelectedPath);
}

void TDirTree::DisconnectNetDrive() {
  // Whatever the dialog answers, a drive may have gone: the tree is read again.
  WNetDisconnectDialog(Application->Handle(), RESOURCETYPE_DISK);
  Rebuild();
  if (TTreeNode* root = Items()->GetFirstNode()) {
    root->Expand(false);
    root->SetSelected(true);
  }
  FSelectedPath = kDrivesPath;
  if (!FFileList) return;
  FFileList->SetDirectory(kDrivesPath);
  FFileList->UpdateFileList();
}

void TDirTree::ShowFolderProperties() {
  TTreeNode* node = Selected();
  if (node && NodeKindOf(node) != TNodeKind::Computer) ShowFileProperties(GetPathOfNode(node));
}
