// TRichListView's owner-drawn rows: each cell drawn by its kind (rich text, progress, mark-up,
// link, plain) with check box, images, selection colours and focus, and the detail line.
#include "listview/RichListV.h"

#include <sstream>

#include "framework/RichEdit.h"
#include "listview/HTMLGDI.h"
#include "listview/RichListUtil.h"
#include "listview/core/HTMLDrawText.h"
#include "listview/core/ProgressCell.h"

namespace {
RECT PlatformRect(const listview::TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
listview::TRect CoreRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

listview::TextAlign CoreAlign(TAlignment a) {
  return a == taRightJustify ? listview::TextAlign::Right
         : a == taCenter     ? listview::TextAlign::Center
                             : listview::TextAlign::Left;
}

// Saves the canvas's font and brush and puts them back at the end of a cell.
class ToolsScope {
public:
  explicit ToolsScope(TCanvas* canvas) : FCanvas(canvas) {
    FFont.Assign(canvas->Font());
    FBrush.Assign(canvas->Brush());
  }
  ~ToolsScope() {
    FCanvas->SetFont(&FFont);
    FCanvas->SetBrush(&FBrush);
  }
private:
  TCanvas* FCanvas;
  TFont FFont;
  TBrush FBrush;
};
}  // namespace

// The rich edit that renders rich-text cells: one of the platform's, adding nothing.
class TRichTextEdit : public TRichEdit {
public:
  using TRichEdit::TRichEdit;
};

void TRichListView::SetVAlignment(TVAlignment v) {
  FVAlignment = v;
  FVAlignFlag = (int)listview::VAlignFlag(v);
  InvalidateIfShown();
}

TRichEdit* TRichListView::GetRichEdit() {
  if (!FRichEdit) {
    FRichEdit = new TRichTextEdit(this);
    FRichEdit->SetVisible(false);
    FRichEdit->SetBorderStyle(bsNone);
    FRichEdit->SetBounds(0, 0, 0, 0);
    FRichEdit->SetParent(this);
  }
  return FRichEdit;
}

void TRichListView::FreeRichEdit() {
  TObject::FreeAndNil(FRichEdit);
}

std::string TRichListView::ItemCell(int item, int subItem) {
  if (item < 0 || item >= Items()->Count()) return "";
  TListItem* it = Items()->Item(item);
  if (subItem < 0) return it->Caption();
  return subItem < it->SubItems()->Count() ? it->SubItems()->Get(subItem) : "";
}

void TRichListView::LoadRTFCell(int item, int subItem, TRichEdit* edit) {
  const std::string text = ItemCell(item, subItem);
  if (text.empty()) {
    edit->Clear();
    return;
  }
  std::istringstream stream(text);
  edit->LoadFromStream(stream, true);
}

void TRichListView::DrawRTFCell(int item, int subItem, const TRect& r, TCanvas* canvas) {
  TRichEdit* edit = GetRichEdit();
  LoadRTFCell(item, subItem, edit);
  const bool selected = item < Items()->Count() && Items()->Item(item)->Selected();
  if (selected && !FSelectionRTFKeep && canvas == FItemCanvas.get()) {
    edit->SetTextColor(255, FSelectionTextColor);
    edit->SetBackgroundColor(FSelectionColor);
  } else {
    edit->SetBackgroundColor(Color());
  }
  HDC dc = canvas->Handle();
  POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
  LPtoDP(dc, corners, 2);
  const int logx = GetDeviceCaps(dc, LOGPIXELSX), logy = GetDeviceCaps(dc, LOGPIXELSY);
  POINT two[2] = {{0, 0}, {2, 0}};
  DPtoLP(dc, two, 2);
  const int off = logx * (two[1].x - two[0].x) / 96;
  RECT twips;
  twips.left = MulDiv(corners[0].x + off, 1440, logx);
  twips.top = MulDiv(corners[0].y + off, 1440, logy);
  twips.right = twips.left + MulDiv(corners[1].x - corners[0].x, 1440, logx);
  twips.bottom = twips.top + MulDiv(corners[1].y - corners[0].y, 1440, logy);
  const int mapping = SetMapMode(dc, MM_TEXT);
  edit->RenderTo(dc, twips);
  SetMapMode(dc, mapping);
}

int TRichListView::GetSubItemImage(int item, int subItem) {
  if (!FSubImages || !HandleAllocated()) return -1;
  LVITEMA it{};
  it.mask = LVIF_IMAGE;
  it.iItem = item;
  it.iSubItem = subItem + 1;
  return SendMessageA(Handle(), LVM_GETITEMA, 0, (LPARAM)&it) ? it.iImage : -1;
}

int TRichListView::GetItemIndent(int item) {
  if (!HandleAllocated()) return 0;
  LVITEMA it{};
  it.mask = LVIF_INDENT;
  it.iItem = item;
  return SendMessageA(Handle(), LVM_GETITEMA, 0, (LPARAM)&it) ? it.iIndent : 0;
}

void TRichListView::DrawMarkup(TCanvas* canvas, const std::string& text, const TRect& r) {
  THTMLGDICanvas gdi(canvas);
  THTMLGDIImages images(canvas, SmallImages(), FPictureContainer, &FPictureCache);
  listview::THTMLDrawParams params;
  params.Text = text;
  params.Rect = CoreRect(r);
  params.Images = &images;
  params.AnchorColor = FURLColor;
  params.WordWrap = true;
  listview::THTMLDrawOutput output;
  listview::DrawHTMLText(gdi, params, output);
}

void TRichListView::CellDrawItem(const DRAWITEMSTRUCT& d) {
  FItemCanvas->SetHandle(d.hDC);
  FItemCanvas->SetFont(Font());
  FItemCanvas->SetBrush(Brush());
  const int row = (int)d.itemID;
  if (row >= 0 && (d.itemState & ODS_SELECTED)) {
    FItemCanvas->Brush()->SetColor(FSelectionColor);
    FItemCanvas->Font()->SetColor(FSelectionTextColor);
  }
  if (row >= 0) DrawItem(row, d.rcItem, d.itemState);
  else FItemCanvas->FillRect(d.rcItem);
  FItemCanvas->SetHandle(nullptr);
}

void TRichListView::DrawItem(int index, const TRect& rowRect, TOwnerDrawState state) {
  if (index >= Items()->Count()) return;
  TCanvas* canvas = FItemCanvas.get();
  TListItem* item = Items()->Item(index);
  if (SmallImages()) SmallImages()->SetDrawingStyle(dsTransparent);
  const std::vector<int> order = ColumnOrder();
  const int columns = (int)order.size();
  TRect r = rowRect;
  if (GridLines()) InflateRect(&r, -1, -1);
  const TRect r0 = r;
  const bool selected = (state & ODS_SELECTED) != 0;
  const bool cellSelection = FSubItemSelect || FSubItemEdit;
  const int editPosition = FEditCol >= 0 && FEditCol < columns ? order[FEditCol] : 0;
  if (FDetailView->Visible()) r.bottom = r.top + FItemHeight - FDetailView->Height();
  int left = r.left;
  for (int k = 0; k < columns; ++k) {
    ToolsScope tools(canvas);
    const int s = order[k] - 1;
    const int width = (int)SendMessageA(Handle(), LVM_GETCOLUMNWIDTH, order[k], 0);
    std::string text = s < item->SubItems()->Count() ? ItemCell(index, s) : "";
    canvas->SetFont(Font());
    canvas->Brush()->SetColor(Color());
    DrawItemProp(index, s, state, canvas->Brush(), canvas->Font(), text);
    const bool drawnSelected = listview::CellDrawnSelected(selected, cellSelection, RowSelect(), k, editPosition);
    if (drawnSelected) {
      canvas->Brush()->SetBitmap(nullptr);   // the wallpaper's pattern would fill the cell
      canvas->Brush()->SetColor(FSelectionColor);
      canvas->Font()->SetColor(FSelectionTextColor);
    }
    if (FURLShow && (!selected || !RowSelect()) && listview::IsLinkText(text)) {
      canvas->Font()->SetStyle(canvas->Font()->Style() | fsUnderline);
      canvas->Font()->SetColor(selected ? FSelectionTextColor : FURLColor);
    }
    const listview::TCellKind kind = listview::CellKindOf(text, FURLShow);
    text = listview::ShownCellText(text, FURLShow, FURLFull);
    const TRect cell(left, r.top, left + width, r.bottom);
    left += width;
    canvas->Pen()->SetColor(canvas->Brush()->Color());
    const bool transparent = !FWallpaper->Empty() && !drawnSelected;
    if (!transparent)
      canvas->Rectangle(cell.left, r0.top, GridLines() ? cell.right - 1 : cell.right, r0.bottom);
    listview::TCellLayoutInput in;
    in.Cell = CoreRect(cell);
    in.CheckBox = k == 0 && Checkboxes();
    if (!FCheckTrueGlyph->Empty() && !FCheckFalseGlyph->Empty()) {
      in.GlyphWidth = FCheckTrueGlyph->Width();
      in.GlyphHeight = FCheckTrueGlyph->Height();
    }
    const int image = !SmallImages() || s >= item->SubItems()->Count() ? -1
                      : s < 0                                          ? item->ImageIndex()
                                                                       : GetSubItemImage(index, s);
    in.Image = image >= 0 && image < 65535;
    if (in.Image) {
      in.ImageWidth = SmallImages()->Width();
      in.ImageHeight = SmallImages()->Height();
    }
    in.Indent = k == 0 ? GetItemIndent(index) : 0;
    in.VAlign = FVAlignment;
    const listview::TCellLayout place = listview::LayOutCell(in);
    if (in.CheckBox) DrawCheckBox(canvas, PlatformRect(place.CheckBox), item->Checked(), in.GlyphWidth > 0);
    if (in.Image) SmallImages()->Draw(canvas, place.ImageX, place.ImageY, image, true);
    RECT content = PlatformRect(place.Content), textRect = PlatformRect(place.Text);
    switch (kind) {
      case listview::TCellKind::RichText:
        DrawRTFCell(index, s, content, canvas);
        break;
      case listview::TCellKind::Progress:
        DrawProgressCell(canvas, content, FProgressSettings->ColorFrom(), FProgressSettings->FontColorFrom(),
                         FProgressSettings->ColorTo(), FProgressSettings->FontColorTo(),
                         listview::ProgressPercentOf(text));
        break;
      case listview::TCellKind::Markup:
        textRect.left += 2;
        DrawMarkup(canvas, text, textRect);
        break;
      default: {
        if (transparent) canvas->Brush()->SetStyle(bsClear);
        const TListColumn* column = Columns()->Items(order[k]);
        canvas->DrawTextEx(text, textRect,
                           listview::CellTextFlags(text, FWordWrap, FVAlignment, CoreAlign(column->Alignment())), 2, 2);
      }
    }
  }
  if (FDetailView->Visible()) DrawDetailLine(index, state, r0, left);
  canvas->SetFont(FPlainFont.get());
  if ((state & ODS_FOCUS) && selected && Focused()) {
    RECT focus = r0;
    if (!RowSelect()) {
      int x = r0.left;
      for (int k = 0; k < editPosition && k < columns; ++k)
        x += (int)SendMessageA(Handle(), LVM_GETCOLUMNWIDTH, order[k], 0);
      focus.left = x;
      focus.right = x + (int)SendMessageA(Handle(), LVM_GETCOLUMNWIDTH, order[editPosition], 0);
    }
    DrawFocusRect(canvas->Handle(), &focus);
  }
  if (OnDrawItem) OnDrawItem(this, canvas, index, r0, state);
}

void TRichListView::DrawCheckBox(TCanvas* canvas, RECT box, bool checked, bool glyphs) {
  if (glyphs) {
    for (TBitmap* glyph : {FCheckTrueGlyph.get(), FCheckFalseGlyph.get()}) {
      glyph->SetTransparentMode(tmAuto);
      glyph->SetTransparent(true);
    }
    canvas->Draw(box.left, box.top, checked ? FCheckTrueGlyph.get() : FCheckFalseGlyph.get());
    return;
  }
  DrawFrameControl(canvas->Handle(), &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
}

void TRichListView::DrawDetailLine(int index, TOwnerDrawState state, const TRect& r0, int right) {
  TCanvas* canvas = FItemCanvas.get();
  canvas->SetFont(FDetailView->Font());
  if (state & ODS_SELECTED) canvas->Font()->SetColor(FSelectionTextColor);
  RECT d{r0.left, r0.top + FItemHeight - FDetailView->Height(), right, r0.bottom};
  if (FDetailView->SplitLine()) {
    canvas->Pen()->SetColor(0);
    canvas->MoveTo(d.left, d.top);
    canvas->LineTo(d.right, d.top);
    ++d.top;
  }
  d.left += FDetailView->Indent();
  const int column = FDetailView->Column();
  const std::string text = ItemCell(index, column - 1);
  canvas->Brush()->SetColor(Color());
  if (OnDrawDetailProp) OnDrawDetailProp(this, index, state, canvas->Brush(), canvas->Font(), text);
  if (canvas->Brush()->Color() != Color()) {
    canvas->Pen()->SetColor(canvas->Brush()->Color());
    canvas->Rectangle(d);
  }
  if (text.find("</") != std::string::npos) {
    DrawMarkup(canvas, text, d);
  } else if (text.compare(0, 2, "{\\") == 0) {
    DrawRTFCell(index, column - 1, d, canvas);
  } else {
    canvas->Brush()->SetStyle(bsClear);
    canvas->DrawTextEx(text, d, DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK);
  }
}
