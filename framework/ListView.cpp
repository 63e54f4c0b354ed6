// TListView: items, sub-items and columns over the platform's list view. The texts live in the
// items; the platform asks for them (LVN_GETDISPINFO), so sub-items need no column to exist.
#include "framework/ComCtrls.h"

#include <algorithm>
#include <exception>

// ---------------------------------------------------------------------------------------------
// TListItem

class TListItem::TSubItems : public TStringList {
public:
  explicit TSubItems(TListItem* item) : FItem(item) {}
protected:
  void Changed() override {
    TStringList::Changed();
    // Between BeginUpdate and EndUpdate the window is told once, at the end: finding the item
    // for each change costs a search of the whole list.
    if (UpdateCount() == 0) FItem->SubItemsChanged();
  }
private:
  TListItem* FItem;
};

TListItem::TListItem(TListItems* owner) : FOwner(owner), FSubItems(new TSubItems(this)) {}
TListItem::~TListItem() = default;

TCustomListView* TListItem::ListView() const { return FOwner->Owner(); }
HWND TListItem::ListWindow() const { return FAdded ? ListView()->ListWindow() : nullptr; }
int TListItem::Index() const { return FOwner->IndexOf(this); }
TStrings* TListItem::SubItems() const { return FSubItems.get(); }

void TListItem::SetCaption(const std::string& s) {
  FCaption = s;
  Update();
}

void TListItem::SubItemsChanged() { Update(); }

void TListItem::Update() {
  if (HWND w = ListWindow()) SendMessageA(w, LVM_UPDATE, Index(), 0);
}

void TListItem::SetImageIndex(int i) {
  FImageIndex = i;
  HWND w = ListWindow();
  if (!w) return;
  LVITEMA it{};
  it.mask = LVIF_IMAGE;
  it.iItem = Index();
  it.iImage = i;
  SendMessageA(w, LVM_SETITEMA, 0, (LPARAM)&it);
}

bool TListItem::GetState(UINT mask) const {
  HWND w = ListWindow();
  UINT state = w ? (UINT)SendMessageA(w, LVM_GETITEMSTATE, Index(), mask) : FSavedState;
  return (state & mask) != 0;
}

void TListItem::SetState(UINT mask, bool on) {
  HWND w = ListWindow();
  if (!w) {
    FSavedState = on ? FSavedState | mask : FSavedState & ~mask;
    return;
  }
  LVITEMA it{};
  it.stateMask = mask;
  it.state = on ? mask : 0;
  SendMessageA(w, LVM_SETITEMSTATE, Index(), (LPARAM)&it);
}

bool TListItem::Checked() const {
  HWND w = ListWindow();
  if (!w) return false;
  UINT state = (UINT)SendMessageA(w, LVM_GETITEMSTATE, Index(), LVIS_STATEIMAGEMASK);
  return (state >> 12) == 2;
}

void TListItem::SetChecked(bool v) {
  HWND w = ListWindow();
  if (!w) return;
  LVITEMA it{};
  it.stateMask = LVIS_STATEIMAGEMASK;
  it.state = INDEXTOSTATEIMAGEMASK(v ? 2 : 1);
  SendMessageA(w, LVM_SETITEMSTATE, Index(), (LPARAM)&it);
}

void TListItem::Delete() { FOwner->Delete(Index()); }

void TListItem::MakeVisible(bool partialOK) {
  if (HWND w = ListWindow()) SendMessageA(w, LVM_ENSUREVISIBLE, Index(), partialOK);
}

TRect TListItem::DisplayRect(TDisplayCode code) const {
  static const int codes[] = {LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL, LVIR_SELECTBOUNDS};
  RECT r{};
  r.left = codes[code];
  if (HWND w = ListWindow()) SendMessageA(w, LVM_GETITEMRECT, Index(), (LPARAM)&r);
  return r;
}

// ---------------------------------------------------------------------------------------------
// TListItems

TListItems::~TListItems() = default;

static void CheckIndex(int i, int count) {
  if (i < 0 || i >= count) throw EListError("List index out of bounds (" + IntToStr(i) + ")");
}

