#include "framework/ComCtrls.h"

#include <algorithm>

void InitCommonControlClass(DWORD icc) {
  INITCOMMONCONTROLSEX init{sizeof init, icc};
  InitCommonControlsEx(&init);
}

void SetWindowStyleBit(HWND wnd, DWORD bit, bool on) {
  if (!wnd) return;
  DWORD style = (DWORD)GetWindowLongA(wnd, GWL_STYLE);
  SetWindowLongA(wnd, GWL_STYLE, on ? style | bit : style & ~bit);
  SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

TCustomDrawState CustomDrawState(UINT itemState) {
  static const struct { UINT cdis; TCustomDrawState cds; } map[] = {
      {CDIS_SELECTED, cdsSelected}, {CDIS_GRAYED, cdsGrayed}, {CDIS_DISABLED, cdsDisabled},
      {CDIS_CHECKED, cdsChecked},   {CDIS_FOCUS, cdsFocused}, {CDIS_DEFAULT, cdsDefault},
      {CDIS_HOT, cdsHot},           {CDIS_MARKED, cdsMarked}, {CDIS_INDETERMINATE, cdsIndeterminate}};
  TCustomDrawState state = 0;
  for (const auto& m : map)
    if (itemState & m.cdis) state |= m.cds;
  return state;
}

// ---------------------------------------------------------------------------------------------
// TCustomTabControl

TCustomTabControl::TCustomTabControl(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = csAcceptsControls | csDoubleClicks;
  FTabStop = true;
  SetBounds(0, 0, 289, 193);
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
  InitCommonControlClass(ICC_TAB_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, WC_TABCONTROLA);
  params.Style |= WS_CLIPCHILDREN | TCS_TABS | (FTabWidth > 0 ? TCS_FIXEDWIDTH : 0);
  static const DWORD positionStyles[] = {0, TCS_BOTTOM, TCS_VERTICAL | TCS_MULTILINE,
                                         TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE};
  params.Style |= positionStyles[FTabPosition];
}

void TCustomTabControl::SetTabPosition(TTabPosition p) {
  FTabPosition = p;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomTabControl::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyTabSize();
  if (FImages) SendMessageA(FHandle, TCM_SETIMAGELIST, 0, (LPARAM)FImages->Handle());
}

void TCustomTabControl::AdjustClientRect(TRect& rect) {
  TWinControl::AdjustClientRect(rect);
  if (HandleAllocated()) SendMessageA(FHandle, TCM_ADJUSTRECT, FALSE, (LPARAM)&rect);
}

int TCustomTabControl::TabIndex() {
  return HandleAllocated() ? (int)SendMessageA(FHandle, TCM_GETCURSEL, 0, 0) : -1;
}

void TCustomTabControl::SetTabIndex(int i) { SendMessageA(Handle(), TCM_SETCURSEL, i, 0); }

void TCustomTabControl::ApplyTabSize() {
  if (HandleAllocated() && (FTabWidth > 0 || FTabHeight > 0)) {
    SendMessageA(FHandle, TCM_SETITEMSIZE, 0, MAKELPARAM(FTabWidth, FTabHeight));
    Realign();
  }
}

void TCustomTabControl::SetTabHeight(int h) {
  FTabHeight = h;
  ApplyTabSize();
}

void TCustomTabControl::SetTabWidth(int w) {
  bool styleChanges = (w > 0) != (FTabWidth > 0);
  FTabWidth = w;
  if (styleChanges) SetWindowStyleBit(FHandle, TCS_FIXEDWIDTH, w > 0);
  ApplyTabSize();
}

void TCustomTabControl::SetImages(TImageList* images) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = images;
  if (images) images->FreeNotification(this);
  if (HandleAllocated())
    SendMessageA(FHandle, TCM_SETIMAGELIST, 0, (LPARAM)(images ? images->Handle() : nullptr));
}

void TCustomTabControl::Notification(TComponent* c, TOperation op) {
  TWinControl::Notification(c, op);
  if (op == opRemove && c == FImages) SetImages(nullptr);
}

void TCustomTabControl::InsertTab(int i, const std::string& text, int imageIndex) {
  TCITEMA item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = const_cast<char*>(text.c_str());
  item.iImage = imageIndex;
  SendMessageA(FHandle, TCM_INSERTITEMA, i, (LPARAM)&item);
  Realign();
}

