#include "framework/Grids.h"

#include <algorithm>

#include "framework/ScrollBars.h"

// ---------------------------------------------------------------------------------------------
// In-place editors: children of the grid that report their changes and their loss of focus.

class TCustomGrid::TInplaceEdit : public TCustomEdit {
public:
  explicit TInplaceEdit(TCustomGrid* grid) : TCustomEdit(grid), FGrid(grid) {
    SetBorderStyle(bsNone);
    SetVisible(false);
    SetParent(grid);
    OnChange = [grid](TObject*) { grid->EditorChanged(); };
  }
  void WndProc(TMessage& m) override {
    // Up and down leave the single-line editor for the row above or below.
    if (m.Msg == WM_KEYDOWN && (m.WParam == VK_UP || m.WParam == VK_DOWN)) {
      FGrid->FocusCell(FGrid->Col(), FGrid->Row() + (m.WParam == VK_UP ? -1 : 1));
      return;
    }
    if (FGrid->ConfirmedByEnter(m)) return;
    TCustomEdit::WndProc(m);
    if (m.Msg == WM_KILLFOCUS) FGrid->EditorFocusLost((HWND)m.WParam);
  }
private:
  TCustomGrid* FGrid;
};

class TCustomGrid::TInplacePickList : public TCustomComboBox {
public:
  explicit TInplacePickList(TCustomGrid* grid) : TCustomComboBox(grid), FGrid(grid) {
    SetStyle(csDropDownList);
    SetVisible(false);
    SetParent(grid);
    OnChange = [grid](TObject*) { grid->EditorChanged(); };
  }
  void WndProc(TMessage& m) override {
    if (FGrid->ConfirmedByEnter(m)) return;
    TCustomComboBox::WndProc(m);
    if (m.Msg == WM_KILLFOCUS) FGrid->EditorFocusLost((HWND)m.WParam);
  }
  // The closed list fits the row.
  void FitHeight(int height) {
    SendMessageA(Handle(), CB_SETITEMHEIGHT, (WPARAM)-1, std::max(height - 6, 1));
  }
private:
  TCustomGrid* FGrid;
};

// ---------------------------------------------------------------------------------------------
// TCustomGrid

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = csCaptureMouse | csOpaque | csDoubleClicks | csClickEvents;
  FTabStop = true;
  SetColor(clWindow);
  FColWidths.assign(5, FDefaultColWidth);
  FRowHeights.assign(5, FDefaultRowHeight);
  SetBounds(0, 0, 320, 120);
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style |= WS_VSCROLL;
  if (FBorderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomGrid::SetBorderStyle(TBorderStyle s) {
  FBorderStyle = s;
  if (HandleAllocated()) RecreateWnd();
  LayoutChanged();
}

void TCustomGrid::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollBar();
}

void TCustomGrid::LayoutChanged() {
  FCol = std::min(std::max(FCol, FFixedCols), ColCount() - 1);
  FRow = std::min(std::max(FRow, FFixedRows), RowCount() - 1);
  FTopRow = std::min(std::max(FTopRow, FFixedRows), MaxTopRow());
  UpdateScrollBar();
  if (EditorMode()) ShowEditor();
  Invalidate();
}

void TCustomGrid::SetColCount(int n) {
  FColWidths.resize(std::max(n, 1), FDefaultColWidth);
  LayoutChanged();
}

void TCustomGrid::SetRowCount(int n) {
  FRowHeights.resize(std::max(n, 1), FDefaultRowHeight);
  LayoutChanged();
}

void TCustomGrid::SetFixedCols(int n) { FFixedCols = n; LayoutChanged(); }
void TCustomGrid::SetFixedRows(int n) {
  FFixedRows = n;
  FTopRow = n;   // the first row below the fixed ones shows
  LayoutChanged();
}

void TCustomGrid::SetDefaultColWidth(int w) {
  FDefaultColWidth = w;
  std::fill(FColWidths.begin(), FColWidths.end(), w);
  LayoutChanged();
}

void TCustomGrid::SetDefaultRowHeight(int h) {
  FDefaultRowHeight = h;
  std::fill(FRowHeights.begin(), FRowHeights.end(), h);
  LayoutChanged();
}

void TCustomGrid::SetColWidths(int c, int w) { FColWidths.at(c) = w; LayoutChanged(); }
void TCustomGrid::SetRowHeights(int r, int h) { FRowHeights.at(r) = h; LayoutChanged(); }

