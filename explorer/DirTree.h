// TDirTree: a tree of the shell's computer folder, its drives and their folders (read when a node
// first expands). Clicking a node, or moving to one with the arrow keys, makes its path the
// SelectedPath, fires OnDirChange and shows the folder in a linked file list. Folder names are
// edited in place, which renames the folder through the shell.
#pragma once
#include <functional>
#include <string>

#include "framework/ImgList.h"
#include "framework/TreeView.h"

class TFileListView;

using TDirChangeEvent = std::function<void(TObject* Sender, const std::string& SelectedPath)>;
using TFileChangeEvent = std::function<void(TObject* Sender, const std::string& SelectedFile)>;

class TDirTree : public TCustomTreeView {
public:
  explicit TDirTree(TComponent* AOwner);
  ~TDirTree() override;

  // Linking a list shows SelectedPath in it when there is one; the link goes with the list.
  TFileListView* FileList() const { return FFileList; }
  void SetFileList(TFileListView* list);
  // "Drives" for the root, "X:\" for a drive, a folder's path without a final "\"; after
  // OpenPath the path opened with its final "\". Setting it moves nothing.
  const std::string& SelectedPath() const { return FSelectedPath; }
  void SetSelectedPath(const std::string& path);
  const std::string& About() const { return FAbout; }
  void SetAbout(const std::string&) {}
  TDirChangeEvent OnDirChange;

  // The root and the drives again; folders read before are forgotten.
  void Rebuild();
  // Selects and expands the nodes of an existing folder and fires OnDirChange; a piece of the
  // path that no child of the node before it answers to stops the walk there quietly.
  void OpenPath(const std::string& path);
  // Empty for the root or no node, "X:\" for a drive, the folder's path without a final "\".
  std::string GetPathOfNode(TTreeNode* node);
  // Set before a fresh folder's first rename, which then asks nothing.
  void SkipNextRenameQuestion() { FSkipConfirmation = true; }

  // The file last chosen in a contents window; setting it stores the text only.
  const std::string& SelectedFile() const { return FSelectedFile; }
  void SetSelectedFile(const std::string& file);
  TFileChangeEvent OnFileChange;
  // Tells the bytes of the files in the folder of path (the selected node's) and all its
  // sub-folders; every node below it is loaded on the way. The tree opens path again after.
  void ShowTreeSize(const std::string& path);
  // A window over the tree listing the files of path; OK there makes the chosen one the
  // SelectedFile and fires OnFileChange, then the tree opens path again.
  void ShowFolderContents(const std::string& path);

  void Loaded() override;
  void Notification(TComponent* c, TOperation op) override;

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
  // The steps after a node was selected by mouse or key.
  void NodeSelected(TTreeNode* node);
  // True when the folder was renamed; the tree then takes the new text.
  bool Rename(TTreeNode* node, const std::string& name);
  HWND OwnerWindow();
  TFileListView* FFileList = nullptr;
  std::string FSelectedPath;
  std::string FWorkPath;
  std::string FSelectedFile;
  bool FSkipConfirmation = false;
  bool FRenaming = false;
  TImageList* FImages;
  std::string FAbout;
};
