// TToolBar and TToolButton over the platform's tool bar.
#include "framework/ComCtrls.h"

#include <algorithm>

#include "framework/Menus.h"

// ---------------------------------------------------------------------------------------------
// TToolButton

TToolButton::TToolButton(TComponent* AOwner) : TComponent(AOwner) {}

TToolButton::~TToolButton() {
  if (FToolBar) FToolBar->RemoveButton(this);
}

void TToolButton::SetToolBar(TToolBar* bar) {
  if (FToolBar == bar) return;
  if (FToolBar) FToolBar->RemoveButton(this);
  if (bar) bar->InsertButton(this);
}

int TToolButton::Index() const {
  if (!FToolBar) return -1;
  auto& buttons = FToolBar->FButtons;
  return (int)(std::find(buttons.begin(), buttons.end(), this) - buttons.begin());
}

TBBUTTON TToolButton::ButtonInfo() const {
  static const BYTE styles[] = {BTNS_BUTTON, BTNS_CHECK, BTNS_DROPDOWN, BTNS_SEP, BTNS_SEP};
  TBBUTTON b{};
  bool separator = FStyle == tbsSeparator || FStyle == tbsDivider;
  b.iBitmap = separator ? 0 : FImageIndex;
  b.idCommand = FCommand;
  b.fsState = (FEnabled ? TBSTATE_ENABLED : 0) | (FDown ? TBSTATE_CHECKED : 0) |
              (FVisible ? 0 : TBSTATE_HIDDEN);
  b.fsStyle = styles[FStyle] | (FGrouped ? BTNS_GROUP : 0) | (FAutoSize ? BTNS_AUTOSIZE : 0);
  bool captions = FToolBar && FToolBar->ShowCaptions();
  b.iString = captions && !separator ? (INT_PTR)FCaption.c_str() : -1;
  return b;
}

void TToolButton::Changed() {
  if (FToolBar) FToolBar->UpdateButton(this);
}

void TToolButton::SetCaption(const std::string& s) { FCaption = s; Changed(); }
void TToolButton::SetImageIndex(int i) { FImageIndex = i; Changed(); }
void TToolButton::SetStyle(TToolButtonStyle s) { FStyle = s; Changed(); }
void TToolButton::SetGrouped(bool v) { FGrouped = v; Changed(); }
void TToolButton::SetAutoSize(bool v) { FAutoSize = v; Changed(); }

void TToolButton::SetEnabled(bool v) {
  FEnabled = v;
  if (FToolBar && FToolBar->HandleAllocated())
    SendMessageA(FToolBar->Handle(), TB_ENABLEBUTTON, FCommand, MAKELONG(v, 0));
}

bool TToolButton::Down() const {
  if (FToolBar && FToolBar->HandleAllocated())
    return SendMessageA(FToolBar->Handle(), TB_ISBUTTONCHECKED, FCommand, 0) != 0;
  return FDown;
}

void TToolButton::SetDown(bool v) {
  FDown = v;
  if (FToolBar && FToolBar->HandleAllocated())
    SendMessageA(FToolBar->Handle(), TB_CHECKBUTTON, FCommand, MAKELONG(v, 0));
}

void TToolButton::SetVisible(bool v) {
  FVisible = v;
  if (FToolBar && FToolBar->HandleAllocated())
    SendMessageA(FToolBar->Handle(), TB_HIDEBUTTON, FCommand, MAKELONG(!v, 0));
}

TRect TToolButton::BoundsRect() const {
  RECT r{};
  if (FToolBar && FToolBar->HandleAllocated())
    SendMessageA(FToolBar->Handle(), TB_GETRECT, FCommand, (LPARAM)&r);
  return r;
}

void TToolButton::Click() {
  if (OnClick) OnClick(this);
  if (FMenuItem) DropDownMenuItem();
}

void TToolButton::SetMenuItem(TMenuItem* item) {
  if (FMenuItem) FMenuItem->RemoveFreeNotification(this);
  FMenuItem = item;
  if (!item) return;
  item->FreeNotification(this);
  SetCaption(item->Caption());
}

void TToolButton::Notification(TComponent* c, TOperation op) {
  TComponent::Notification(c, op);
  if (op == opRemove && c == FMenuItem) FMenuItem = nullptr;
}