void TListItems::InsertIntoWindow(TListItem* item, int index) {
  HWND w = FOwner->FHandle;
  LVITEMA it{};
  it.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE | LVIF_STATE;
  it.iItem = index;
  it.pszText = LPSTR_TEXTCALLBACKA;
  it.lParam = (LPARAM)item;
  it.iImage = item->FImageIndex;
  it.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  it.state = item->FSavedState;
  int row = (int)SendMessageA(w, LVM_INSERTITEMA, 0, (LPARAM)&it);
  FOwner->SetSubItemCallbacks(row);
}

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int index) { return AddItem(std::make_unique<TListItem>(this), index); }

TListItem* TListItems::AddItem(std::unique_ptr<TListItem> owned, int index) {
  TListItem* item = owned.get();
  item->FAdded = true;
  if (index < 0) index = Count();
  if (FOwner->ListWindow()) {
    FItems.push_back(std::move(owned));
    InsertIntoWindow(item, index);
  } else {
    FItems.insert(FItems.begin() + std::min(index, (int)FItems.size()), std::move(owned));
  }
  return item;
}

int TListItems::Count() const {
  HWND w = FOwner->ListWindow();
  return w ? (int)SendMessageA(w, LVM_GETITEMCOUNT, 0, 0) : (int)FItems.size();
}

TListItem* TListItems::Item(int i) const {
  CheckIndex(i, Count());
  return FOwner->ListWindow() ? FOwner->ItemFromIndex(i) : FItems[i].get();
}

int TListItems::IndexOf(const TListItem* item) const {
  if (HWND w = FOwner->ListWindow()) {
    LVFINDINFOA find{};
    find.flags = LVFI_PARAM;
    find.lParam = (LPARAM)item;
    return (int)SendMessageA(w, LVM_FINDITEMA, (WPARAM)-1, (LPARAM)&find);
  }
  for (int i = 0; i < (int)FItems.size(); ++i)
    if (FItems[i].get() == item) return i;
  return -1;
}

std::vector<std::string> TListItems::Captions() const {
  std::vector<std::string> captions;
  for (const auto& item : FItems) captions.push_back(item->Caption());
  return captions;
}

void TListItems::Delete(int i) {
  TListItem* item = Item(i);
  if (HWND w = FOwner->ListWindow()) SendMessageA(w, LVM_DELETEITEM, i, 0);
  FItems.erase(std::find_if(FItems.begin(), FItems.end(), [&](auto& p) { return p.get() == item; }));
}

void TListItems::Clear() {
  if (HWND w = FOwner->ListWindow()) SendMessageA(w, LVM_DELETEALLITEMS, 0, 0);
  FItems.clear();
}

void TListItems::BeginUpdate() {
  if (FUpdateCount++ == 0 && FOwner->HandleAllocated())
    SendMessageA(FOwner->FHandle, WM_SETREDRAW, FALSE, 0);
}

