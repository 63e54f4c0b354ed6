// TDirTreeCombo: a read-only edit with a drop button that opens a tree of the computer's drives
// and their folders (TDirTreeDropView). Picking a node makes its path SelectedPath, shows the
// node's icon and text and fires OnPathChange.
//
// The tree is a topmost tool window of its own, not a child of the form: only such a window can
// take the focus once it lies outside the form. While it is open and the pointer is elsewhere it
// holds the mouse capture, so a click anywhere else closes it; over the tree it lets the capture
// go, so its scroll bar takes clicks, and the node under the pointer becomes the selected one.
// Its key-downs go to the combo's key handling.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "explorer/core/DriveTree.h"
#include "framework/Buttons.h"
#include "framework/ImgList.h"
#include "framework/StdCtrls.h"
#include "framework/TreeView.h"

using TPathChangeEvent = std::function<void(TObject* Sender, const std::string& SelectedPath)>;

// The combo's drop button: right clicks open no menu.
class TDropSpeedButton : public TSpeedButton {
public:
  using TSpeedButton::TSpeedButton;
  void WndProc(TMessage& m) override;
};

class TDirTreeCombo;
class TFileListView;

class TDirTreeDropView : public TCustomTreeView {
public:
  TDirTreeDropView(TComponent* AOwner, TDirTreeCombo* combo);
  const std::string& SelectedPath() const { return FSelectedPath; }
  bool ExpandRoot() const { return FExpandRoot; }
  void SetExpandRoot(bool v);
  // The pointer is over the open tree, its border and scroll bar included.
  bool MouseInside() const { return FMouseInside; }
  // Open: shown and enabled.
  bool IsOpen() const { return Enabled(); }
  // The drives under the shell's "computer" folder; a drive's folders are read when it expands.
  void BuildDriveTree();
  // "Drives" for the computer, "X:\" for a drive, the folder's path without a final "\".
  std::string GetNodePath(TTreeNode* node);
  explorer::TNodeKind NodeKind(TTreeNode* node) const;
  // The children of node (the top nodes for null) as the path rules see them.
  std::vector<explorer::TNodeName> ChildNames(TTreeNode* node) const;
  void WndProc(TMessage& m) override;

protected:
  void CreateParams(TCreateParams& params) override;

private:
  friend class TDirTreeCombo;
  void NodeExpanding(TObject* Sender, TTreeNode* Node, bool& AllowExpansion);
  void LeftButtonDown(TMessage& m);
  void FollowPointer(const TPoint& screen);
  void WatchLeave(const TPoint& screen);
  void SelectNodeUnder(const TPoint& client);
  void CloseUp();
  TDirTreeCombo* FCombo;
  std::string FWorkPath;
  std::string FSelectedPath;
  bool FExpandRoot = false;
  bool FMouseInside = false;
};

class TDirTreeCombo : public TCustomEdit {
public:
  explicit TDirTreeCombo(TComponent* AOwner);
  ~TDirTreeCombo() override;

  // Setting keeps the spelling in use when only letter case differs, and moves neither the
  // tree's selection, the text nor the icon.
  std::string SelectedPath() const { return FTree->SelectedPath(); }
  void SetSelectedPath(const std::string& path);
  bool ExpandRoot() const { return FTree->ExpandRoot(); }
  void SetExpandRoot(bool v) { FTree->SetExpandRoot(v); }
  int TreeHeight() const { return FTree->Height(); }
  void SetTreeHeight(int h) { FTree->SetHeight(h); }
  bool HideSelection() const { return FTree->HideSelection(); }
  void SetHideSelection(bool v) { FTree->SetHideSelection(v); }
  TBitmap* Glyph() const { return FButton->Glyph(); }
  void SetGlyph(TBitmap* b);
  const std::string& About() const { return FAbout; }
  void SetAbout(const std::string&) {}
  TDirTreeDropView* Tree() const { return FTree; }
  TDropSpeedButton* Button() const { return FButton; }
  TImageList* Images() const { return FImages; }
  // The system image-list index of the icon shown; none when out of range.
  int ImageIndex() const { return FImageIndex; }
  TPathChangeEvent OnPathChange;
  // The linked list shows the picked folder; linking one that has a path here fills it.
  TFileListView* FileList() const { return FFileList; }
  void SetFileList(TFileListView* list);
  void Notification(TComponent* c, TOperation op) override;

  void ToggleDropDown();
  // Selects the node of an existing folder, expanding the way to it; a piece of the path that
  // no child of the node before it answers to stops the search there and changes nothing else.
  void OpenPath(const std::string& path);
  // Reads the drives again; folders read before are forgotten.
  void RebuildTree();

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void WndProc(TMessage& m) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle(const TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void KeyDown(WORD& key, TShiftState shift) override;

private:
  friend class TDirTreeDropView;
  // A pick of the tree's selected node by click (sender the tree) or Enter (sender the combo);
  // false when the node is a removable drive that is not ready.
  bool PickSelected(TObject* sender);
  void ShowNode(const std::string& text, int image);
  bool HasIcon();
  void SetEditRect();
  void PaintIcon();
  TDropSpeedButton* FButton;
  TDirTreeDropView* FTree;
  std::string FWinDir;
  int FImageIndex = -1;
  TImageList* FImages;
  std::string FAbout;
  TFileListView* FFileList = nullptr;
};