void TToolButton::DropDownMenuItem() {
  TMenu* menu = FMenuItem->GetParentMenu();
  if (FMenuItem->Count() == 0 || !FToolBar || !FToolBar->HandleAllocated()) {
    FMenuItem->Click();
    return;
  }
  // The bar's window owns the open menu, so it gets the owner-draw messages; the chosen
  // command goes to the item's menu, which the bar's form need not show.
  const TRect r = BoundsRect();
  const TPoint below = FToolBar->ClientToScreen(TPoint(r.left, r.bottom));
  HWND bar = FToolBar->Handle();
  SendMessageA(bar, TB_PRESSBUTTON, FCommand, MAKELONG(TRUE, 0));
  const UINT command = TrackPopupMenu(FMenuItem->Handle(), TPM_LEFTALIGN | TPM_RETURNCMD,
                                      below.x, below.y, 0, bar, nullptr);
  SendMessageA(bar, TB_PRESSBUTTON, FCommand, MAKELONG(FALSE, 0));
  if (command && menu) menu->DispatchCommand((WORD)command);
}

// ---------------------------------------------------------------------------------------------
// TToolBar

TToolBar::TToolBar(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks | csMenuEvents;
  SetBounds(0, 0, 150, 29);
  SetAlign(alTop);
}

TToolBar::~TToolBar() {
  for (TToolButton* b : FButtons) b->FToolBar = nullptr;
}

void TToolBar::CreateParams(TCreateParams& params) {
  InitCommonControlClass(ICC_BAR_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, TOOLBARCLASSNAMEA);
  // The framework's alignment places the bar, not the platform.
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_TOOLTIPS |
                  (FFlat ? TBSTYLE_FLAT : 0) |
                  (FList ? TBSTYLE_LIST : 0) | (FTransparent ? TBSTYLE_TRANSPARENT : 0) |
                  (FWrapable ? TBSTYLE_WRAPABLE : 0);
}

void TToolBar::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(FHandle, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  if (!FShowCaptions) SendMessageA(FHandle, TB_SETMAXTEXTROWS, 0, 0);
  ApplyImages();
  for (TToolButton* b : FButtons) {
    TBBUTTON info = b->ButtonInfo();
    SendMessageA(FHandle, TB_ADDBUTTONSA, 1, (LPARAM)&info);
  }
  ApplyButtonSize();
}

void TToolBar::ApplyImages() {
  if (!HandleAllocated()) return;
  if (FImages) SendMessageA(FHandle, TB_SETBITMAPSIZE, 0, MAKELPARAM(FImages->Width(), FImages->Height()));
  SendMessageA(FHandle, TB_SETIMAGELIST, 0, (LPARAM)(FImages ? FImages->Handle() : nullptr));
  SendMessageA(FHandle, TB_SETDISABLEDIMAGELIST, 0,
               (LPARAM)(FDisabledImages ? FDisabledImages->Handle() : nullptr));
  SendMessageA(FHandle, TB_SETHOTIMAGELIST, 0, (LPARAM)(FHotImages ? FHotImages->Handle() : nullptr));
  ApplyButtonSize();
}

void TToolBar::ApplyButtonSize() {
  if (!HandleAllocated()) return;
  SendMessageA(FHandle, TB_SETBUTTONSIZE, 0, MAKELPARAM(FButtonWidth, FButtonHeight));
  SendMessageA(FHandle, TB_AUTOSIZE, 0, 0);
  HoldButtons();
  Invalidate();
}

// The platform makes the buttons as tall as picture and caption need, whatever was asked, once
// it lays them out: the bar grows to hold them whole.
void TToolBar::HoldButtons() {
  RECT first{};
  if (!FButtons.empty() && SendMessageA(FHandle, TB_GETITEMRECT, 0, (LPARAM)&first) &&
      first.bottom > ClientHeight())
    SetHeight(Height() + first.bottom - ClientHeight());
}

static void Relink(TComponent* self, TImageList*& field, TImageList* value) {
  if (field) field->RemoveFreeNotification(self);
  field = value;
  if (value) value->FreeNotification(self);
}

void TToolBar::SetImages(TImageList* v) { Relink(this, FImages, v); ApplyImages(); }
void TToolBar::SetDisabledImages(TImageList* v) { Relink(this, FDisabledImages, v); ApplyImages(); }
void TToolBar::SetHotImages(TImageList* v) { Relink(this, FHotImages, v); ApplyImages(); }

void TToolBar::Notification(TComponent* c, TOperation op) {
  TWinControl::Notification(c, op);
  if (op != opRemove) return;
  if (c == FImages) SetImages(nullptr);
  if (c == FDisabledImages) SetDisabledImages(nullptr);
  if (c == FHotImages) SetHotImages(nullptr);
}

