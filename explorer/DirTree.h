// TDirTree: a tree of the shell's computer folder, its drives and their folders (read when a node
// first expands). Clicking a node, or moving to one with the arrow keys, makes its path the
// SelectedPath, fires OnDirChange and shows the folder in a linked file list. Folder names are
// edited in place, which renames the folder through the shell; the folder operations of its
// context menu (TDirTreePopUp) are in DirTreeOperations.cpp.
#pragma once
#include <functional>
#include <string>

#include "explorer/core/FolderClipboard.h"
#include "framework/ImgList.h"
#include "framework/TreeView.h"

class TDirTreePopUp;
class TFileListView;

using TDirChangeEvent = std::function<void(TObject* Sender, const std::string& SelectedPath)>;
using TFileChangeEvent = std::function<void(TObject* Sender, const std::string& SelectedFile)>;

class TDirTree : public TCustomTreeView {
public:
  explicit TDirTree(TComponent* AOwner);
  ~TDirTree() override;

  // Linking a list shows SelectedPath in it when there is one; the link goes with the list.
  // The list's SetDirTree links both ways.
  TFileListView* FileList() const { return FFileList; }
  void SetFileList(TFileListView* list);
  // "Drives" for the root, "X:\" for a drive, a folder's path without a final "\"; after
  // OpenPath the path opened with its final "\". Setting it moves nothing.
  const std::string& SelectedPath() const { return FSelectedPath; }
  void SetSelectedPath(const std::string& path);
  const std::string& About() const { return FAbout; }
  void SetAbout(const std::string&) {}
  // False takes the context menu away; true gives it back.
  bool PopUpMenuEnabled() const { return FPopUpMenuEnabled; }
  void SetPopUpMenuEnabled(bool v);
  TDirTreePopUp* PopUp() const { return FPopUp; }
  TDirChangeEvent OnDirChange;

  // The root and the drives again; folders read before are forgotten.
  void Rebuild();
  // Selects and expands the nodes of an existing folder and fires OnDirChange; a piece of the
  // path that no child of the node before it answers to stops the walk there quietly.
  void OpenPath(const std::string& path);
  // Empty for the root or no node, "X:\" for a drive, the folder's path without a final "\".
  std::string GetPathOfNode(TTreeNode* node);

  // A folder named name in node's folder (null: the selected node's), then the tree read again
  // and opened there. An empty name makes "New Folder" and starts editing its name: that first
  // rename asks nothing. No folder goes into the root, and an existing one is not numbered:
  // false, with nothing made.
  bool CreateFolder(TTreeNode* node, const std::string& name);
  // The node's folder to the recycle bin through the shell, which asks first; the node goes and
  // its parent is selected. False for the root, a drive, or a folder kept or gone.
  bool DeleteFolder(TTreeNode* node);
  // The selected folder kept for the next PasteFolder; with the root, a drive or nothing
  // selected the clipboard is left empty.
  void CutCopyFolder(explorer::TFolderTransfer transfer);
  bool FolderClipboardFilled() const { return FFolderClipboard.Filled(); }
  // The folder kept copied or moved into the selected drive or folder, once; a failure, or a
  // folder going into itself, is reported.
  void PasteFolder();
  // The platform's dialogs: a drive that mapping adds is read into the tree and shown; after a
  // disconnect the tree is read again with the root selected.
  void ConnectNetDrive();
  void DisconnectNetDrive();
  // The shell's properties of SelectedPath.
  void ShowFolderProperties();
  // Tells the bytes of the files in the folder of path (the selected node's) and all its
  // sub-folders; every node below it is loaded on the way. The tree opens path again after.
  // Returns those bytes; 0 when path has no node.
  double ShowTreeSize(const std::string& path);
  // A window over the tree listing the files of path; OK there makes the chosen one the
  // SelectedFile and fires OnFileChange, then the tree opens path again.
  void ShowFolderContents(const std::string& path);

  // The file last chosen in a contents window; setting it stores the text only.
  const std::string& SelectedFile() const { return FSelectedFile; }
  void SetSelectedFile(const std::string& file);
  TFileChangeEvent OnFileChange;

  void Loaded() override;
  void Notification(TComponent* c, TOperation op) override;
  void WndProc(TMessage& m) override;

protected:
  void CreateWnd() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  bool CanEdit(TTreeNode* node) override;
  bool Edit(const TVITEMA& item) override;

private:
  void AddRootNode();
  void AddDrives();
  void NodeExpanding(TObject* Sender, TTreeNode* Node, bool& AllowExpansion);
  // A press at a client point on a node's label or icon selects that node.
  void SelectAt(int x, int y);
  // The steps after a node was selected by mouse or key.
  void NodeSelected(TTreeNode* node);
  // True when the folder was renamed; the tree then takes the new text. The name it has
  // already renames nothing.
  bool Rename(TTreeNode* node, const std::string& name);
  // The parent of node becomes the selected folder, also in a linked list.
  void SelectParentOf(TTreeNode* node);
  TTreeNode* DriveNode(char letter);
  // Moves the program's working folder out of folder, which it would keep from being renamed,
  // moved or deleted.
  void LeaveFolder(const std::string& folder);
  HWND OwnerWindow();
  TFileListView* FFileList = nullptr;
  std::string FSelectedPath;
  std::string FWorkPath;
  TDirTreePopUp* FPopUp;
  bool FPopUpMenuEnabled = true;
  bool FSkipConfirmation = false;
  bool FEditEnded = true;  // the editing under way has had its end
  TImageList* FImages;
  std::string FAbout;
  std::string FSelectedFile;
  explorer::TFolderClipboard FFolderClipboard;
};
