// The MDI parts of TCustomForm and TApplication. An MDI form's children live in the platform's
// MDI client window ("MDICLIENT"), which the form places below its aligned controls; the
// platform keeps the children's order, the active child and the window list of the
// WindowMenu, and the form's and the children's own procedures hand it their messages
// (DefFrameProcA, DefMDIChildProcA). The window is the only place that state lives.
#include "framework/Forms.h"
#include "framework/Menus.h"

namespace {
// The platform numbers the children from here in the window menu; far above the commands of
// menu items.
constexpr UINT kFirstChildCommand = 0xFF00;
}  // namespace

TCustomForm* TCustomForm::ActiveMDIChild() const {
  if (!FClientHandle) return nullptr;
  auto active = reinterpret_cast<HWND>(SendMessageA(FClientHandle, WM_MDIGETACTIVE, 0, 0));
  return dynamic_cast<TCustomForm*>(FindControl(active));
}

std::vector<TCustomForm*> TCustomForm::MDIChildList() const {
  std::vector<TCustomForm*> children;
  if (!FClientHandle) return children;
  for (HWND w = GetWindow(FClientHandle, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    if (auto* form = dynamic_cast<TCustomForm*>(FindControl(w)); form && form->FFormStyle == fsMDIChild)
      children.push_back(form);
  return children;
}

void TCustomForm::SetWindowMenu(TMenuItem* item) {
  if (item == FWindowMenu) return;
  if (FWindowMenu) FWindowMenu->RemoveFreeNotification(this);
  FWindowMenu = item;
  if (!item) return;   // the platform keeps listing in the old one until another is given
  item->FreeNotification(this);
  if (FClientHandle) {
    SendMessageA(FClientHandle, WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(item->Handle()));
    DrawMenuBar(FHandle);
  }
}

void TCustomForm::Cascade() {
  if (FClientHandle) SendMessageA(FClientHandle, WM_MDICASCADE, 0, 0);
}

void TCustomForm::Tile() {
  if (FClientHandle)
    SendMessageA(FClientHandle, WM_MDITILE, FTileMode == tbHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

void TCustomForm::CreateMDIClient() {
  CLIENTCREATESTRUCT client{FWindowMenu ? FWindowMenu->Handle() : nullptr, kFirstChildCommand};
  FClientHandle = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL,
                                  0, 0, 0, 0, FHandle, nullptr, GetModuleHandleA(nullptr), &client);
  if (!FClientHandle) RaiseLastOSError();
  Realign();
}

void TCustomForm::MDIChildParams(TCreateParams& params) {
  TCustomForm* main = Application ? Application->MainForm() : nullptr;
  if (!main || main->FFormStyle != fsMDIForm)
    throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
  main->HandleNeeded();
  // The platform makes the window a child of the client, numbers it and lists it.
  params.WndParent = main->FClientHandle;
  params.Style &= ~WS_POPUP;
  params.ExStyle |= WS_EX_MDICHILD;
}

void TCustomForm::DefaultHandler(TMessage& m) {
  if (FHandle && FFormStyle == fsMDIForm && m.Msg != WM_SIZE)   // the client is placed by AlignControls
    m.Result = DefFrameProcA(FHandle, FClientHandle, m.Msg, m.WParam, m.LParam);
  else if (FHandle && FFormStyle == fsMDIChild)
    m.Result = DefMDIChildProcA(FHandle, m.Msg, m.WParam, m.LParam);
  else
    TCustomControl::DefaultHandler(m);
}

void TCustomForm::DestroyWindowHandle() {
  HWND client = FFormStyle == fsMDIChild ? GetParent(FHandle) : nullptr;
  if (!client) {
    TCustomControl::DestroyWindowHandle();
    return;
  }
  // Through the client, which takes the child off its list and activates the next one.
  FControlState |= csDestroyingHandle;
  SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(FHandle), 0);
  FControlState &= ~csDestroyingHandle;
  FHandle = nullptr;
  FTrackingMouse = false;
}

void TCustomForm::AlignControls(TControl* control, TRect& rect) {
  TCustomControl::AlignControls(control, rect);
  // The client fills what the aligned controls leave, below every control of the form.
  if (FClientHandle)
    SetWindowPos(FClientHandle, HWND_BOTTOM, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOACTIVATE);
}

bool TCustomForm::MDIWndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_MDIACTIVATE:
      if (FFormStyle != fsMDIChild) return false;
      DefaultHandler(m);
      if (reinterpret_cast<HWND>(m.LParam) == FHandle) {
        if (OnActivate) OnActivate(this);
        if (FActiveControl && FActiveControl->CanFocus()) ::SetFocus(FActiveControl->Handle());
      } else if (reinterpret_cast<HWND>(m.WParam) == FHandle && OnDeactivate) {
        OnDeactivate(this);
      }
      return true;
    case CM_MENUCHANGED:
      // A rebuilt menu lost the platform's list of children at the end of the window menu.
      if (FClientHandle) SendMessageA(FClientHandle, WM_MDIREFRESHMENU, 0, 0);
      return false;
  }
  return false;
}

bool TApplication::IsMDIMsg(MSG& msg) {
  if (!FMainForm || !FMainForm->ClientHandle() || (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN))
    return false;
  // Only while the MDI form is the active window: a dialog keeps its keys.
  return GetActiveWindow() == FMainForm->Handle() && TranslateMDISysAccel(FMainForm->ClientHandle(), &msg);
}