void TCustomTabControl::SetTab(int i, const std::string& text, int imageIndex) {
  TCITEMA item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = const_cast<char*>(text.c_str());
  item.iImage = imageIndex;
  SendMessageA(FHandle, TCM_SETITEMA, i, (LPARAM)&item);
  Realign();
}

void TCustomTabControl::DeleteTab(int i) {
  SendMessageA(FHandle, TCM_DELETEITEM, i, 0);
  Realign();
}

bool TCustomTabControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

void TCustomTabControl::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY) {
    auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
    if (hdr->code == (UINT)TCN_SELCHANGING) {
      m.Result = CanChange() ? FALSE : TRUE;
      return;
    }
    if (hdr->code == (UINT)TCN_SELCHANGE) {
      Change();
      return;
    }
  }
  TWinControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------------
// TTabSheet and TPageControl

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle |= csAcceptsControls;
  FVisible = false;
}

TTabSheet::~TTabSheet() {
  if (FPageControl) FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* pc) {
  if (FPageControl == pc) return;
  if (FPageControl) FPageControl->RemovePage(this);
  if (pc) pc->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (!FPageControl) return -1;
  auto& pages = FPageControl->FPages;
  return (int)(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetImageIndex(int i) {
  FImageIndex = i;
  if (FPageControl) FPageControl->UpdateTab(this);
}

void TTabSheet::WndProc(TMessage& m) {
  TWinControl::WndProc(m);
  if (m.Msg == CM_TEXTCHANGED && FPageControl) FPageControl->UpdateTab(this);
}

TPageControl::TPageControl(TComponent* AOwner) : TCustomTabControl(AOwner) {}

TPageControl::~TPageControl() {
  for (TTabSheet* page : FPages) page->FPageControl = nullptr;
}

void TPageControl::InsertPage(TTabSheet* page) {
  FPages.push_back(page);
  page->FPageControl = this;
  page->SetParent(this);
  page->SetAlign(alClient);
  if (HandleAllocated()) InsertTab(PageCount() - 1, page->Caption(), page->ImageIndex());
  if (!FActivePage) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
  int i = page->PageIndex();
  if (i < 0) return;
  if (HandleAllocated()) DeleteTab(i);
  FPages.erase(FPages.begin() + i);
  page->FPageControl = nullptr;
  if (FActivePage == page) {
    FActivePage = nullptr;
    if (!FPages.empty()) SetActivePage(FPages[std::min(i, PageCount() - 1)]);
  }
}

void TPageControl::UpdateTab(TTabSheet* page) {
  if (HandleAllocated()) SetTab(page->PageIndex(), page->Caption(), page->ImageIndex());
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->FPageControl != this) return;
  if (FActivePage && FActivePage != page) FActivePage->SetVisible(false);
  FActivePage = page;
  if (!page) return;
  page->SetVisible(true);
  page->BringToFront();
  if (HandleAllocated()) SendMessageA(FHandle, TCM_SETCURSEL, page->PageIndex(), 0);
}

void TPageControl::SetActivePageIndex(int i) {
  SetActivePage(i >= 0 && i < PageCount() ? FPages[i] : nullptr);
}

void TPageControl::CreateWnd() {
  TCustomTabControl::CreateWnd();
  for (int i = 0; i < PageCount(); ++i) InsertTab(i, FPages[i]->Caption(), FPages[i]->ImageIndex());
  if (FActivePage) SendMessageA(FHandle, TCM_SETCURSEL, FActivePage->PageIndex(), 0);
}

void TPageControl::Change() {
  int i = TabIndex();
  SetActivePageIndex(i);
  TCustomTabControl::Change();
}

// ---------------------------------------------------------------------------------------------
// TRangeControl

void TRangeControl::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyRange();
}

void TRangeControl::ApplyRange() {
  FPosition = std::min(std::max(FPosition, FMin), FMax);
  if (!HandleAllocated()) return;
  SendRange();
  SendPosition();
}

void TRangeControl::SetPosition(int v) {
  FPosition = std::min(std::max(v, FMin), FMax);
  if (HandleAllocated()) SendPosition();
}

