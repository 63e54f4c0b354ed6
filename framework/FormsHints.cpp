// The application's hints: which control the mouse rests on, when its hint shows and hides.
#include "framework/Forms.h"

namespace {
const UINT_PTR kShowTimer = 1, kHideTimer = 2;

// A control's hint shows when its own ShowHint says so, or its parent's while ParentShowHint.
bool HintShownFor(TControl* c) {
  while (c->ParentShowHint() && c->Parent()) c = c->Parent();
  return c->ShowHint();
}

bool EndsHint(UINT msg) {
  switch (msg) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_MOUSEWHEEL:
      return true;
  }
  return false;
}
}  // namespace

void TApplication::SetShowHint(bool v) {
  FShowHint = v;
  if (!v) CancelHint();
}

void TApplication::CancelHint() {
  if (FHintTimers) {
    KillTimer(FHintTimers, kShowTimer);
    KillTimer(FHintTimers, kHideTimer);
  }
  if (FHintWindow) FHintWindow->ReleaseHandle();
  FHintActive = false;
  if (FHintControl) FHintControl->RemoveFreeNotification(this);
  FHintControl = nullptr;
}

void TApplication::HintMouseMessage(const MSG& msg) {
  if (EndsHint(msg.message)) {
    if (FHintActive) FHintWindow->ReleaseHandle();
    FHintActive = false;
    if (FHintTimers) KillTimer(FHintTimers, kShowTimer);
    return;
  }
  if (msg.message != WM_MOUSEMOVE || !FShowHint) return;
  // The control under the mouse: the window's, or a graphic control on it.
  HWND wnd = msg.hwnd;
  TWinControl* window = nullptr;
  while (wnd && !(window = TWinControl::FindControl(wnd))) wnd = GetParent(wnd);
  POINT screen{(short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)};
  ClientToScreen(msg.hwnd, &screen);
  TControl* c = window;
  if (window)
    if (TControl* graphic = window->ControlAtPos(window->ScreenToClient(screen), true)) c = graphic;
  FHintMousePos = screen;
  if (c == FHintControl) return;
  CancelHint();
  if (!c || !HintShownFor(c) || GetShortHint(c->Hint()).empty()) return;
  FHintControl = c;
  c->FreeNotification(this);
  if (!FHintTimers)
    FHintTimers = AllocateHWnd([this](TMessage& m) {
      if (m.Msg == WM_TIMER) HintTimer(m.WParam);
      else m.Result = DefWindowProcA(FHintTimers, m.Msg, m.WParam, m.LParam);
    });
  SetTimer(FHintTimers, kShowTimer, FHintPause, nullptr);
}

void TApplication::HintTimer(UINT_PTR id) {
  KillTimer(FHintTimers, id);
  if (id == kShowTimer) {
    ActivateHint();
  } else if (FHintActive) {
    // Hidden for good, until the mouse goes to another control.
    FHintWindow->ReleaseHandle();
    FHintActive = false;
  }
}

void TApplication::ActivateHint() {
  TControl* c = FHintControl;
  if (!c) return;
  TPoint cursor = FHintMousePos;
  THintInfo info;
  info.HintControl = c;
  info.CursorPos = c->ScreenToClient(cursor);
  info.CursorRect = c->ClientRect();
  info.HintPos = TPoint(cursor.x, cursor.y + GetSystemMetrics(SM_CYCURSOR) * 2 / 3);
  info.HintMaxWidth = Screen ? Screen->Width() : GetSystemMetrics(SM_CXSCREEN);
  info.HintColor = FHintColor;
  info.HintStr = GetShortHint(c->Hint());
  if (c->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) != 0 || info.HintStr.empty()) return;
  if (!FHintWindow) {
    FHintWindow = new THintWindow(this);
  }
  FHintWindow->SetColor(info.HintColor);
  TRect r = FHintWindow->CalcHintRect(info.HintMaxWidth, info.HintStr);
  OffsetRect(&r, info.HintPos.x, info.HintPos.y);
  FHintWindow->ActivateHint(r, info.HintStr);
  FHintActive = true;
  SetTimer(FHintTimers, kHideTimer, FHintHidePause, nullptr);
}
