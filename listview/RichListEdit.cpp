// TRichListView's reactions to the user beyond the framework's list: the current cell, cell
// editing in place, cell and check-box clicks, links and mark-up anchors, dragging rows to a
// new place, the keyboard's clipboard and cell keys, and hints.
#include "listview/RichListV.h"

#include <shellapi.h>

#include "framework/Forms.h"
#include "framework/RichEdit.h"
#include "listview/HTMLDraw.h"
#include "listview/HTMLGDI.h"
#include "listview/RichListUtil.h"
#include "listview/core/HTMLDrawText.h"
#include "listview/core/RowText.h"

namespace {
bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// A canvas on a device context of a window for as long as the scope lasts.
class WindowDCScope {
public:
  WindowDCScope(TCanvas* canvas, HWND wnd) : FCanvas(canvas), FWnd(wnd), FDC(GetDC(wnd)) { canvas->SetHandle(FDC); }
  ~WindowDCScope() {
    FCanvas->SetHandle(nullptr);
    ReleaseDC(FWnd, FDC);
  }
private:
  TCanvas* FCanvas;
  HWND FWnd;
  HDC FDC;
};

std::string ClipboardText() {
  std::string text;
  if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT))
    if (const char* p = static_cast<const char*>(GlobalLock(data))) {
      text = p;
      GlobalUnlock(data);
    }
  CloseClipboard();
  return text;
}

void SetClipboardText(HWND owner, const std::string& text) {
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!data) return;
  memcpy(GlobalLock(data), text.c_str(), text.size() + 1);
  GlobalUnlock(data);
  if (!OpenClipboard(owner)) {
    GlobalFree(data);
    return;
  }
  EmptyClipboard();
  if (!SetClipboardData(CF_TEXT, data)) GlobalFree(data);
  CloseClipboard();
}

listview::TRowCells CellsOf(TListItem* item) {
  listview::TRowCells cells{item->Caption()};
  for (int i = 0; i < item->SubItems()->Count(); ++i) cells.push_back(item->SubItems()->Get(i));
  return cells;
}
}  // namespace

// ---------------------------------------------------------------------------------------------
// Cells

bool TRichListView::GetCellAt(int x, int y, int& column, int& row) {
  if (!HandleAllocated()) return false;
  LVHITTESTINFO hit{};
  hit.pt = {x, y};
  SendMessageA(Handle(), LVM_SUBITEMHITTEST, 0, (LPARAM)&hit);
  if (hit.iItem < 0) return false;
  row = hit.iItem;
  column = hit.iSubItem > 0 ? hit.iSubItem : 0;
  return true;
}

std::string TRichListView::GetCellTextAt(int x, int y) {
  int column = 0, row = 0;
  if (!GetCellAt(x, y, column, row)) return "";
  return ItemCell(row, column - 1);
}

TRect TRichListView::GetCellRect(int row, int column) {
  RECT r{};
  r.top = column;
  r.left = LVIR_LABEL;
  if (HandleAllocated()) SendMessageA(Handle(), LVM_GETSUBITEMRECT, row, (LPARAM)&r);
  return r;
}

std::string TRichListView::GetCellText(int column, int row) {
  if (row < 0) return column >= 0 && column < Columns()->Count() ? Columns()->Items(column)->Caption() : "";
  return ItemCell(row, column - 1);
}

void TRichListView::SetCellText(int column, int row, const std::string& text) {
  if (column >= Columns()->Count() || row < 0 || row >= Items()->Count()) return;
  TListItem* item = Items()->Item(row);
  if (column <= 0) {
    item->SetCaption(text);
    return;
  }
  for (int n = listview::SubItemsToPad(item->SubItems()->Count(), column); n > 0; --n) item->SubItems()->Add("");
  item->SubItems()->Put(column - 1, text);
}

int TRichListView::ReselectFocused() {
  int last = 0;
  for (TListItem* item = GetNextItem(nullptr, sdAll, isFocused); item; item = GetNextItem(item, sdAll, isFocused)) {
    item->SetSelected(false);
    item->SetSelected(true);
    last = item->Index();
  }
  return last;
}

