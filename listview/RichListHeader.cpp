// TRichListView's owner-drawn column header: its setters, drawing an item, formatting the
// items, and the header's notifications turned into events.
#include "listview/RichListV.h"

#include "framework/Forms.h"
#include "listview/HTMLDraw.h"

namespace {
// Keeps a guard flag set for a scope.
class FlagScope {
public:
  explicit FlagScope(bool& flag) : FFlag(flag) { FFlag = true; }
  ~FlagScope() { FFlag = false; }
private:
  bool& FFlag;
};

listview::TRect CoreRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT PlatformRect(const listview::TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

UINT AlignFlag(listview::TextAlign a) {
  return a == listview::TextAlign::Right ? DT_RIGHT : a == listview::TextAlign::Center ? DT_CENTER : DT_LEFT;
}

// Header items drawn on the canvas of the item's device context.
class HeaderItemCanvas : public listview::HeaderCanvas {
public:
  HeaderItemCanvas(TCanvas* canvas, TImageList* images, TBitmap* up, TBitmap* down, TImageList* markupImages,
                   TColor linkColor)
      : FCanvas(canvas), FImages(images), FUp(up), FDown(down), FMarkupImages(markupImages),
        FLinkColor(linkColor) {}
  void Fill(const listview::TRect& r, TColor color) override {
    FCanvas->Brush()->SetColor(color);
    FCanvas->FillRect(PlatformRect(r));
  }
  void Line(int x1, int y1, int x2, int y2, TColor color) override {
    FCanvas->Pen()->SetColor(color);
    FCanvas->Pen()->SetWidth(1);
    FCanvas->MoveTo(x1, y1);
    FCanvas->LineTo(x2, y2);
  }
  void HeaderImage(int index, int x, int y) override { FImages->Draw(FCanvas, x, y, index); }
  void SortGlyph(bool up, int x, int y) override {
    for (TBitmap* glyph : {FUp, FDown}) {
      glyph->SetTransparentMode(tmAuto);
      glyph->SetTransparent(true);
    }
    FCanvas->Draw(x, y, up ? FUp : FDown);
  }
  int Caption(const std::string& text, listview::CaptionKind kind, listview::TextAlign align,
              const listview::TRect& r) override {
    RECT rect = PlatformRect(r);
    // Measuring selects the canvas's font into the item's device context.
    const int width = FCanvas->TextWidth(text);
    HDC dc = FCanvas->Handle();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorRef(FCanvas->Font()->Color()));
    switch (kind) {
      case listview::CaptionKind::Markup: {
        std::string anchor, plain;
        int laidWidth = 0, laidHeight = 0;
        DrawHTML(FCanvas, text, rect, FMarkupImages, 0, 0, false, false, false, false, true, 1.0, FLinkColor,
                 anchor, plain, laidWidth, laidHeight);
        return laidWidth;
      }
      case listview::CaptionKind::MultiLine:
        DrawTextA(dc, text.c_str(), -1, &rect, AlignFlag(align));
        return width;
      case listview::CaptionKind::SingleLine:
        DrawTextExA(dc, const_cast<char*>(text.c_str()), -1, &rect,
                    AlignFlag(align) | DT_SINGLELINE | DT_END_ELLIPSIS, nullptr);
        return width;
    }
    return width;
  }

private:
  TCanvas* FCanvas;
  TImageList* FImages;
  TBitmap *FUp, *FDown;
  TImageList* FMarkupImages;
  TColor FLinkColor;
};

listview::TextAlign CoreAlign(TAlignment a) {
  return a == taRightJustify ? listview::TextAlign::Right
         : a == taCenter     ? listview::TextAlign::Center
                             : listview::TextAlign::Left;
}

}  // namespace

// The list may make its header anew (a change of view does): each header gets the subclass
// when it first asks for an item to be drawn, and paints once more with it.
void TRichListView::SubclassHeader(HWND header) {
  if (FHeaderStrip && FHeaderStrip->Header() == header) return;
  FHeaderStrip = std::make_unique<THeaderStrip>(header, [this](HWND h) { RefillHeaderStrip(h); });
  InvalidateRect(header, nullptr, FALSE);
}

