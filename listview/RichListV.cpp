// TRichListView's life: construction, loading, window creation and destruction, row height,
// wallpaper, the scroll timer, column stretching and saving. The header is RichListHeader.cpp.
#include "listview/RichListV.h"

#include "framework/Forms.h"
#include "framework/IniFiles.h"
#include "listview/RichListUtil.h"
#include "listview/core/ColumnSizing.h"
#include "listview/core/PictureSources.h"

namespace {
constexpr UINT_PTR kScrollTimer = 1222;
}

TRichListView::TRichListView(TComponent* AOwner) : TListView(AOwner) {
  FItemCanvas.reset(new TCanvas);
  FPlainFont.reset(new TFont);
  FPrintSettings.reset(new TPrintsettings);
  FHTMLSettings.reset(new THTMLSettings);
  FDetailView.reset(new TDetails(this));
  FProgressSettings.reset(new TProgressSettings);
  FWallpaper.reset(new TBitmap);
  FColumnSize.reset(new TColumnSize(this));
  FScrollHintWindow = new THintWindow(this);
  for (auto* glyph : {&FSortUpGlyph, &FSortDownGlyph, &FCheckTrueGlyph, &FCheckFalseGlyph})
    glyph->reset(new TBitmap);
  FHeaderFont.reset(new TFont);
  FHeaderHeightFont.reset(new TFont);
  FWallpaper->OnChange = [this](TObject*) { ApplyBackground(); };
  FHeaderFont->OnChange = [this](TObject*) { ApplyHeaderFont(); };
  if (HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(crURLcursor)))
    Screen->SetCursors(crURLcursor, hand);
  FComCtlVersion = ComCtlVersion("comctl32.dll");
}

TRichListView::~TRichListView() {
  // The widths are saved while the columns still know them; a store that cannot be written is
  // reported and the list goes all the same.
  try {
    SaveColumnSizes();
  } catch (const std::exception&) {
    Application->HandleException(this);
  }
}

unsigned TRichListView::GetVersionNr() { return listview::PackVersion(1, 6, 2, 2); }
std::string TRichListView::Version() const {
  return listview::VersionText(const_cast<TRichListView*>(this)->GetVersionNr());
}
std::string TRichListView::GetVersionString() { return Version() + " Apr, 2006"; }

void TRichListView::InvalidateIfShown() {
  if (HandleAllocated()) Invalidate();
}

// The list control asks for its row height again when its height changes.
void TRichListView::NudgeHeight() {
  SetHeight(Height() + 1);
  SetHeight(Height() - 1);
}

void TRichListView::Loaded() {
  TListView::Loaded();
  FOrgCursor = Cursor();
  NudgeHeight();
  SetViewStyle(vsReport);
  ApplyBackground();
  SetHeaderHeight(FHeaderHeight);
  const bool ownerDraw = FHeaderOwnerDraw;
  SetHeaderOwnerDraw(true);
  SetColumnFormatFromAlignment(0);
  SetHeaderOwnerDraw(ownerDraw);
  FormatHeaderItems();
}

void TRichListView::CreateWnd() {
  TListView::CreateWnd();
  // The framework sets the list's extended styles from its own; these are ours.
  SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_SUBITEMIMAGES | LVS_EX_HEADERDRAGDROP,
               (FSubImages ? LVS_EX_SUBITEMIMAGES : 0) | (FHeaderDragDrop ? LVS_EX_HEADERDRAGDROP : 0));
  FHoverTime = (int)SendMessageA(Handle(), LVM_GETHOVERTIME, 0, 0);
  FFilterTimeOut = 500;
  FollowHeaderWindow(HeaderWindow());
  if (FTimerID == -1 && SetTimer(Handle(), kScrollTimer, 300, nullptr)) FTimerID = (int)kScrollTimer;
  SetItemHeight(FItemHeight + 1);
  SetItemHeight(FItemHeight - 1);
}

void TRichListView::KillScrollTimer() {
  if (FTimerID != -1) KillTimer(Handle(), kScrollTimer);
  FTimerID = -1;
}

void TRichListView::DestroyWnd() {
  KillScrollTimer();
  FSetHeader = nullptr;
  TListView::DestroyWnd();
}

void TRichListView::Clear() {
  Items()->Clear();
  Columns()->Clear();
}

int TRichListView::HoverTime() { return FHoverTime; }

void TRichListView::SetHoverTime(int ms) {
  if (ms == FHoverTime) return;
  FHoverTime = ms;
  TListView::SetHoverTime(ms);
}

void TRichListView::SetItemHeight(int h) {
  if (h <= 0 || h == FItemHeight) return;
  FItemHeight = h;
  NudgeHeight();
}

void TRichListView::SetSubImages(bool v) {
  if (v == FSubImages) return;
  if (HWND w = ListWindow())
    SendMessageA(w, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_SUBITEMIMAGES, v ? LVS_EX_SUBITEMIMAGES : 0);
  FSubImages = v;
}

void TRichListView::SetStretchColumn(bool v) {
  FColumnSize->SetStretch(v);
  FStretchColumn = v;
}

void TRichListView::SetPictureContainer(TPictureContainer* c) {
  if (FPictureContainer) FPictureContainer->RemoveFreeNotification(this);
  FPictureContainer = c;
  if (c) c->FreeNotification(this);
  InvalidateIfShown();
}

void TRichListView::Notification(TComponent* c, TOperation op) {
  if (op == opRemove && c == FHeaderImages) FHeaderImages = nullptr;
  if (op == opRemove && c == FPictureContainer) FPictureContainer = nullptr;
  TListView::Notification(c, op);
}