// ---------------------------------------------------------------------------------------------
// TProgressBar

TProgressBar::TProgressBar(TComponent* AOwner) : TRangeControl(AOwner) { SetBounds(0, 0, 150, 16); }

void TProgressBar::CreateParams(TCreateParams& params) {
  InitCommonControlClass(ICC_PROGRESS_CLASS);
  TWinControl::CreateParams(params);
  CreateSubClass(params, PROGRESS_CLASSA);
  if (FOrientation == pbVertical) params.Style |= PBS_VERTICAL;
  if (FSmooth) params.Style |= PBS_SMOOTH;
}

void TProgressBar::CreateWnd() {
  TRangeControl::CreateWnd();
  SendMessageA(FHandle, PBM_SETSTEP, FStep, 0);
}

void TProgressBar::SendRange() { SendMessageA(FHandle, PBM_SETRANGE32, FMin, FMax); }
void TProgressBar::SendPosition() { SendMessageA(FHandle, PBM_SETPOS, FPosition, 0); }
int TProgressBar::ReadPosition() { return (int)SendMessageA(FHandle, PBM_GETPOS, 0, 0); }

void TProgressBar::SetStep(int v) {
  FStep = v;
  if (HandleAllocated()) SendMessageA(FHandle, PBM_SETSTEP, v, 0);
}

void TProgressBar::StepIt() { StepBy(FStep); }
void TProgressBar::StepBy(int delta) { SetPosition(Position() + delta); }

void TProgressBar::SetOrientation(TProgressBarOrientation o) {
  FOrientation = o;
  if (HandleAllocated()) RecreateWnd();
}

void TProgressBar::SetSmooth(bool v) {
  FSmooth = v;
  if (HandleAllocated()) RecreateWnd();
}

// ---------------------------------------------------------------------------------------------
// TTrackBar

TTrackBar::TTrackBar(TComponent* AOwner) : TRangeControl(AOwner) {
  FMax = 10;
  FTabStop = true;
  SetBounds(0, 0, 150, 45);
}

void TTrackBar::CreateParams(TCreateParams& params) {
  InitCommonControlClass(ICC_BAR_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, TRACKBAR_CLASSA);
  static const DWORD marks[] = {TBS_BOTTOM, TBS_TOP, TBS_BOTH};
  params.Style |= (FOrientation == trVertical ? TBS_VERT : TBS_HORZ) | marks[FTickMarks] |
                  TBS_FIXEDLENGTH;
  if (FTickStyle == tsAuto) params.Style |= TBS_AUTOTICKS;
  if (FTickStyle == tsNone) params.Style |= TBS_NOTICKS;
}

void TTrackBar::CreateWnd() {
  TRangeControl::CreateWnd();
  SendMessageA(FHandle, TBM_SETTICFREQ, FFrequency, 0);
  SendMessageA(FHandle, TBM_SETLINESIZE, 0, FLineSize);
  SendMessageA(FHandle, TBM_SETPAGESIZE, 0, FPageSize);
  SendMessageA(FHandle, TBM_SETTHUMBLENGTH, FThumbLength, 0);
}

void TTrackBar::SendRange() {
  SendMessageA(FHandle, TBM_SETRANGEMIN, FALSE, FMin);
  SendMessageA(FHandle, TBM_SETRANGEMAX, TRUE, FMax);
}

void TTrackBar::SendPosition() { SendMessageA(FHandle, TBM_SETPOS, TRUE, FPosition); }
int TTrackBar::ReadPosition() { return (int)SendMessageA(FHandle, TBM_GETPOS, 0, 0); }

