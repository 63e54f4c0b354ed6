// TTreeView: the nodes' state lives in the platform's tree view; TTreeNode asks it.
#include "framework/TreeView.h"

#include "framework/ComCtrls.h"

// ---------------------------------------------------------------------------------------------
// TTreeNode

TCustomTreeView* TTreeNode::TreeView() const { return FOwner->Owner(); }

HWND TTreeNode::Window() const {
  TCustomTreeView* tree = TreeView();
  return tree->HandleAllocated() ? tree->Handle() : nullptr;
}

TVITEMA TTreeNode::Item(UINT mask) const {
  TVITEMA item{};
  item.mask = mask | TVIF_HANDLE;
  item.hItem = FItem;
  if (HWND w = Window()) SendMessageA(w, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return item;
}

void TTreeNode::SetItem(TVITEMA& item) {
  item.mask |= TVIF_HANDLE;
  item.hItem = FItem;
  if (HWND w = Window()) SendMessageA(w, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

std::string TTreeNode::Text() const {
  char buffer[MAX_PATH + 1] = {};
  TVITEMA item{};
  item.mask = TVIF_HANDLE | TVIF_TEXT;
  item.hItem = FItem;
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  if (HWND w = Window()) SendMessageA(w, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return item.pszText ? item.pszText : "";
}

void TTreeNode::SetText(const std::string& text) {
  TVITEMA item{};
  item.mask = TVIF_TEXT;
  item.pszText = const_cast<char*>(text.c_str());
  SetItem(item);
}

int TTreeNode::ImageIndex() const { return Item(TVIF_IMAGE).iImage; }

void TTreeNode::SetImageIndex(int index) {
  TVITEMA item{};
  item.mask = TVIF_IMAGE;
  item.iImage = index;
  SetItem(item);
}

int TTreeNode::SelectedIndex() const { return Item(TVIF_SELECTEDIMAGE).iSelectedImage; }

void TTreeNode::SetSelectedIndex(int index) {
  TVITEMA item{};
  item.mask = TVIF_SELECTEDIMAGE;
  item.iSelectedImage = index;
  SetItem(item);
}

bool TTreeNode::HasChildren() const { return Item(TVIF_CHILDREN).cChildren != 0 || GetFirstChild(); }

void TTreeNode::SetHasChildren(bool v) {
  TVITEMA item{};
  item.mask = TVIF_CHILDREN;
  item.cChildren = v ? 1 : 0;
  SetItem(item);
}

TTreeNode* TTreeNode::Related(UINT code) const {
  HWND w = Window();
  if (!w) return nullptr;
  auto item = reinterpret_cast<HTREEITEM>(SendMessageA(w, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(FItem)));
  return FOwner->GetNode(item);
}

TTreeNode* TTreeNode::Parent() const { return Related(TVGN_PARENT); }
TTreeNode* TTreeNode::GetFirstChild() const { return Related(TVGN_CHILD); }
TTreeNode* TTreeNode::GetNextSibling() const { return Related(TVGN_NEXT); }
TTreeNode* TTreeNode::GetPrevSibling() const { return Related(TVGN_PREVIOUS); }
TTreeNode* TTreeNode::GetNextVisible() const { return Related(TVGN_NEXTVISIBLE); }
TTreeNode* TTreeNode::GetPrevVisible() const { return Related(TVGN_PREVIOUSVISIBLE); }

int TTreeNode::Level() const {
  int level = 0;
  for (TTreeNode* p = Parent(); p; p = p->Parent()) ++level;
  return level;
}

int TTreeNode::Count() const {
  int count = 0;
  for (TTreeNode* c = GetFirstChild(); c; c = c->GetNextSibling()) ++count;
  return count;
}

TTreeNode* TTreeNode::GetNext() const {
  if (TTreeNode* child = GetFirstChild()) return child;
  for (const TTreeNode* n = this; n; n = n->Parent())
    if (TTreeNode* sibling = n->GetNextSibling()) return sibling;
  return nullptr;
}

bool TTreeNode::Expanded() const { return (Item(TVIF_STATE).state & TVIS_EXPANDED) != 0; }

void TTreeNode::Expand(bool recurse) {
  if (HWND w = Window()) SendMessageA(w, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(FItem));
  if (recurse)
    for (TTreeNode* c = GetFirstChild(); c; c = c->GetNextSibling()) c->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
  if (recurse)
    for (TTreeNode* c = GetFirstChild(); c; c = c->GetNextSibling()) c->Collapse(true);
  if (HWND w = Window()) SendMessageA(w, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(FItem));
}

bool TTreeNode::Selected() const { return (Item(TVIF_STATE).state & TVIS_SELECTED) != 0; }

void TTreeNode::SetSelected(bool v) {
  if (HWND w = Window()) SendMessageA(w, TVM_SELECTITEM, TVGN_CARET, v ? reinterpret_cast<LPARAM>(FItem) : 0);
}

void TTreeNode::AlphaSort() {
  if (HWND w = Window()) SendMessageA(w, TVM_SORTCHILDREN, 0, reinterpret_cast<LPARAM>(FItem));
}

void TTreeNode::MakeVisible() {
  if (HWND w = Window()) SendMessageA(w, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(FItem));
}

void TTreeNode::EditText() {
  if (HWND w = Window()) SendMessageA(w, TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(FItem));
}

TRect TTreeNode::DisplayRect(bool textOnly) const {
  RECT r{};
  *reinterpret_cast<HTREEITEM*>(&r) = FItem;   // the platform reads the item from the rectangle
  HWND w = Window();
  if (!w || !SendMessageA(w, TVM_GETITEMRECT, textOnly, reinterpret_cast<LPARAM>(&r))) return TRect();
  return TRect(r.left, r.top, r.right, r.bottom);
}

// ---------------------------------------------------------------------------------------------
// TTreeNodes

TTreeNodes::~TTreeNodes() { FreeAll(); }

TTreeNode* TTreeNodes::Insert(TTreeNode* parent, const std::string& text) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent ? parent->ItemId() : TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = const_cast<char*>(text.c_str());
  auto node = std::make_unique<TTreeNode>(this, nullptr);
  insert.item.lParam = reinterpret_cast<LPARAM>(node.get());
  auto item = reinterpret_cast<HTREEITEM>(
      SendMessageA(FOwner->Handle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  if (!item) throw EOutOfResources("Tree view item could not be added");
  node->FItem = item;
  FNodes.insert(node.get());
  return node.release();
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text) {
  return Insert(sibling ? sibling->Parent() : nullptr, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) { return Insert(parent, text); }

void TTreeNodes::Delete(TTreeNode* node) {
  if (node && FOwner->HandleAllocated())
    SendMessageA(FOwner->Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node->ItemId()));
}

void TTreeNodes::Clear() {
  if (FOwner->HandleAllocated()) SendMessageA(FOwner->Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

TTreeNode* TTreeNodes::GetFirstNode() const {
  if (!FOwner->HandleAllocated()) return nullptr;
  return GetNode(TreeView_GetRoot(FOwner->Handle()));
}

TTreeNode* TTreeNodes::GetNode(HTREEITEM item) const {
  if (!item || !FOwner->HandleAllocated()) return nullptr;
  TVITEMA it{};
  it.mask = TVIF_HANDLE | TVIF_PARAM;
  it.hItem = item;
  if (!SendMessageA(FOwner->Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it))) return nullptr;
  auto* node = reinterpret_cast<TTreeNode*>(it.lParam);
  return FNodes.count(node) ? node : nullptr;
}

void TTreeNodes::BeginUpdate() {
  if (FUpdateCount++ == 0 && FOwner->HandleAllocated()) SendMessageA(FOwner->Handle(), WM_SETREDRAW, FALSE, 0);
}

void TTreeNodes::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount > 0 || !FOwner->HandleAllocated()) return;
  SendMessageA(FOwner->Handle(), WM_SETREDRAW, TRUE, 0);
  FOwner->Invalidate();
}

void TTreeNodes::Deleted(TTreeNode* node) {
  if (FNodes.erase(node)) delete node;
}

void TTreeNodes::FreeAll() {
  for (TTreeNode* node : FNodes) delete node;
  FNodes.clear();
}

// ---------------------------------------------------------------------------------------------
// TCustomTreeView

TCustomTreeView::TCustomTreeView(TComponent* AOwner)
    : TWinControl(AOwner), FNodes(std::make_unique<TTreeNodes>(this)) {
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
}

TCustomTreeView::~TCustomTreeView() = default;

void TCustomTreeView::CreateParams(TCreateParams& params) {
  InitCommonControlClass(ICC_TREEVIEW_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, WC_TREEVIEWA);
  params.Style |= TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;
  if (!FHideSelection) params.Style |= TVS_SHOWSELALWAYS;
  if (!FReadOnly) params.Style |= TVS_EDITLABELS;
  if (FBorderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyImages();
}

void TCustomTreeView::DestroyWnd() {
  TWinControl::DestroyWnd();
  FNodes->FreeAll();
}

void TCustomTreeView::ApplyImages() {
  if (!HandleAllocated()) return;
  HIMAGELIST list = FImages ? FImages->Handle() : nullptr;
  SendMessageA(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(list));
}

void TCustomTreeView::SetImages(TImageList* images) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = images;
  if (FImages) FImages->FreeNotification(this);
  ApplyImages();
}

void TCustomTreeView::Notification(TComponent* c, TOperation op) {
  TWinControl::Notification(c, op);
  if (op == opRemove && c == FImages) SetImages(nullptr);
}

void TCustomTreeView::SetHideSelection(bool v) {
  FHideSelection = v;
  if (HandleAllocated()) SetWindowStyleBit(Handle(), TVS_SHOWSELALWAYS, !v);
}

void TCustomTreeView::SetReadOnly(bool v) {
  FReadOnly = v;
  if (HandleAllocated()) SetWindowStyleBit(Handle(), TVS_EDITLABELS, !v);
}

void TCustomTreeView::SetBorderStyle(TBorderStyle s) {
  FBorderStyle = s;
  RecreateWnd();
}

TTreeNode* TCustomTreeView::Selected() {
  if (!HandleAllocated()) return nullptr;
  return FNodes->GetNode(TreeView_GetSelection(Handle()));
}

void TCustomTreeView::SetSelected(TTreeNode* node) {
  if (node)
    node->SetSelected(true);
  else if (HandleAllocated())
    SendMessageA(Handle(), TVM_SELECTITEM, TVGN_CARET, 0);
}

THitTests TCustomTreeView::GetHitTestInfoAt(int x, int y) {
  TVHITTESTINFO info{{x, y}, 0, nullptr};
  SendMessageA(Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
  return info.flags;
}

TTreeNode* TCustomTreeView::GetNodeAt(int x, int y) {
  TVHITTESTINFO info{{x, y}, 0, nullptr};
  auto item = reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
  return (info.flags & (htOnItem | htOnRight | htOnIndent | htOnButton)) ? FNodes->GetNode(item) : nullptr;
}

bool TCustomTreeView::IsEditing() {
  return HandleAllocated() && SendMessageA(Handle(), TVM_GETEDITCONTROL, 0, 0) != 0;
}

bool TCustomTreeView::CanEdit(TTreeNode*) { return !FReadOnly; }

bool TCustomTreeView::Edit(const TVITEMA& item) { return item.pszText != nullptr; }

bool TCustomTreeView::CanExpand(TTreeNode* node) {
  bool allow = true;
  if (OnExpanding) OnExpanding(this, node, allow);
  return allow;
}

void TCustomTreeView::Change(TTreeNode* node) {
  if (OnChange) OnChange(this, node);
}

void TCustomTreeView::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY) {
    // The layout of the A and W records is the same for the fields read here.
    auto* info = reinterpret_cast<NMTREEVIEWA*>(m.LParam);
    switch (info->hdr.code) {
      case TVN_ITEMEXPANDINGA: case TVN_ITEMEXPANDINGW:
        m.Result = 0;
        if (info->action & TVE_EXPAND)
          if (TTreeNode* node = FNodes->GetNode(info->itemNew.hItem)) m.Result = CanExpand(node) ? 0 : 1;
        return;
      case TVN_DELETEITEMA: case TVN_DELETEITEMW:
        FNodes->Deleted(reinterpret_cast<TTreeNode*>(info->itemOld.lParam));
        return;
      case TVN_BEGINLABELEDITA: {
        TTreeNode* node = FNodes->GetNode(reinterpret_cast<NMTVDISPINFOA*>(m.LParam)->item.hItem);
        m.Result = node && CanEdit(node) ? 0 : 1;
        return;
      }
      case TVN_ENDLABELEDITA:
        m.Result = Edit(reinterpret_cast<NMTVDISPINFOA*>(m.LParam)->item) ? 1 : 0;
        return;
      case TVN_SELCHANGEDA: case TVN_SELCHANGEDW:
        Change(FNodes->GetNode(info->itemNew.hItem));
        return;
    }
  }
  TWinControl::WndProc(m);
}