// With no wallpaper the list shows its colour; with one, text goes without a background over
// the picture tiled by the control's brush. The platform's list never erases with that brush:
// erasing the background is ours while there is a wallpaper (EraseWallpaper).
void TRichListView::ApplyBackground() {
  Brush()->SetBitmap(nullptr);
  const bool plain = FWallpaper->Empty();
  if (plain) Brush()->SetColor(Color());
  else Brush()->SetBitmap(FWallpaper.get());
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), LVM_SETTEXTBKCOLOR, 0, plain ? ColorRef(Color()) : CLR_NONE);
  Invalidate();
}

bool TRichListView::EraseWallpaper(HDC dc) {
  if (FWallpaper->Empty()) return false;
  RECT client{};
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, Brush()->Handle());
  return true;
}

void TRichListView::StretchLastColumn() {
  const int count = Columns()->Count();
  if (count == 0 || !FColumnSize->Stretch) return;
  std::vector<int> widths;
  for (int i = 0; i < count; ++i) widths.push_back(Columns()->Items(i)->Width());
  if (auto last = listview::StretchedLastColumnWidth(widths, ClientWidth()))
    Columns()->Items(count - 1)->SetWidth(*last);
}

void TRichListView::SaveColumnSizes() {
  if (!FColumnSize->Saves((ComponentState() & csDesigning) != 0)) return;
  std::unique_ptr<TCustomIniFile> store;
  if (FColumnSize->Storage == stRegistry) store = std::make_unique<TRegistryIniFile>(FColumnSize->Key);
  else store = std::make_unique<TIniFile>(FColumnSize->Key);
  std::vector<int> widths;
  for (int i = 0; i < Columns()->Count(); ++i) widths.push_back(Columns()->Items(i)->Width());
  for (const auto& [name, width] : listview::SavedColumnWidths(widths))
    store->WriteInteger(FColumnSize->Section, name, width);
}

void TRichListView::ScrollTimer() {
  if (FDragItem == -1) return;
  POINT p{};
  GetCursorPos(&p);
  ::ScreenToClient(Handle(), &p);
  RECT client{}, header{};
  GetClientRect(Handle(), &client);
  GetWindowRect(HeaderWindow(), &header);
  const int lines = listview::DragScrollLines(p.y, client.top, client.bottom, FItemHeight,
                                              header.bottom - header.top);
  if (lines) SendMessageA(Handle(), WM_VSCROLL, lines < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
}

void TRichListView::LeftClickCell(int item, int subItem) {
  if (OnLeftClickCell) OnLeftClickCell(this, item, subItem);
}

void TRichListView::RightClickCell(int item, int subItem) {
  if (OnRightClickCell) OnRightClickCell(this, item, subItem);
}

void TRichListView::DrawItemProp(int item, int subItem, TOwnerDrawState state, TBrush* brush, TFont* font,
                                 const std::string& text) {
  if (OnDrawItemProp) OnDrawItemProp(this, item, subItem, state, brush, font, text);
}

void TRichListView::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_DRAWITEM:
      if (reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->CtlType == ODT_HEADER) {
        DrawHeaderItem(*reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam));
        m.Result = 1;
        return;
      }
      break;
    case WM_NOTIFY: {
      NMHDR& hdr = *reinterpret_cast<NMHDR*>(m.LParam);
      if (hdr.hwndFrom != HeaderWindow()) break;
      if (HeaderNotifyBefore(hdr, m.Result)) return;
      TListView::WndProc(m);
      HeaderNotifyAfter(hdr);
      return;
    }
    case WM_PAINT:
      if (FColumnSize->Stretch) StretchLastColumn();
      break;
    case WM_ERASEBKGND:
      if (EraseWallpaper((HDC)m.WParam)) {
        m.Result = 1;
        return;
      }
      break;
    case WM_TIMER:
      if (FTimerID != -1 && m.WParam == (WPARAM)FTimerID) {
        ScrollTimer();
        m.Result = 0;
        return;
      }
      break;
    case WM_DESTROY:
      KillScrollTimer();
      FreeRichEdit();
      break;
    case CN_DRAWITEM:
      CellDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam));
      m.Result = 1;
      return;
    case CN_NOTIFY:
      if (ListNotify(m)) return;
      break;
    case WM_LBUTTONDOWN:
      LeftButtonDown(m);
      return;
    case WM_LBUTTONUP:
      LeftButtonUp(m);
      return;
    case CM_MOUSELEAVE:
      TListView::WndProc(m);
      FDragItem = -1;
      return;
    case CM_HINTSHOW: {
      TListView::WndProc(m);
      bool canShow = true;
      auto& info = *reinterpret_cast<THintInfo*>(m.LParam);
      GetHintText(info.HintStr, canShow, info);
      m.Result = canShow ? 0 : 1;
      return;
    }
    case WM_KEYDOWN:
      if (KeyDownHandled((WORD)m.WParam)) return;
      break;
    case WM_SIZE: {
      const int sorted = FSortColumn;
      TListView::WndProc(m);
      ShowSortMark(sorted);
      StretchLastColumn();
      return;
    }
    case WM_SETFONT:
      // The platform's list hands its font on to its header, whose font is ours.
      TListView::WndProc(m);
      if (FSetHeader) ApplyHeaderWindowFont();
      return;
    case CN_MEASUREITEM:
      TListView::WndProc(m);
      if (FItemHeight > 0) reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->itemHeight = FItemHeight;
      return;
  }
  TListView::WndProc(m);
  if (m.Msg == WM_VSCROLL && !FWallpaper->Empty() && FWallpaper->Height() != FItemHeight)
    InvalidateRect(Handle(), nullptr, TRUE);
  if (m.Msg == WM_VSCROLL && FScrollHint) ScrollHintMessage(m.WParam);
}