void TListItems::EndUpdate() {
  if (--FUpdateCount == 0 && FOwner->HandleAllocated()) {
    SendMessageA(FOwner->FHandle, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(FOwner->FHandle, nullptr, TRUE);
  }
}

// ---------------------------------------------------------------------------------------------
// Columns

int TListColumn::Index() const { return FOwner->IndexOf(this); }

LVCOLUMNA TListColumn::ColumnInfo() const {
  static const int formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
  LVCOLUMNA c{};
  c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | (FImageIndex >= 0 ? LVCF_IMAGE : 0);
  c.fmt = formats[FAlignment];
  c.cx = FWidth;
  c.pszText = const_cast<char*>(FCaption.c_str());
  c.iImage = FImageIndex;
  return c;
}

void TListColumn::Changed() {
  TCustomListView* lv = FOwner->Owner();
  if (!lv->HandleAllocated()) return;
  LVCOLUMNA c = ColumnInfo();
  c.mask &= ~LVCF_WIDTH;   // the user's width stays
  // The format bits beyond the alignment stay as whoever set them left them: a sorting list's
  // sort image and the side it is on.
  LVCOLUMNA present{};
  present.mask = LVCF_FMT;
  if (SendMessageA(lv->FHandle, LVM_GETCOLUMNA, Index(), (LPARAM)&present))
    c.fmt |= present.fmt & ~LVCFMT_JUSTIFYMASK;
  SendMessageA(lv->FHandle, LVM_SETCOLUMNA, Index(), (LPARAM)&c);
  lv->ColumnChanged(Index());
}

void TListColumn::SetCaption(const std::string& s) { FCaption = s; Changed(); }
void TListColumn::SetAlignment(TAlignment a) { FAlignment = a; Changed(); }
void TListColumn::SetImageIndex(int i) { FImageIndex = i; Changed(); }

int TListColumn::Width() const {
  TCustomListView* lv = FOwner->Owner();
  return lv->HandleAllocated() ? (int)SendMessageA(lv->FHandle, LVM_GETCOLUMNWIDTH, Index(), 0) : FWidth;
}

void TListColumn::SetWidth(int w) {
  FWidth = w;
  TCustomListView* lv = FOwner->Owner();
  if (lv->HandleAllocated()) SendMessageA(lv->FHandle, LVM_SETCOLUMNWIDTH, Index(), w);
}

TListColumn* TListColumns::Add() {
  // The window first: making it inserts the columns already there, so the new one only once.
  const HWND w = FOwner->ListWindow();
  FItems.push_back(std::make_unique<TListColumn>(this));
  TListColumn* column = FItems.back().get();
  if (w) {
    LVCOLUMNA c = column->ColumnInfo();
    SendMessageA(w, LVM_INSERTCOLUMNA, Count() - 1, (LPARAM)&c);
    for (int row = 0, n = FOwner->Items()->Count(); row < n; ++row) FOwner->SetSubItemCallbacks(row);
    FOwner->ColumnChanged(Count() - 1);
  }
  return column;
}

int TListColumns::IndexOf(const TListColumn* c) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[i].get() == c) return i;
  return -1;
}

void TListColumns::Delete(int i) {
  CheckIndex(i, Count());
  if (FOwner->HandleAllocated()) SendMessageA(FOwner->FHandle, LVM_DELETECOLUMN, i, 0);
  FItems.erase(FItems.begin() + i);
}

void TListColumns::Clear() {
  while (Count() > 0) Delete(Count() - 1);
}

// ---------------------------------------------------------------------------------------------
// TCustomListView

TCustomListView::TCustomListView(TComponent* AOwner)
    : TCustomListControl(AOwner), FItems(new TListItems(this)), FColumns(new TListColumns(this)) {
  // Clicks come from the platform's NM_CLICK and NM_DBLCLK; it captures the mouse itself.
  FControlStyle = csOpaque;
  FTabStop = true;
  SetColor(clWindow);
  SetBounds(0, 0, 250, 150);
}

TCustomListView::~TCustomListView() = default;

HWND TCustomListView::ListWindow() const {
  if (HandleAllocated()) return FHandle;
  if (!FParent || FDestroyingWindow) return nullptr;
  return const_cast<TCustomListView*>(this)->Handle();
}