// ---------------------------------------------------------------------------------------------
// Editing

void TRichListView::BeginCellEdit(LRESULT& result) {
  bool allow = true;
  if (OnCanEditCell) OnCanEditCell(this, FEditRow, FEditCol, allow);
  if (!allow) {
    result = 1;
    return;
  }
  HWND edit = (HWND)SendMessageA(Handle(), LVM_GETEDITCONTROL, 0, 0);
  if (!edit) return;
  SetWindowLongA(edit, GWL_STYLE, GetWindowLongA(edit, GWL_STYLE) | ES_MULTILINE);
  EditPin.OldProc = (WNDPROC)SetWindowLongPtrA(edit, GWLP_WNDPROC, (LONG_PTR)EditPinWndProc);
  const bool images = SmallImages() != nullptr;
  const int image = FEditRow < Items()->Count() ? Items()->Item(FEditRow)->ImageIndex() : -1;
  const TRect cell = GetCellRect(FEditRow, FEditCol);
  const listview::TRect pinned = listview::EditorRect({cell.left, cell.top, cell.right, cell.bottom}, FEditCol, images,
                                                      image, images ? SmallImages()->Width() : 0);
  EditPin.Rect = {pinned.Left, pinned.Top, pinned.Right, pinned.Bottom};
  SetWindowPos(edit, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowTextA(edit, GetCellText(FEditCol, FEditRow).c_str());
  FEditOrgCaption = GetCellText(0, FEditRow);
  FEditing = true;
}

// A cancelled edit (Escape, or the editor lost without a text) changes nothing.
void TRichListView::EndCellEdit(const NMLVDISPINFOA& info) {
  HWND edit = (HWND)SendMessageA(Handle(), LVM_GETEDITCONTROL, 0, 0);
  std::string text;
  if (edit && info.item.pszText) {
    char buffer[1025] = {};
    GetWindowTextA(edit, buffer, sizeof buffer);
    text = buffer;
  }
  if (edit && EditPin.OldProc) SetWindowLongPtrA(edit, GWLP_WNDPROC, (LONG_PTR)EditPin.OldProc);
  EditPin.OldProc = nullptr;
  FEditing = false;
  if (!info.item.pszText || FEditRow >= Items()->Count()) return;
  if (OnEdited) OnEdited(this, Items()->Item(FEditRow), text);
  SetCellText(FEditCol, FEditRow, text);
  if (FEditCol > 0) SetCellText(0, FEditRow, FEditOrgCaption);
}

// Before and after the framework's handling of the list's notifications; true when the
// framework must not see it.
bool TRichListView::ListNotify(TMessage& m) {
  NMHDR& hdr = *reinterpret_cast<NMHDR*>(m.LParam);
  if (hdr.code == LVN_ENDLABELEDITA && FSubItemEdit) {
    if (FEditing) EndCellEdit(reinterpret_cast<NMLVDISPINFOA&>(hdr));
    m.Result = 0;
    return true;
  }
  TListView::WndProc(m);
  switch (hdr.code) {
    case NM_CLICK:
    case NM_RCLICK: {
      const auto& nm = reinterpret_cast<NMITEMACTIVATE&>(hdr);
      if (hdr.code == NM_CLICK) LeftClickCell(nm.iItem, nm.iSubItem);
      else RightClickCell(nm.iItem, nm.iSubItem);
      break;
    }
    case LVN_ITEMCHANGED: {
      const auto& nm = reinterpret_cast<NMLISTVIEW&>(hdr);
      if (nm.uNewState & LVIS_SELECTED) ItemSelected(nm.iItem);
      break;
    }
    case LVN_BEGINLABELEDITA:
      // An edit the framework refused (ReadOnly, OnEditing) does not open.
      if (FSubItemEdit && m.Result == 0) BeginCellEdit(m.Result);
      break;
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// Mouse

void TRichListView::LeftButtonDown(TMessage& m) {
  const int x = (short)LOWORD(m.LParam), y = (short)HIWORD(m.LParam);
  int column = 0, row = 0;
  const bool hit = GetCellAt(x, y, column, row);
  if (!FEditing && !hit) {
    TListView::WndProc(m);
    return;
  }
  if (!FEditing) FEditCol = column, FEditRow = row;
  const bool rowExists = FEditRow >= 0 && FEditRow < Items()->Count();
  const bool wasChecked = rowExists && Items()->Item(FEditRow)->Checked();
  if (FReArrangeItems) FDragItem = FEditRow;
  if (!FSubItemEdit && !FSubItemSelect) FEditCol = 0;
  if (Checkboxes() && x <= 14 && OwnerDraw() && rowExists) {
    TListItem* item = Items()->Item(FEditRow);
    item->SetChecked(!wasChecked);
    if (OnCheckboxClick) OnCheckboxClick(this, FEditRow, item->Checked());
    m.Result = 0;
    return;
  }
  TListView::WndProc(m);
  if (FEditRow >= 0 && FEditRow < Items()->Count() && Items()->Item(FEditRow)->Checked() != wasChecked &&
      OnCheckboxClick)
    OnCheckboxClick(this, FEditRow, Items()->Item(FEditRow)->Checked());
  GetCellAt(x, y, FEditCol, FEditRow);
  if (FSubItemEdit || FSubItemSelect) ReselectFocused();
}

// The mark-up link under (x, y) of the cell's text laid out in r; empty when none.
std::string TRichListView::MarkupLinkAt(const std::string& text, const TRect& r, int x, int y) {
  WindowDCScope dc(FItemCanvas.get(), Handle());
  FItemCanvas->SetFont(Font());
  THTMLGDICanvas gdi(FItemCanvas.get());
  THTMLGDIImages images(FItemCanvas.get(), SmallImages(), FPictureContainer, &FPictureCache);
  listview::THTMLDrawParams params;
  params.Text = text;
  params.Rect = {r.left, r.top, r.right, r.bottom};
  params.Images = &images;
  params.HitX = x;
  params.HitY = y;
  params.HitTestOnly = true;
  params.AnchorColor = FURLColor;
  params.WordWrap = true;
  listview::THTMLDrawOutput output;
  return listview::DrawHTMLText(gdi, params, output) ? output.HitAnchor : "";
}

void TRichListView::OpenLink(int row, const std::string& link) {
  bool handled = false;
  if (OnURLClick) OnURLClick(this, row, link, handled);
  if (!handled && listview::OpensWithShell(link))
    ShellExecuteA(Application->Handle(), "open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TRichListView::LeftButtonUp(TMessage& m) {
  TListView::WndProc(m);
  const int x = (short)LOWORD(m.LParam), y = (short)HIWORD(m.LParam);
  int column = 0, row = -1;
  const bool hit = GetCellAt(x, y, column, row);
  if (FDragItem != -1) {
    MoveRow(FDragItem, hit ? row : -1);
    FDragItem = -1;
  }
  const std::string text = GetCellTextAt(x, y);
  if (hit && Contains(text, "</")) {
    TRect r = GetCellRect(row, column);
    r.left += 2;
    const std::string link = MarkupLinkAt(text, r, x, y);
    if (Contains(link, "://")) OpenLink(row, link);
    else if (!link.empty() && OnAnchorClick) OnAnchorClick(this, link);
  }
  if (FURLShow && (!Checkboxes() || x > 14) && listview::IsLinkText(text)) OpenLink(FEditRow, text);
}

void TRichListView::MouseMove(TShiftState shift, int x, int y) {
  const std::string text = GetCellTextAt(x, y);
  int column = -1, row = -1;
  GetCellAt(x, y, column, row);
  bool overLink = false;
  if (FURLShow && FDragItem == -1 && listview::IsLinkText(text) && (!Checkboxes() || x > 16)) {
    overLink = true;
    SetCursor(crURLcursor);
  }
  if (Contains(text, "</")) {
    TRect r = GetCellRect(row, column);
    r.left += 2 + (column > 0 && GetSubItemImage(row, column - 1) >= 0 ? 16 : 0);
    const std::string link = MarkupLinkAt(text, r, x, y);
    if (!link.empty()) {
      overLink = true;
      SetCursor(crURLcursor);
      if (!FAnchorActive && link != FLastAnchor) {
        if (OnAnchorEnter) OnAnchorEnter(this, link);
        FLastAnchor = link;
        FAnchorActive = true;
      }
    }
  }
  if (FAnchorActive && !overLink) {
    if (OnAnchorExit) OnAnchorExit(this, FLastAnchor);
    FLastAnchor.clear();
    FAnchorActive = false;
  }
  if (FDragItem != -1) {
    SetCursor(crDrag);
    overLink = true;
  }
  if (!overLink && Cursor() != FOrgCursor) SetCursor(FOrgCursor);
  if (FHintCol >= 0 && FHintRow >= 0 && (column != FHintCol || row != FHintRow)) {
    Application->CancelHint();
    FHintCol = FHintRow = -1;
  }
  TListView::MouseMove(shift, x, y);
}

// ---------------------------------------------------------------------------------------------
// Rows

void TRichListView::MoveRow(int from, int to) {
  const auto target = listview::MovedRowIndex(from, to, Items()->Count());
  if (!target) return;
  const bool checkboxes = Checkboxes();
  TListItem* source = Items()->Item(from);
  const bool selected = source->Selected();
  source->SetSelected(false);
  const listview::TRowCells cells = CellsOf(source);
  const int image = source->ImageIndex();
  void* data = source->Data();
  const bool checked = source->Checked();
  Items()->Delete(from);
  TListItem* item = to == -1 ? Items()->Add() : Items()->Insert(*target);
  item->SetCaption(cells[0]);
  for (std::size_t i = 1; i < cells.size(); ++i) item->SubItems()->Add(cells[i]);
  item->SetImageIndex(image);
  item->SetData(data);
  item->SetChecked(checked);
  item->SetSelected(selected);
  item->SetFocused(true);
  SetCheckboxes(checkboxes);
}

void TRichListView::DeleteSelectedRows() {
  for (int i = Items()->Count() - 1; i >= 0; --i)
    if (Items()->Item(i)->Selected()) Items()->Delete(i);
}

// ---------------------------------------------------------------------------------------------
// Clipboard

void TRichListView::CopySelectionToClipboard(bool selectedOnly) {
  TListItem* selected = Selected();
  if ((FSubItemSelect || FSubItemEdit) && selected)
    SetClipboardText(Handle(), ItemCell(selected->Index(), FEditCol - 1));
  else
    CopyRowsToClipboard(selectedOnly);
}

void TRichListView::CopyRowsToClipboard(bool selectedOnly) {
  std::vector<listview::TRowCells> rows;
  for (int i = 0; i < Items()->Count(); ++i)
    if (!selectedOnly || Items()->Item(i)->Selected()) rows.push_back(CellsOf(Items()->Item(i)));
  SetClipboardText(Handle(), listview::RowsToText(rows));
}

// Whole rows go, in cell mode too: the clipboard gets all of what is deleted.
void TRichListView::CutToClipboard() {
  CopyRowsToClipboard(true);
  DeleteSelectedRows();
}

void TRichListView::PasteFromClipboard() {
  if (!IsClipboardFormatAvailable(CF_TEXT)) return;
  const std::string text = ClipboardText();
  if (FSubItemSelect || FSubItemEdit) {
    if (TListItem* selected = Selected()) SetCellText(std::max(FEditCol, 0), selected->Index(), text);
    return;
  }
  TListItem* last = nullptr;
  for (const listview::TRowCells& cells : listview::RowsOfText(text)) {
    while ((int)cells.size() > Columns()->Count()) Columns()->Add();
    last = Items()->Add();
    last->SetImageIndex(-1);
    last->SetCaption(cells[0]);
    for (std::size_t i = 1; i < cells.size(); ++i) last->SubItems()->Add(cells[i]);
    last->SetSelected(true);
  }
  if (!last) return;
  Scroll(0, 65535);
  last->SetFocused(true);
}

// ---------------------------------------------------------------------------------------------
// Keys

bool TRichListView::KeyDownHandled(WORD key) {
  if (FSubItemEdit || FSubItemSelect) {
    if (key == VK_LEFT) FEditCol = listview::MovedCurrentColumn(FEditCol, -1, Columns()->Count());
    if (key == VK_RIGHT) FEditCol = listview::MovedCurrentColumn(FEditCol, 1, Columns()->Count());
    if (key == VK_SPACE || key == VK_LEFT || key == VK_RIGHT || key == VK_F2) {
      const int i = ReselectFocused();
      if ((key == VK_SPACE || key == VK_F2) && FSubItemEdit) {
        FEditRow = i;
        SendMessageA(Handle(), LVM_EDITLABELA, i, 0);
      }
    }
  }
  // Without a current row there is nothing to toggle.
  if (key == VK_SPACE && Checkboxes() && !FSubItemEdit && OnCheckboxClick && ItemIndex() >= 0)
    OnCheckboxClick(this, ItemIndex(), !Items()->Item(ItemIndex())->Checked());
  if (!FClipboardEnable) return false;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
  if ((ctrl && key == 'X') || (shift && key == VK_DELETE)) CutToClipboard();
  else if ((ctrl && key == 'V') || (shift && key == VK_INSERT)) PasteFromClipboard();
  else if (ctrl && (key == 'C' || key == VK_INSERT)) CopySelectionToClipboard(true);
  else return false;
  return true;
}

// ---------------------------------------------------------------------------------------------
// Hints

void TRichListView::GetHintText(std::string& hint, bool& canShow, THintInfo& info) {
  if (info.HintControl != this || !FAutoHint) return;
  std::string text = GetCellTextAt(info.CursorPos.x, info.CursorPos.y);
  if (text.empty()) return;
  int column = -1, row = -1;
  if (GetCellAt(info.CursorPos.x, info.CursorPos.y, column, row)) {
    TRect r = GetCellRect(row, column);
    POINT corner{column == 0 ? 0 : r.left, r.top};
    ::ClientToScreen(Handle(), &corner);
    info.HintPos = TPoint(corner.x, corner.y);
  }
  FHintCol = column;
  FHintRow = row;
  WindowDCScope dc(FItemCanvas.get(), Handle());
  FItemCanvas->SetFont(Font());
  DrawItemProp(row, column, 0, FItemCanvas->Brush(), FItemCanvas->Font(), text);
  if (text.compare(0, 2, "{\\") == 0) {
    LoadRTFCell(row, column - 1, GetRichEdit());
    text = GetRichEdit()->PlainText();
  }
  if (Contains(text, "</") && !FHTMLHint) {
    std::string anchor;
    int width = 0, height = 0;
    DrawHTML(FItemCanvas.get(), text, TRect(0, 0, 1000, 1000), SmallImages(), 0, 0, false, true, false, false,
             true, 1.0, FURLColor, anchor, text, width, height);
  }
  if (column >= 0 && column < Columns()->Count())
    canShow = listview::CellHintShows(Columns()->Items(column)->Width(), FItemCanvas->TextWidth(text));
  hint = text;
}

void TRichListView::ScrollHintMessage(WPARAM w) {
  if (LOWORD(w) == SB_ENDSCROLL) {
    FScrollHintWindow->ReleaseHandle();
    return;
  }
  if (LOWORD(w) != SB_THUMBTRACK) return;
  const auto row = listview::ScrollHintRow(HIWORD(w), Items()->Count());
  if (!row) return;
  const std::string text = Items()->Item(*row)->Caption();
  TRect r = FScrollHintWindow->CalcHintRect(100, text);
  FScrollHintWindow->SetColor(Application->HintColor());
  POINT cursor{};
  GetCursorPos(&cursor);
  OffsetRect(&r, cursor.x + 10, cursor.y);
  FScrollHintWindow->ActivateHint(r, text);
}