void TRichListView::RefillHeaderStrip(HWND header) {
  if (!FHeaderOwnerDraw || FHeaderColor == clNone || Columns()->Count() == 0) return;
  RECT item{};
  if (!SendMessageA(header, HDM_GETITEMRECT, ColumnOrder().back(), (LPARAM)&item)) return;
  const RECT strip = PlatformRect(listview::TrailingHeaderStrip(CoreRect(item), Width()));
  HDC dc = GetDC(header);
  HBRUSH brush = CreateSolidBrush(ColorRef(FHeaderColor));
  FillRect(dc, &strip, brush);
  DeleteObject(brush);
  ReleaseDC(header, dc);
}

listview::HeaderLook TRichListView::HeaderLookNow() {
  listview::HeaderLook look;
  look.ColumnCount = Columns()->Count();
  const std::vector<int> order = ColumnOrder();
  look.RightmostItem = order.empty() ? -1 : order.back();
  look.Color = FHeaderColor;
  look.ControlWidth = Width();
  look.HeaderHeight = FHeaderHeight;
  look.HeaderImages = FHeaderImages != nullptr;
  look.HeaderImageHeight = FHeaderImages ? FHeaderImages->Height() : 0;
  look.SortShow = FSortShow;
  look.SortColumn = FSortColumn;
  look.SortIndicator = FSortIndicator;
  look.SortDirection = FSortDirection;
  look.SortGlyphs = !FSortDownGlyph->Empty() && !FSortUpGlyph->Empty();
  look.SortGlyphHeight = FSortDownGlyph->Height();
  return look;
}

void TRichListView::DrawHeaderItem(const DRAWITEMSTRUCT& d) {
  FollowHeaderWindow(d.hwndItem);
  SubclassHeader(d.hwndItem);
  const int id = (int)d.itemID;
  if (id >= Columns()->Count()) return;
  const TListColumn* c = Columns()->Items(id);
  FItemCanvas->SetHandle(d.hDC);
  FItemCanvas->SetFont(FHeaderFont.get());
  HeaderItemCanvas canvas(FItemCanvas.get(), FHeaderImages, FSortUpGlyph.get(), FSortDownGlyph.get(),
                          SmallImages(), FURLColor);
  listview::DrawHeaderItem(canvas, HeaderLookNow(), id, {c->Caption(), CoreAlign(c->Alignment()), c->ImageIndex()},
                           CoreRect(d.rcItem));
  FItemCanvas->SetHandle(nullptr);
}

void TRichListView::FormatHeaderItem(int index) {
  HWND header = HeaderWindow();
  if (!header || index < 0 || index >= Columns()->Count()) return;
  HDITEMA item{};
  item.mask = HDI_FORMAT;
  SendMessageA(header, HDM_GETITEMA, index, (LPARAM)&item);
  const int format =
      listview::HeaderItemFormat(item.fmt, FHeaderOwnerDraw, FHeaderImages != nullptr, FSortShow, index == FSortColumn);
  // Setting a format notifies HDN_ITEMCHANGED, which formats again: only a change is set.
  if (format == item.fmt) return;
  item.fmt = format;
  SendMessageA(header, HDM_SETITEMA, index, (LPARAM)&item);
}

void TRichListView::FormatHeaderItems() {
  for (int i = 0; i < Columns()->Count(); ++i) FormatHeaderItem(i);
}

// The platform resets an item's owner-drawn format when its column changes; the first column
// may have made the header.
void TRichListView::ColumnChanged(int index) {
  FollowHeaderWindow(HeaderWindow());
  FormatHeaderItem(index);
}

void TRichListView::SetColumnFormatFromAlignment(int index) {
  if (index >= Columns()->Count() || !ListWindow()) return;
  static const int formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
  LVCOLUMNA c{};
  c.mask = LVCF_FMT;
  c.fmt = formats[Columns()->Items(index)->Alignment()];
  SendMessageA(Handle(), LVM_SETCOLUMNA, index, (LPARAM)&c);
  FormatHeaderItem(index);
}

void TRichListView::SetHeaderStyleBit(DWORD bit, bool on) {
  if (HWND header = HeaderWindow()) SetWindowStyleBit(header, bit, on);
}