void TCustomGrid::SetOptions(TGridOptions o) {
  FOptions = o;
  if (o & goAlwaysShowEditor) FEditorWanted = true;
  if (!(o & goEditing)) HideEditor();
  Invalidate();
}

int TCustomGrid::MaxTopRow() const {
  // The highest top row that still fills the client area down to the last row.
  int room = ClientHeight();
  for (int r = 0; r < FFixedRows && r < RowCount(); ++r) room -= FRowHeights[r] + FGridLineWidth;
  int top = RowCount() - 1;
  room -= FRowHeights[top] + FGridLineWidth;
  while (top > FFixedRows && room >= FRowHeights[top - 1] + FGridLineWidth) {
    --top;
    room -= FRowHeights[top] + FGridLineWidth;
  }
  return std::max(top, FFixedRows);
}

int TCustomGrid::VisibleRowCount() const {
  int room = ClientHeight(), count = 0;
  for (int r = 0; r < FFixedRows && r < RowCount(); ++r) room -= FRowHeights[r] + FGridLineWidth;
  for (int r = FTopRow; r < RowCount() && room >= FRowHeights[r]; ++r, ++count)
    room -= FRowHeights[r] + FGridLineWidth;
  return count;
}

TRect TCustomGrid::CellRect(int c, int r) const {
  if (c < 0 || c >= ColCount() || r < 0 || r >= RowCount()) return TRect();
  if (r >= FFixedRows && r < FTopRow) return TRect();
  int x = 0, y = 0;
  for (int i = 0; i < c; ++i) x += FColWidths[i] + FGridLineWidth;
  for (int i = 0; i < std::min(r, FFixedRows); ++i) y += FRowHeights[i] + FGridLineWidth;
  for (int i = FTopRow; i < r; ++i) y += FRowHeights[i] + FGridLineWidth;
  return Bounds(x, y, FColWidths[c], FRowHeights[r]);
}

bool TCustomGrid::MouseToCell(int x, int y, int& c, int& r) const {
  c = r = -1;
  for (int i = 0, left = 0; i < ColCount(); left += FColWidths[i++] + FGridLineWidth)
    if (x >= left && x < left + FColWidths[i] + FGridLineWidth) { c = i; break; }
  int top = 0;
  auto hit = [&](int i) {
    bool in = y >= top && y < top + FRowHeights[i] + FGridLineWidth;
    top += FRowHeights[i] + FGridLineWidth;
    return in;
  };
  for (int i = 0; i < FFixedRows && i < RowCount() && r < 0; ++i)
    if (hit(i)) r = i;
  for (int i = FTopRow; i < RowCount() && r < 0; ++i)
    if (hit(i)) r = i;
  return c >= 0 && r >= 0;
}

void TCustomGrid::Paint() {
  TCanvas* canvas = Canvas();
  HDC dc = canvas->Handle();
  TRect client = ClientRect();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(client);
  bool focused = Focused() || (FActiveEditor && FActiveEditor->Focused());
  auto paintRow = [&](int r) {
    for (int c = 0; c < ColCount(); ++c) {
      TRect rect = CellRect(c, r);
      if (rect.left >= client.right) break;
      bool fixed = c < FFixedCols || r < FFixedRows;
      bool current = r == FRow && (c == FCol || (FOptions & goRowSelect));
      TGridDrawState state = 0;
      if (fixed) state |= gdFixed;
      if (current && !fixed) state |= gdSelected;
      if (current && !fixed && c == FCol && focused) state |= gdFocused;
      // Like the platform's lists: the focused cell keeps its colours unless rows are selected.
      bool highlight = (state & gdSelected) &&
                       (!(state & gdFocused) || (FOptions & (goDrawFocusSelected | goRowSelect)));
      canvas->SetFont(Font());
      canvas->Brush()->SetColor(fixed ? FFixedColor : highlight ? clHighlight : Color());
      if (highlight) canvas->Font()->SetColor(clHighlightText);
      if (FDefaultDrawing) canvas->FillRect(rect);
      DrawCell(c, r, rect, state);
      RECT line = rect;
      if (fixed && FDefaultDrawing) DrawEdge(dc, &line, BDR_RAISEDINNER, BF_RECT);
      if ((state & gdFocused) && !EditorMode() && FDefaultDrawing) DrawFocusRect(dc, &rect);
      // Grid lines on the right and bottom of the cell.
      bool vert = FOptions & (fixed ? goFixedVertLine : goVertLine);
      bool horz = FOptions & (fixed ? goFixedHorzLine : goHorzLine);
      canvas->Brush()->SetColor(clSilver);
      if (vert) canvas->FillRect(Rect(rect.right, rect.top, rect.right + FGridLineWidth, rect.bottom + FGridLineWidth));
      if (horz) canvas->FillRect(Rect(rect.left, rect.bottom, rect.right + FGridLineWidth, rect.bottom + FGridLineWidth));
    }
  };
  for (int r = 0; r < FFixedRows && r < RowCount(); ++r) paintRow(r);
  for (int r = FTopRow; r < RowCount() && CellRect(0, r).top < client.bottom; ++r) paintRow(r);
}