void TTrackBar::StyleChanged() {
  if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::SetFrequency(int v) {
  FFrequency = v;
  if (HandleAllocated()) SendMessageA(FHandle, TBM_SETTICFREQ, v, 0);
}

void TTrackBar::SetLineSize(int v) {
  FLineSize = v;
  if (HandleAllocated()) SendMessageA(FHandle, TBM_SETLINESIZE, 0, v);
}

void TTrackBar::SetPageSize(int v) {
  FPageSize = v;
  if (HandleAllocated()) SendMessageA(FHandle, TBM_SETPAGESIZE, 0, v);
}

void TTrackBar::SetThumbLength(int v) {
  FThumbLength = v;
  if (HandleAllocated()) SendMessageA(FHandle, TBM_SETTHUMBLENGTH, v, 0);
}

void TTrackBar::Changed() {
  if (OnChange) OnChange(this);
}

void TTrackBar::WndProc(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    FPosition = ReadPosition();
    Changed();
    return;
  }
  TWinControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------------
// Status bar

int TStatusPanel::Index() const { return FStatusBar->Panels()->IndexOf(this); }

void TStatusPanel::SetText(const std::string& s) {
  FText = s;
  FStatusBar->UpdatePanel(Index());
}

void TStatusPanel::SetWidth(int w) {
  FWidth = w;
  FStatusBar->UpdatePanels();
}

void TStatusPanel::SetAlignment(TAlignment a) {
  FAlignment = a;
  FStatusBar->UpdatePanel(Index());
}

void TStatusPanel::SetBevel(TStatusPanelBevel b) {
  FBevel = b;
  FStatusBar->UpdatePanel(Index());
}

TStatusPanel* TStatusPanels::Add() {
  FItems.push_back(std::make_unique<TStatusPanel>(FStatusBar));
  FStatusBar->UpdatePanels();
  return FItems.back().get();
}

void TStatusPanels::Delete(int i) {
  FItems.erase(FItems.begin() + i);
  FStatusBar->UpdatePanels();
}

void TStatusPanels::Clear() {
  FItems.clear();
  FStatusBar->UpdatePanels();
}

int TStatusPanels::IndexOf(const TStatusPanel* p) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[i].get() == p) return i;
  return -1;
}

TCustomStatusBar::TCustomStatusBar(TComponent* AOwner)
    : TWinControl(AOwner), FPanels(new TStatusPanels(this)) {
  FControlStyle = csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
  SetColor(clBtnFace);
  SetBounds(0, 0, 0, 19);
  SetAlign(alBottom);
}

TCustomStatusBar::~TCustomStatusBar() = default;

void TCustomStatusBar::CreateParams(TCreateParams& params) {
  InitCommonControlClass(ICC_BAR_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, STATUSCLASSNAMEA);
  // The framework's alignment places the bar, not the platform.
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | (FSizeGrip ? SBARS_SIZEGRIP : 0);
}

void TCustomStatusBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdatePanels();
  SendMessageA(FHandle, SB_SIMPLE, FSimplePanel, 0);
  SendMessageA(FHandle, SB_SETTEXTA, SB_SIMPLEID, (LPARAM)FSimpleText.c_str());
}

void TCustomStatusBar::UpdatePanels() {
  if (!HandleAllocated()) return;
  // Parts are given by their right edges; the last one reaches the end of the bar.
  std::vector<int> edges;
  int x = 0;
  for (int i = 0; i < FPanels->Count(); ++i) {
    x += FPanels->Items(i)->Width();
    edges.push_back(i + 1 == FPanels->Count() ? -1 : x);
  }
  if (edges.empty()) edges.push_back(-1);
  SendMessageA(FHandle, SB_SETPARTS, edges.size(), (LPARAM)edges.data());
  for (int i = 0; i < FPanels->Count(); ++i) UpdatePanel(i);
}

void TCustomStatusBar::UpdatePanel(int i) {
  if (!HandleAllocated() || i < 0) return;
  TStatusPanel* p = FPanels->Items(i);
  static const char* alignPrefix[] = {"", "\t\t", "\t"};  // left, right, centre
  static const WPARAM bevel[] = {SBT_NOBORDERS, 0, SBT_POPOUT};
  std::string text = alignPrefix[p->Alignment()] + p->Text();
  SendMessageA(FHandle, SB_SETTEXTA, i | bevel[p->Bevel()], (LPARAM)text.c_str());
}

void TCustomStatusBar::SetSimplePanel(bool v) {
  FSimplePanel = v;
  if (HandleAllocated()) SendMessageA(FHandle, SB_SIMPLE, v, 0);
}

void TCustomStatusBar::SetSimpleText(const std::string& s) {
  FSimpleText = s;
  if (HandleAllocated()) SendMessageA(FHandle, SB_SETTEXTA, SB_SIMPLEID, (LPARAM)s.c_str());
}