void TToolBar::SetStyleBit(DWORD bit, bool on) {
  SetWindowStyleBit(FHandle, bit, on);
  Invalidate();
}

void TToolBar::SetShowCaptions(bool v) {
  FShowCaptions = v;
  if (HandleAllocated()) RecreateWnd();
}

TToolButton* TToolBar::FindButton(int command) const {
  for (TToolButton* b : FButtons)
    if (b->FCommand == command) return b;
  return nullptr;
}

void TToolBar::InsertButton(TToolButton* b) {
  b->FToolBar = this;
  b->FCommand = FNextCommand++;
  FButtons.push_back(b);
  if (!HandleAllocated()) return;
  TBBUTTON info = b->ButtonInfo();
  SendMessageA(FHandle, TB_ADDBUTTONSA, 1, (LPARAM)&info);
  ApplyButtonSize();
}

void TToolBar::RemoveButton(TToolButton* b) {
  int i = b->Index();
  if (i < 0) return;
  if (HandleAllocated()) SendMessageA(FHandle, TB_DELETEBUTTON, i, 0);
  FButtons.erase(FButtons.begin() + i);
  b->FToolBar = nullptr;
}

void TToolBar::UpdateButton(TToolButton* b) {
  if (!HandleAllocated()) return;
  // Caption, image and style live in the button record: put a new record in its place.
  int i = b->Index();
  b->FDown = b->Down();   // the user may have toggled it
  TBBUTTON info = b->ButtonInfo();
  SendMessageA(FHandle, WM_SETREDRAW, FALSE, 0);
  SendMessageA(FHandle, TB_DELETEBUTTON, i, 0);
  SendMessageA(FHandle, TB_INSERTBUTTONA, i, (LPARAM)&info);
  SendMessageA(FHandle, WM_SETREDRAW, TRUE, 0);
  ApplyButtonSize();
}

LRESULT TToolBar::CustomDraw(NMTBCUSTOMDRAW& cd) {
  if (!OnCustomDrawButton) return CDRF_DODEFAULT;
  if (cd.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (cd.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  TToolButton* button = FindButton((int)cd.nmcd.dwItemSpec);
  if (!button) return CDRF_DODEFAULT;
  bool defaultDraw = true;
  FDrawCanvas.SetHandle(cd.nmcd.hdc);
  FDrawCanvas.SetFont(Font());
  OnCustomDrawButton(this, button, CustomDrawState(cd.nmcd.uItemState), defaultDraw);
  FDrawCanvas.SetHandle(nullptr);
  return defaultDraw ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT;
}

void TToolBar::WndProc(TMessage& m) {
  if (m.Msg == WM_SIZE) {
    TWinControl::WndProc(m);
    HoldButtons();
    return;
  }
  if (m.Msg == CN_COMMAND) {
    if (TToolButton* b = FindButton(m.WParamLo())) b->Click();
    return;
  }
  if (m.Msg == WM_NOTIFY) {
    // The bar's own tooltip asks for a button's text: the short part of its hint, when the
    // bar shows hints as the framework's controls do (its ShowHint, or its parent's).
    auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
    TToolButton* b = FindButton((int)hdr->idFrom);
    if (b && (hdr->code == (UINT)TTN_GETDISPINFOA || hdr->code == (UINT)TTN_GETDISPINFOW)) {
      const TControl* c = this;
      while (c->ParentShowHint() && c->Parent()) c = c->Parent();
      FTipText = c->ShowHint() ? GetShortHint(b->Hint()) : "";
    }
    if (hdr->code == (UINT)TTN_GETDISPINFOA && b) {
      reinterpret_cast<NMTTDISPINFOA*>(hdr)->lpszText = const_cast<char*>(FTipText.c_str());
      return;
    }
    if (hdr->code == (UINT)TTN_GETDISPINFOW && b) {   // the tooltip may be a Unicode window
      auto* info = reinterpret_cast<NMTTDISPINFOW*>(hdr);
      int n = MultiByteToWideChar(CP_ACP, 0, FTipText.c_str(), -1, info->szText, 80);
      info->szText[n > 0 ? n - 1 : 0] = L'\0';
      info->lpszText = info->szText;
      return;
    }
  }
  if (m.Msg == CN_NOTIFY) {
    auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
    if (hdr->code == (UINT)NM_CUSTOMDRAW) {
      m.Result = CustomDraw(*reinterpret_cast<NMTBCUSTOMDRAW*>(hdr));
      return;
    }
  }
  TWinControl::WndProc(m);
}