bool TCustomGrid::SelectCell(int ACol, int ARow) {
  bool can = true;
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
  return can;
}

void TCustomGrid::FocusCell(int c, int r) {
  if (c < FFixedCols || c >= ColCount() || r < FFixedRows || r >= RowCount()) return;
  if (c != FCol || r != FRow) {
    if (!SelectCell(c, r)) return;
    HideEditor();
    FCol = c;
    FRow = r;
    ScrollInView(r);
    Invalidate();
  }
  if (AlwaysShowEditor()) ShowEditor();
}

bool TCustomGrid::AlwaysShowEditor() const {
  return FEditorWanted && (FOptions & goEditing) && (FOptions & goAlwaysShowEditor);
}

void TCustomGrid::ScrollInView(int r) {
  if (r < FTopRow) SetTopRow(r);
  while (r >= FTopRow + std::max(VisibleRowCount(), 1) && FTopRow < MaxTopRow()) SetTopRow(FTopRow + 1);
}

void TCustomGrid::SetTopRow(int r) {
  r = std::min(std::max(r, FFixedRows), MaxTopRow());
  if (r == FTopRow) return;
  FTopRow = r;
  UpdateScrollBar();
  if (EditorMode()) ShowEditor();
  Invalidate();
}

void TCustomGrid::UpdateScrollBar() {
  if (HandleAllocated())
    SetVertScrollBar(FHandle, FFixedRows, RowCount() - 1, std::max(VisibleRowCount(), 1), FTopRow);
}