void TCustomStatusBar::SetSizeGrip(bool v) {
  FSizeGrip = v;
  SetWindowStyleBit(FHandle, SBARS_SIZEGRIP, v);
}

// ---------------------------------------------------------------------------------------------
// Up-down

TCustomUpDown::TCustomUpDown(TComponent* AOwner) : TRangeControl(AOwner) {
  SetBounds(0, 0, GetSystemMetrics(SM_CXVSCROLL), 25);
}

void TCustomUpDown::CreateParams(TCreateParams& params) {
  InitCommonControlClass(ICC_UPDOWN_CLASS);
  TWinControl::CreateParams(params);
  CreateSubClass(params, UPDOWN_CLASSA);
  params.Style |= UDS_SETBUDDYINT | UDS_ARROWKEYS | (FOrientation == udHorizontal ? UDS_HORZ : 0);
}

void TCustomUpDown::CreateWnd() {
  // The buddy before the position, so that setting the position writes the buddy's text.
  TWinControl::CreateWnd();
  if (FAssociate) SendMessageA(FHandle, UDM_SETBUDDY, (WPARAM)FAssociate->Handle(), 0);
  ApplyRange();
}

void TCustomUpDown::SendRange() { SendMessageA(FHandle, UDM_SETRANGE32, FMin, FMax); }
void TCustomUpDown::SendPosition() { SendMessageA(FHandle, UDM_SETPOS32, 0, FPosition); }
int TCustomUpDown::ReadPosition() { return (int)SendMessageA(FHandle, UDM_GETPOS32, 0, 0); }

void TCustomUpDown::SetAssociate(TWinControl* c) {
  if (FAssociate) FAssociate->RemoveFreeNotification(this);
  FAssociate = c;
  if (c) c->FreeNotification(this);
  if (!HandleAllocated()) return;
  SendMessageA(FHandle, UDM_SETBUDDY, (WPARAM)(c ? c->Handle() : nullptr), 0);
  ApplyRange();
}

void TCustomUpDown::SetOrientation(TUDOrientation o) {
  FOrientation = o;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomUpDown::Notification(TComponent* c, TOperation op) {
  TWinControl::Notification(c, op);
  if (op == opRemove && c == FAssociate) FAssociate = nullptr;
}

void TCustomUpDown::WndProc(TMessage& m) {
  if ((m.Msg == CN_VSCROLL || m.Msg == CN_HSCROLL) && m.WParamLo() == SB_THUMBPOSITION) {
    int old = FPosition;
    FPosition = Position();
    if (OnClick) OnClick(this, FPosition > old ? btNext : btPrev);
    return;
  }
  TWinControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------------
// Date-time picker

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner) {
  FTabStop = true;
  SetColor(clWindow);
  SetBounds(0, 0, 186, 21);
  GetLocalTime(&FDateTime);
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  InitCommonControlClass(ICC_DATE_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, DATETIMEPICK_CLASSA);
  if (FKind == dtkTime) params.Style |= DTS_TIMEFORMAT;
  else if (FDateMode == dmUpDown) params.Style |= DTS_UPDOWN;
}

void TDateTimePicker::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(FHandle, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&FDateTime);
}

void TDateTimePicker::SetKind(TDateTimeKind k) {
  FKind = k;
  if (HandleAllocated()) RecreateWnd();
}

void TDateTimePicker::SetDateMode(TDTDateMode m) {
  FDateMode = m;
  if (HandleAllocated()) RecreateWnd();
}

SYSTEMTIME TDateTimePicker::DateTime() {
  if (HandleAllocated()) SendMessageA(FHandle, DTM_GETSYSTEMTIME, 0, (LPARAM)&FDateTime);
  return FDateTime;
}

void TDateTimePicker::SetDateTime(const SYSTEMTIME& t) {
  FDateTime = t;
  if (HandleAllocated()) SendMessageA(FHandle, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&FDateTime);
}

void TDateTimePicker::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY) {
    auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
    if (hdr->code == (UINT)DTN_DATETIMECHANGE) {
      FDateTime = reinterpret_cast<NMDATETIMECHANGE*>(hdr)->st;
      if (OnChange) OnChange(this);
      return;
    }
  }
  TWinControl::WndProc(m);
}
