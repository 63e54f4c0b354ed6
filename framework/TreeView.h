// TTreeView: nodes over the platform's tree view. The window holds the nodes' texts, images,
// children and expanded and selected states; a TTreeNode is the framework's handle on one of
// them, found again through the item's lParam and freed when the platform deletes the item.
// Nodes therefore exist only while the window does.
#pragma once
#include <functional>
#include <string>
#include <unordered_set>

#include "framework/Controls.h"
#include "framework/ImgList.h"

class TCustomTreeView;
class TTreeNodes;

class TTreeNode {
public:
  TTreeNode(TTreeNodes* owner, HTREEITEM item) : FOwner(owner), FItem(item) {}
  HTREEITEM ItemId() const { return FItem; }
  TTreeNodes* Owner() const { return FOwner; }
  TCustomTreeView* TreeView() const;

  std::string Text() const;
  void SetText(const std::string& text);
  int ImageIndex() const;
  void SetImageIndex(int index);
  int SelectedIndex() const;
  void SetSelectedIndex(int index);
  // The platform shows an expand button for a node that has children or is marked so.
  bool HasChildren() const;
  void SetHasChildren(bool v);
  void* Data() const { return FData; }
  void SetData(void* data) { FData = data; }

  // 0 for a top node.
  int Level() const;
  TTreeNode* Parent() const;
  int Count() const;   // children
  TTreeNode* GetFirstChild() const;
  TTreeNode* GetNextSibling() const;
  TTreeNode* GetPrevSibling() const;
  // Depth first: the first child, else the next sibling of the node or of a parent.
  TTreeNode* GetNext() const;
  TTreeNode* GetNextVisible() const;
  TTreeNode* GetPrevVisible() const;

  bool Expanded() const;
  void Expand(bool recurse);
  void Collapse(bool recurse);
  bool Selected() const;
  void SetSelected(bool v);
  // Sorts the children by their texts without regard to letter case.
  void AlphaSort();
  void MakeVisible();
  // Starts editing the node's text in place (a tree that is not read-only).
  void EditText();
  // The node's row, or its text only; empty when it does not show.
  TRect DisplayRect(bool textOnly) const;

private:
  friend class TTreeNodes;
  HWND Window() const;
  TTreeNode* Related(UINT code) const;
  TVITEMA Item(UINT mask) const;
  void SetItem(TVITEMA& item);
  TTreeNodes* FOwner;
  HTREEITEM FItem;
  void* FData = nullptr;
};

class TTreeNodes {
public:
  explicit TTreeNodes(TCustomTreeView* owner) : FOwner(owner) {}
  ~TTreeNodes();
  TCustomTreeView* Owner() const { return FOwner; }
  // A node after the last sibling of sibling (a top node when sibling is null).
  TTreeNode* Add(TTreeNode* sibling, const std::string& text);
  // A node after the last child of parent (a top node when parent is null).
  TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
  void Delete(TTreeNode* node);
  void Clear();
  int Count() const { return (int)FNodes.size(); }
  TTreeNode* GetFirstNode() const;
  // The node of a platform item, or null.
  TTreeNode* GetNode(HTREEITEM item) const;
  // Redrawing waits until the last EndUpdate.
  void BeginUpdate();
  void EndUpdate();

private:
  friend class TCustomTreeView;
  TTreeNode* Insert(TTreeNode* parent, const std::string& text);
  void Deleted(TTreeNode* node);   // the platform deleted its item
  void FreeAll();                  // the window is gone
  TCustomTreeView* FOwner;
  std::unordered_set<TTreeNode*> FNodes;
  int FUpdateCount = 0;
};

using TTVExpandingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;

// Where a point is in the tree (TVHT_* bits).
enum THitTest : unsigned {
  htNowhere = TVHT_NOWHERE, htOnIcon = TVHT_ONITEMICON, htOnLabel = TVHT_ONITEMLABEL,
  htOnIndent = TVHT_ONITEMINDENT, htOnButton = TVHT_ONITEMBUTTON, htOnRight = TVHT_ONITEMRIGHT,
  htOnStateIcon = TVHT_ONITEMSTATEICON, htOnItem = TVHT_ONITEM, htAbove = TVHT_ABOVE,
  htBelow = TVHT_BELOW, htToRight = TVHT_TORIGHT, htToLeft = TVHT_TOLEFT
};
using THitTests = unsigned;

class TCustomTreeView : public TWinControl {
public:
  explicit TCustomTreeView(TComponent* AOwner);
  ~TCustomTreeView() override;
  TTreeNodes* Items() const { return FNodes.get(); }
  TTreeNode* Selected();
  void SetSelected(TTreeNode* node);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool v);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle s);
  TTreeNode* GetNodeAt(int x, int y);
  THitTests GetHitTestInfoAt(int x, int y);
  // A node's text is being edited in place.
  bool IsEditing();

  // Asked before a node expands; leave AllowExpansion true to let it.
  TTVExpandingEvent OnExpanding;
  TTVChangedEvent OnChange;   // the selection moved

  void WndProc(TMessage& m) override;
  void Notification(TComponent* c, TOperation op) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  virtual bool CanExpand(TTreeNode* node);
  virtual void Change(TTreeNode* node);
  // Asked before the text of node is edited in place.
  virtual bool CanEdit(TTreeNode* node);
  // Editing ended; item.pszText is the new text, null when editing was cancelled. True lets the
  // node take the text.
  virtual bool Edit(const TVITEMA& item);

private:
  void ApplyImages();
  std::unique_ptr<TTreeNodes> FNodes;
  TImageList* FImages = nullptr;
  bool FHideSelection = true;
  bool FReadOnly = false;
  TBorderStyle FBorderStyle = bsSingle;
};

class TTreeView : public TCustomTreeView {
public:
  using TCustomTreeView::TCustomTreeView;
};