void TCustomGrid::Scroll(int code) {
  int page = std::max(VisibleRowCount(), 1);
  switch (code) {
    case SB_LINEUP: SetTopRow(FTopRow - 1); break;
    case SB_LINEDOWN: SetTopRow(FTopRow + 1); break;
    case SB_PAGEUP: SetTopRow(FTopRow - page); break;
    case SB_PAGEDOWN: SetTopRow(FTopRow + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: SetTopRow(ScrollTrackPosition(FHandle, SB_VERT)); break;
  }
}

bool TCustomGrid::CanEditShow() {
  return (FOptions & goEditing) && !(FOptions & goRowSelect) && FCol >= FFixedCols && FRow >= FFixedRows;
}

void TCustomGrid::SetEditorMode(bool v) {
  FEditorWanted = v;
  if (v) ShowEditor();
  else HideEditor();
}

void TCustomGrid::ShowEditor() {
  TRect rect = CellRect(FCol, FRow);
  if (!CanEditShow() || rect.IsEmpty()) {
    HideEditor();
    return;
  }
  bool hadFocus = Focused() || (FActiveEditor && FActiveEditor->Focused());
  TWinControl* editor;
  FLoadingEditor = true;
  std::string text = GetEditText(FCol, FRow);
  if (GetEditStyle(FCol, FRow) == esPickList) {
    if (!FPickList) FPickList = new TInplacePickList(this);
    FPickList->Items()->Clear();
    GetPickList(FCol, FRow, FPickList->Items());
    FPickList->SetItemIndex(FPickList->Items()->IndexOf(text));
    FPickList->FitHeight(rect.Height());
    editor = FPickList;
  } else {
    if (!FEdit) FEdit = new TInplaceEdit(this);
    FEdit->SetText(text);
    FEdit->SetReadOnly(!CanEditModify(FCol, FRow));
    editor = FEdit;
  }
  FLoadingEditor = false;
  if (FActiveEditor && FActiveEditor != editor) FActiveEditor->Hide();
  FActiveEditor = editor;
  editor->SetBounds(rect.left, rect.top, rect.Width(), rect.Height());
  editor->Show();
  if (hadFocus && editor->CanFocus()) editor->SetFocus();
}

void TCustomGrid::HideEditor() {
  if (!FActiveEditor) return;
  FinishEdit();
  TWinControl* editor = FActiveEditor;
  FActiveEditor = nullptr;
  if (editor->Focused() && CanFocus()) SetFocus();
  editor->Hide();
  Invalidate();
}

void TCustomGrid::EditorChanged() {
  if (FLoadingEditor || !FActiveEditor) return;
  std::string text;
  if (FActiveEditor == FPickList) {
    int i = FPickList->ItemIndex();
    text = i >= 0 ? FPickList->Items()->Get(i) : "";
  } else {
    text = FEdit->Text();
  }
  FEditModified = true;
  SetEditText(FCol, FRow, text);
}

void TCustomGrid::FinishEdit() {
  if (!FEditModified) return;
  FEditModified = false;
  EditDone(FCol, FRow);
}

// Enter in an in-place editor confirms its value as leaving the cell does, and the editor
// stays; the character it would type is swallowed (a single-line edit beeps at it).
bool TCustomGrid::ConfirmedByEnter(const TMessage& m) {
  if (m.Msg == WM_KEYDOWN && m.WParam == VK_RETURN) {
    FinishEdit();
    return true;
  }
  return m.Msg == WM_CHAR && m.WParam == '\r';
}

void TCustomGrid::EditorFocusLost(HWND newFocus) {
  bool inside = newFocus && (newFocus == FHandle || IsChild(FHandle, newFocus));
  if (!inside) FinishEdit();
  Invalidate();
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  int c, r;
  if (button == mbLeft) {
    if (CanFocus() && !Focused()) SetFocus();
    if (MouseToCell(x, y, c, r)) {
      if (c >= FFixedCols && r >= FFixedRows) FEditorWanted = true;   // a press on a cell edits it
      bool same = c == FCol && r == FRow;
      FocusCell(c, r);
      if (same && (FOptions & goEditing)) ShowEditor();
    }
  }
  // The handlers come last, so that they can undo what the press did (end the edit mode).
  TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::KeyDown(WORD& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  switch (key) {
    case VK_UP: FocusCell(FCol, FRow - 1); break;
    case VK_DOWN: FocusCell(FCol, FRow + 1); break;
    case VK_LEFT: FocusCell(FCol - 1, FRow); break;
    case VK_RIGHT: FocusCell(FCol + 1, FRow); break;
    case VK_PRIOR: FocusCell(FCol, std::max(FRow - VisibleRowCount(), FFixedRows)); break;
    case VK_NEXT: FocusCell(FCol, std::min(FRow + VisibleRowCount(), RowCount() - 1)); break;
    case VK_F2:
    case VK_RETURN: SetEditorMode(true); break;
    default: return;
  }
  key = 0;
}

void TCustomGrid::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_GETDLGCODE:
      m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case WM_VSCROLL:
      Scroll(m.WParamLo());
      m.Result = 0;
      return;
    case WM_SIZE:
      TCustomControl::WndProc(m);
      LayoutChanged();
      return;
    case WM_SETFOCUS:
      TCustomControl::WndProc(m);
      Invalidate();
      if (AlwaysShowEditor()) ShowEditor();
      return;
    case WM_KILLFOCUS:
      Invalidate();
      break;
  }
  TCustomControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------------
// TCustomDrawGrid and TStringGrid

void TCustomDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  // A copy runs, so that the handler may detach itself (and call DrawCell) while it runs.
  if (TDrawCellEvent handler = OnDrawCell) handler(this, ACol, ARow, ARect, AState);
}

void DrawCellText(TCanvas* canvas, const TRect& rect, const std::string& text) {
  canvas->TextRect(rect, rect.left + 2, rect.top + 2, text);
}

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {}

std::string TStringGrid::Cells(int c, int r) const {
  if (r < 0 || r >= (int)FCells.size() || c < 0 || c >= (int)FCells[r].size()) return "";
  return FCells[r][c];
}

void TStringGrid::SetCells(int c, int r, const std::string& s) {
  if (c < 0 || r < 0) return;
  if (r >= (int)FCells.size()) FCells.resize(r + 1);
  if (c >= (int)FCells[r].size()) FCells[r].resize(c + 1);
  FCells[r][c] = s;
  RECT rect = CellRect(c, r);
  if (HandleAllocated()) InvalidateRect(FHandle, &rect, FALSE);
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (DefaultDrawing()) DrawCellText(Canvas(), ARect, Cells(ACol, ARow));
  TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}