void TCustomListView::CreateParams(TCreateParams& params) {
  InitCommonControlClass(ICC_LISTVIEW_CLASSES);
  TCustomListControl::CreateParams(params);
  CreateSubClass(params, WC_LISTVIEWA);
  static const DWORD views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  params.Style |= views[FViewStyle] | LVS_SHAREIMAGELISTS | (FMultiSelect ? 0 : LVS_SINGLESEL) |
                  (FReadOnly ? 0 : LVS_EDITLABELS) | (FHideSelection ? 0 : LVS_SHOWSELALWAYS) |
                  (FShowColumnHeaders ? 0 : LVS_NOCOLUMNHEADER) |
                  (FColumnClick ? 0 : LVS_NOSORTHEADER) | (FOwnerDraw ? LVS_OWNERDRAWFIXED : 0);
  if (FBorderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateWnd() {
  TCustomListControl::CreateWnd();
  SendMessageA(FHandle, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, ExStyle());
  SendMessageA(FHandle, LVM_SETBKCOLOR, 0, ColorRef(Color()));
  SendMessageA(FHandle, LVM_SETTEXTBKCOLOR, 0, ColorRef(Color()));
  SendMessageA(FHandle, LVM_SETTEXTCOLOR, 0, ColorRef(Font()->Color()));
  if (FHoverTime != -1) SendMessageA(FHandle, LVM_SETHOVERTIME, 0, FHoverTime);
  ApplyImages();
  for (int i = 0; i < FColumns->Count(); ++i) {
    LVCOLUMNA c = FColumns->Items(i)->ColumnInfo();
    SendMessageA(FHandle, LVM_INSERTCOLUMNA, i, (LPARAM)&c);
    ColumnChanged(i);
  }
  for (int i = 0; i < (int)FItems->FItems.size(); ++i) FItems->InsertIntoWindow(FItems->FItems[i].get(), i);
}

void TCustomListView::DestroyWnd() {
  // The rows' order, their selection and the column widths outlive the window.
  auto& owned = FItems->FItems;
  std::vector<std::unique_ptr<TListItem>> ordered;
  for (int i = 0, n = (int)SendMessageA(FHandle, LVM_GETITEMCOUNT, 0, 0); i < n; ++i) {
    TListItem* item = ItemFromIndex(i);
    item->FSavedState = (UINT)SendMessageA(FHandle, LVM_GETITEMSTATE, i, LVIS_SELECTED | LVIS_FOCUSED);
    auto it = std::find_if(owned.begin(), owned.end(), [&](auto& p) { return p.get() == item; });
    ordered.push_back(std::move(*it));
    owned.erase(it);
  }
  owned.swap(ordered);
  for (int i = 0; i < FColumns->Count(); ++i)
    FColumns->Items(i)->FWidth = (int)SendMessageA(FHandle, LVM_GETCOLUMNWIDTH, i, 0);
  FDestroyingWindow = true;
  TCustomListControl::DestroyWnd();
  FDestroyingWindow = false;
}

TListItem* TCustomListView::ItemFromIndex(int i) const {
  LVITEMA it{};
  it.mask = LVIF_PARAM;
  it.iItem = i;
  if (i < 0 || !SendMessageA(FHandle, LVM_GETITEMA, 0, (LPARAM)&it)) return nullptr;
  return reinterpret_cast<TListItem*>(it.lParam);
}

void TCustomListView::SetSubItemCallbacks(int row) {
  LVITEMA it{};
  it.pszText = LPSTR_TEXTCALLBACKA;
  for (it.iSubItem = 1; it.iSubItem < FColumns->Count(); ++it.iSubItem)
    SendMessageA(FHandle, LVM_SETITEMTEXTA, row, (LPARAM)&it);
}

DWORD TCustomListView::ExStyle() const {
  return (FRowSelect ? LVS_EX_FULLROWSELECT : 0) | (FGridLines ? LVS_EX_GRIDLINES : 0) |
         (FCheckboxes ? LVS_EX_CHECKBOXES : 0);
}

void TCustomListView::SetStyleBit(DWORD bit, bool on) { SetWindowStyleBit(FHandle, bit, on); }

void TCustomListView::SetExStyleBit(DWORD bit, bool on) {
  if (HandleAllocated()) SendMessageA(FHandle, LVM_SETEXTENDEDLISTVIEWSTYLE, bit, on ? bit : 0);
}

void TCustomListView::SetViewStyle(TViewStyle v) {
  static const DWORD views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  FViewStyle = v;
  SetWindowStyleBit(FHandle, LVS_TYPEMASK, false);
  SetWindowStyleBit(FHandle, views[v], true);
}

void TCustomListView::SetBorderStyle(TBorderStyle s) {
  FBorderStyle = s;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomListView::ApplyImages() {
  if (!HandleAllocated()) return;
  SendMessageA(FHandle, LVM_SETIMAGELIST, LVSIL_NORMAL, (LPARAM)(FLargeImages ? FLargeImages->Handle() : nullptr));
  SendMessageA(FHandle, LVM_SETIMAGELIST, LVSIL_SMALL, (LPARAM)(FSmallImages ? FSmallImages->Handle() : nullptr));
}

void TCustomListView::SetLargeImages(TImageList* v) {
  if (FLargeImages) FLargeImages->RemoveFreeNotification(this);
  FLargeImages = v;
  if (v) v->FreeNotification(this);
  ApplyImages();
}

void TCustomListView::SetSmallImages(TImageList* v) {
  if (FSmallImages) FSmallImages->RemoveFreeNotification(this);
  FSmallImages = v;
  if (v) v->FreeNotification(this);
  ApplyImages();
}

void TCustomListView::Notification(TComponent* c, TOperation op) {
  TCustomListControl::Notification(c, op);
  if (op != opRemove) return;
  if (c == FLargeImages) SetLargeImages(nullptr);
  if (c == FSmallImages) SetSmallImages(nullptr);
}

int TCustomListView::HoverTime() {
  return HandleAllocated() ? (int)SendMessageA(FHandle, LVM_GETHOVERTIME, 0, 0) : FHoverTime;
}

void TCustomListView::SetHoverTime(int ms) {
  FHoverTime = ms;
  if (HandleAllocated()) SendMessageA(FHandle, LVM_SETHOVERTIME, 0, ms);
}

TListItem* TCustomListView::GetNextItem(TListItem* start, TSearchDirection direction,
                                        TItemStates states) const {
  HWND w = ListWindow();
  if (!w) return nullptr;
  int from = start ? start->Index() : -1;
  return ItemFromIndex((int)SendMessageA(w, LVM_GETNEXTITEM, from, direction | states));
}

TListItem* TCustomListView::Selected() const { return GetNextItem(nullptr, sdAll, isSelected); }

void TCustomListView::SetSelected(TListItem* item) {
  ClearSelection();
  if (item) item->SetSelected(true);
}

int TCustomListView::ItemIndex() const {
  TListItem* item = Selected();
  return item ? item->Index() : -1;
}

void TCustomListView::SetItemIndex(int i) {
  if (i < 0) ClearSelection();
  else FItems->Item(i)->SetSelected(true);
}

TListItem* TCustomListView::ItemFocused() const { return GetNextItem(nullptr, sdAll, isFocused); }

void TCustomListView::SetItemFocused(TListItem* item) {
  if (item) item->SetFocused(true);
  else if (TListItem* f = ItemFocused()) f->SetFocused(false);
}

int TCustomListView::SelCount() const {
  HWND w = ListWindow();
  return w ? (int)SendMessageA(w, LVM_GETSELECTEDCOUNT, 0, 0) : 0;
}

void TCustomListView::SetAllStates(UINT mask, bool on) {
  HWND w = ListWindow();
  if (!w) return;
  LVITEMA it{};
  it.stateMask = mask;
  it.state = on ? mask : 0;
  SendMessageA(w, LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)&it);
}

TListItem* TCustomListView::GetItemAt(int x, int y) const {
  HWND w = ListWindow();
  if (!w) return nullptr;
  LVHITTESTINFO hit{};
  hit.pt = {x, y};
  int i = (int)SendMessageA(w, LVM_HITTEST, 0, (LPARAM)&hit);
  return (hit.flags & LVHT_ONITEM) ? ItemFromIndex(i) : nullptr;
}

TListItem* TCustomListView::TopItem() const {
  HWND w = ListWindow();
  return w ? ItemFromIndex((int)SendMessageA(w, LVM_GETTOPINDEX, 0, 0)) : nullptr;
}

int TCustomListView::VisibleRowCount() const {
  HWND w = ListWindow();
  return w ? (int)SendMessageA(w, LVM_GETCOUNTPERPAGE, 0, 0) : 0;
}

void TCustomListView::Scroll(int dx, int dy) {
  if (HWND w = ListWindow()) SendMessageA(w, LVM_SCROLL, dx, dy);
}

namespace {

// A sort's comparison runs inside the platform's LVM_SORTITEMS, which an exception must not
// cross: the first one is kept, the rest of the sort compares nothing, and the sort raises it
// once the platform has returned.
struct GuardedSort {
  PFNLVCOMPARE compare;
  LPARAM data;
  std::exception_ptr error;
};

int CALLBACK CompareGuarded(LPARAM a, LPARAM b, LPARAM sort) {
  auto* guarded = reinterpret_cast<GuardedSort*>(sort);
  if (guarded->error) return 0;
  try {
    return guarded->compare(a, b, guarded->data);
  } catch (...) {
    guarded->error = std::current_exception();
    return 0;
  }
}

}  // namespace

bool TCustomListView::CustomSort(PFNLVCOMPARE compare, LPARAM data) {
  HWND w = ListWindow();
  if (!w) return false;
  GuardedSort sort{compare, data, nullptr};
  const bool sorted = SendMessageA(w, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&sort),
                                   reinterpret_cast<LPARAM>(CompareGuarded)) != 0;
  if (sort.error) std::rethrow_exception(sort.error);
  return sorted;
}

namespace {

int CALLBACK CompareByEvent(LPARAM a, LPARAM b, LPARAM self) {
  auto* list = reinterpret_cast<TCustomListView*>(self);
  int compare = 0;
  list->OnCompare(list, reinterpret_cast<TListItem*>(a), reinterpret_cast<TListItem*>(b), 0, compare);
  return compare;
}

}  // namespace

bool TCustomListView::AlphaSort() {
  return OnCompare && CustomSort(CompareByEvent, reinterpret_cast<LPARAM>(this));
}

bool TCustomListView::IsEditing() const {
  HWND w = ListWindow();
  return w && SendMessageA(w, LVM_GETEDITCONTROL, 0, 0) != 0;
}

void TCustomListView::SetHeaderBitmap(int column, HBITMAP bitmap) {
  HWND header = HeaderWindow();
  if (!header) return;
  HDITEMA item{};
  item.mask = HDI_FORMAT;
  if (!SendMessageA(header, HDM_GETITEMA, column, (LPARAM)&item)) return;
  item.mask = HDI_FORMAT | HDI_BITMAP;
  item.fmt = bitmap ? item.fmt | HDF_BITMAP | HDF_BITMAP_ON_RIGHT : item.fmt & ~(HDF_BITMAP | HDF_BITMAP_ON_RIGHT);
  item.hbm = bitmap;
  SendMessageA(header, HDM_SETITEMA, column, (LPARAM)&item);
}

bool TListItem::EditCaption() {
  HWND w = ListWindow();
  if (!w) return false;
  SetFocus(w);
  return SendMessageA(w, LVM_EDITLABELA, Index(), 0) != 0;
}

bool TCustomListView::CanEdit(TListItem* item) {
  if (FReadOnly) return false;
  bool allow = true;
  if (OnEditing) OnEditing(this, item, allow);
  return allow;
}

void TCustomListView::Edit(TListItem* item, std::string text) {
  if (OnEdited) OnEdited(this, item, text);
  item->SetCaption(text);
}

void TCustomListView::Clear() { FItems->Clear(); }

HWND TCustomListView::HeaderWindow() const {
  HWND w = ListWindow();
  return w ? (HWND)SendMessageA(w, LVM_GETHEADER, 0, 0) : nullptr;
}

std::vector<int> TCustomListView::ColumnOrder() const {
  std::vector<int> order(FColumns->Count());
  for (int i = 0; i < (int)order.size(); ++i) order[i] = i;
  if (HWND w = ListWindow(); w && !order.empty())
    SendMessageA(w, LVM_GETCOLUMNORDERARRAY, order.size(), (LPARAM)order.data());
  return order;
}

void TCustomListView::ColClick(TListColumn* column) {
  if (OnColumnClick) OnColumnClick(this, column);
}

void TCustomListView::Change(TListItem* item, TItemChange change) {
  if (OnChange) OnChange(this, item, change);
}

void TCustomListView::SelectItem(TListItem* item, bool selected) {
  if (OnSelectItem) OnSelectItem(this, item, selected);
}

LRESULT TCustomListView::CustomDraw(NMLVCUSTOMDRAW& cd) {
  if (!OnCustomDrawItem && !OnCustomDrawSubItem) return CDRF_DODEFAULT;
  DWORD stage = cd.nmcd.dwDrawStage;
  if (stage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  bool subItem = stage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM);
  if (stage != CDDS_ITEMPREPAINT && !subItem) return CDRF_DODEFAULT;
  auto* item = reinterpret_cast<TListItem*>(cd.nmcd.lItemlParam);
  TCustomDrawState state = CustomDrawState(cd.nmcd.uItemState);
  bool defaultDraw = true;
  FDrawCanvas.SetHandle(cd.nmcd.hdc);
  FDrawCanvas.SetFont(Font());
  FDrawCanvas.Brush()->SetColor(Color());
  if (subItem && OnCustomDrawSubItem) OnCustomDrawSubItem(this, item, cd.iSubItem, state, defaultDraw);
  if (!subItem && OnCustomDrawItem) OnCustomDrawItem(this, item, state, defaultDraw);
  FDrawCanvas.SetHandle(nullptr);
  if (!defaultDraw) return CDRF_SKIPDEFAULT;
  // The platform draws the row or cell with the colours and font the handler left.
  cd.clrText = ColorRef(FDrawCanvas.Font()->Color());
  cd.clrTextBk = ColorRef(FDrawCanvas.Brush()->Color());
  SelectObject(cd.nmcd.hdc, FDrawCanvas.Font()->Handle());
  return CDRF_NEWFONT | (!subItem && OnCustomDrawSubItem ? CDRF_NOTIFYSUBITEMDRAW : 0);
}

bool TCustomListView::HandleNotify(NMHDR& hdr, LRESULT& result) {
  if (FDestroyingWindow) return false;
  switch (hdr.code) {
    case LVN_GETDISPINFOA: {
      LVITEMA& it = reinterpret_cast<NMLVDISPINFOA&>(hdr).item;
      TListItem* item = ItemFromIndex(it.iItem);
      if (item && (it.mask & LVIF_TEXT) && it.pszText && it.cchTextMax > 0) {
        int sub = it.iSubItem;
        std::string text = sub == 0 ? item->FCaption
                           : sub <= item->FSubItems->Count() ? item->FSubItems->Get(sub - 1) : "";
        lstrcpynA(it.pszText, text.c_str(), it.cchTextMax);
      }
      return true;
    }
    case LVN_ITEMCHANGED: {
      auto& nm = reinterpret_cast<NMLISTVIEW&>(hdr);
      TListItem* item = ItemFromIndex(nm.iItem);
      if (nm.uChanged & LVIF_TEXT) Change(item, ctText);
      if (nm.uChanged & LVIF_IMAGE) Change(item, ctImage);
      if (nm.uChanged & LVIF_STATE) {
        Change(item, ctState);
        if ((nm.uOldState ^ nm.uNewState) & LVIS_SELECTED)
          SelectItem(item, (nm.uNewState & LVIS_SELECTED) != 0);
      }
      return true;
    }
    case LVN_COLUMNCLICK: {
      int column = reinterpret_cast<NMLISTVIEW&>(hdr).iSubItem;
      if (column >= 0 && column < FColumns->Count()) ColClick(FColumns->Items(column));
      return true;
    }
    case LVN_BEGINLABELEDITA: {
      TListItem* item = ItemFromIndex(reinterpret_cast<NMLVDISPINFOA&>(hdr).item.iItem);
      result = !item || !CanEdit(item);
      return true;
    }
    case LVN_ENDLABELEDITA: {
      LVITEMA& it = reinterpret_cast<NMLVDISPINFOA&>(hdr).item;
      if (TListItem* item = ItemFromIndex(it.iItem); item && it.pszText) Edit(item, it.pszText);
      result = FALSE;   // the text stays the item's, asked for by callback
      return true;
    }
    case LVN_BEGINDRAG:
      // The platform has seen the mouse move far enough with the button down.
      if (DragMode() == dmAutomatic) BeginDrag(true);
      return true;
    case NM_CLICK:
      Click();
      return true;
    case NM_DBLCLK:
      DblClick();
      return true;
    case NM_CUSTOMDRAW:
      result = CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(hdr));
      return true;
  }
  return false;
}

void TCustomListView::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY) {
    LRESULT result = 0;
    if (HandleNotify(*reinterpret_cast<NMHDR*>(m.LParam), result)) {
      m.Result = result;
      return;
    }
  }
  TCustomListControl::WndProc(m);
}