// The list makes its header with the platform's look (button edges, the list's font); a header
// new to us gets our settings. Our header is the one last given them.
void TRichListView::FollowHeaderWindow(HWND header) {
  if (!header || header == FSetHeader) return;
  FSetHeader = header;
  SetWindowStyleBit(header, HDS_BUTTONS, !FHeaderFlatStyle);
  SetWindowStyleBit(header, HDS_HOTTRACK, FHeaderHotTrack);
  SetWindowStyleBit(header, HDS_FILTERBAR, FFilterBar);
  SendMessageA(header, HDM_SETIMAGELIST, 0, (LPARAM)(FHeaderImages ? FHeaderImages->Handle() : nullptr));
  ApplyHeaderWindowFont();
}

// An owner-drawn header takes its height from its font; another shows HeaderFont.
void TRichListView::ApplyHeaderWindowFont() {
  if (FHeaderOwnerDraw) ApplyHeaderHeight();
  else ApplyHeaderFont();
}

void TRichListView::SetHeaderColor(TColor c) {
  FHeaderColor = c;
  if (HWND header = HeaderWindow()) InvalidateRect(header, nullptr, TRUE);
}

void TRichListView::SetHeaderHotTrack(bool v) {
  SetHeaderStyleBit(HDS_HOTTRACK, v);
  FHeaderHotTrack = v;
}

void TRichListView::SetHeaderDragDrop(bool v) {
  if (v == FHeaderDragDrop) return;
  if (HWND w = ListWindow())
    SendMessageA(w, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_HEADERDRAGDROP, v ? LVS_EX_HEADERDRAGDROP : 0);
  FHeaderDragDrop = v;
}

void TRichListView::SetHeaderFlatStyle(bool v) {
  SetHeaderStyleBit(HDS_BUTTONS, !v);
  FHeaderFlatStyle = v;
}

void TRichListView::SetHeaderOwnerDraw(bool v) {
  if (FHeaderUpdating) return;
  if (!v && FHeaderOwnerDraw) {
    FHeaderOwnerDraw = false;
    ApplyHeaderFont();
    return;
  }
  FlagScope updating(FHeaderUpdating);
  FHeaderOwnerDraw = v;
  HWND header = HeaderWindow();
  if (!header) return;
  bool changed = false;
  for (int i = 0; i < Columns()->Count(); ++i) {
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    SendMessageA(header, HDM_GETITEMA, i, (LPARAM)&item);
    changed = changed || item.fmt != listview::kHdfOwnerDraw;
    item.fmt = v ? listview::kHdfOwnerDraw : listview::kHdfString;
    SendMessageA(header, HDM_SETITEMA, i, (LPARAM)&item);
  }
  if (!v) {
    SendMessageA(header, WM_SETFONT, (WPARAM)FHeaderFont->Handle(), TRUE);
  } else if (changed) {
    // The list lays its header out again.
    MoveWindow(header, 0, 0, 0, 0, TRUE);
    ApplyHeaderHeight();
  }
}

void TRichListView::SetHeaderHeight(int h) {
  FHeaderHeight = h;
  if (!FHeaderOwnerDraw) return;
  ApplyHeaderHeight();
  if (HWND header = HeaderWindow()) InvalidateRect(header, nullptr, TRUE);
}

// The header takes its height from its font; HeaderFont only draws the captions.
void TRichListView::ApplyHeaderHeight() {
  HWND header = HeaderWindow();
  if (!FHeaderOwnerDraw || !header) return;
  FHeaderHeightFont->SetHeight(FHeaderHeight);
  if (FHeaderHeight > 13) {
    // A themed header keeps its own height; the classic look honours the font.
    if (HMODULE uxtheme = LoadLibraryA("UXTHEME.DLL")) {
      using SetWindowThemeProc = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
      if (auto set = (SetWindowThemeProc)(void*)GetProcAddress(uxtheme, "SetWindowTheme")) set(header, L"", L"");
      FreeLibrary(uxtheme);
    }
  }
  SendMessageA(header, WM_SETFONT, (WPARAM)FHeaderHeightFont->Handle(), TRUE);
  NudgeHeight();
  Repaint();
}

void TRichListView::ApplyHeaderFont() {
  HWND header = FHeaderOwnerDraw ? nullptr : HeaderWindow();
  if (!header) return;
  SendMessageA(header, WM_SETFONT, (WPARAM)FHeaderFont->Handle(), TRUE);
  MoveWindow(header, 0, 0, 0, 0, TRUE);
  SetWidth(Width() + 1);
  SetWidth(Width() - 1);
}

void TRichListView::SetHeaderImages(TImageList* images) {
  if (FHeaderImages) FHeaderImages->RemoveFreeNotification(this);
  FHeaderImages = images;
  if (images) images->FreeNotification(this);
  if (HWND header = HeaderWindow())
    SendMessageA(header, HDM_SETIMAGELIST, 0, (LPARAM)(images ? images->Handle() : nullptr));
}

void TRichListView::SetFilterBar(bool v) {
  if (v == FFilterBar) return;
  FFilterBar = v;
  if (!IsLoading()) ApplyFilterBar();
}

void TRichListView::ApplyFilterBar() {
  HWND header = HeaderWindow();
  if (!header) return;
  SetWindowStyleBit(header, HDS_FILTERBAR, FFilterBar);
  InvalidateRect(header, nullptr, TRUE);
  Items()->BeginUpdate();
  SetItemHeight(FItemHeight + 1);
  SetItemHeight(FItemHeight - 1);
  Items()->EndUpdate();
}

void TRichListView::SetFilterTimeOut(int ms) {
  FFilterTimeOut = ms;
  if (HWND header = HeaderWindow()) SendMessageA(header, HDM_SETFILTERCHANGETIMEOUT, 0, ms);
}

// Before the framework: column-track events (a refused track goes no further) and right clicks.
bool TRichListView::HeaderNotifyBefore(NMHDR& hdr, LRESULT& result) {
  const int item = reinterpret_cast<NMHEADERA&>(hdr).iItem;
  switch (listview::HeaderNoticeOf(hdr.code)) {
    case listview::HeaderNotice::EndTrack:
      if (OnEndColumnTrack) {
        FColumnTracking = false;
        OnEndColumnTrack(this, item);
      }
      return false;
    case listview::HeaderNotice::BeginTrack: {
      if (!OnStartColumnTrack) return false;
      bool allow = true;
      OnStartColumnTrack(this, item, allow);
      result = allow ? 0 : 1;
      return !allow;
    }
    case listview::HeaderNotice::RightClick: {
      POINT p{};
      GetCursorPos(&p);
      ::ScreenToClient(hdr.hwndFrom, &p);
      // The header moves with the list's sideways scrolling: its client point is the item's.
      HDHITTESTINFO hit{};
      hit.pt = p;
      SendMessageA(hdr.hwndFrom, HDM_HITTEST, 0, (LPARAM)&hit);
      if (OnColumnRClick) OnColumnRClick(this, hit.iItem);
      return false;
    }
    default:
      return false;
  }
}

// After the framework: the formats and the sort mark follow tracking and item changes.
void TRichListView::HeaderNotifyAfter(NMHDR& hdr) {
  const int item = reinterpret_cast<NMHEADERA&>(hdr).iItem;
  switch (listview::HeaderNoticeOf(hdr.code)) {
    case listview::HeaderNotice::BeginTrack:
      FColumnTracking = true;
      return;
    case listview::HeaderNotice::EndTrack: {
      FColumnTracking = false;
      ShowSortMark(FSortColumn);
      SetHeaderOwnerDraw(FHeaderOwnerDraw);
      const int k = item;
      if (FSortColumn != -2 && k - 1 == FSortColumn) ShowSortMark(k);
      else SetColumnFormatFromAlignment(k);
      if (OnColumnSized) OnColumnSized(this, k);
      SetHeaderOwnerDraw(FHeaderOwnerDraw);
      ShowSortMark(FSortColumn);
      SetColumnFormatFromAlignment(k);
      return;
    }
    case listview::HeaderNotice::ItemChanged:
      if (FColumnTracking) return;
      [[fallthrough]];
    case listview::HeaderNotice::DividerDblClick: {
      FlagScope tracking(FColumnTracking);
      FormatHeaderItems();
      if (FDetailView->Visible()) Invalidate();
      ShowSortMark(FSortColumn);
      return;
    }
    case listview::HeaderNotice::FilterChange:
      if (OnFilterChange) OnFilterChange(this, item);
      return;
    case listview::HeaderNotice::FilterBtnClick:
      if (OnFilterBtnClick) OnFilterBtnClick(this, item);
      return;
    default:
      return;
  }
}
