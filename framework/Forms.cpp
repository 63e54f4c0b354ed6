#include "framework/Forms.h"

#include <objbase.h>

#include <algorithm>
#include <cstdlib>
#include <exception>

#include "framework/Menus.h"

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {
// An exception that nothing caught (one raised in a hook, another thread or a destructor) is
// shown before the program ends, never just written to an error output no one sees.
[[noreturn]] void EndWithUncaughtError() {
  if (Application) Application->EndWithError();
  std::abort();
}

// The globals live from start-up to the end of the program; the forms the application owns
// are freed (OnDestroy and all) when it ends.
struct Globals {
  Globals() {
    std::set_terminate(EndWithUncaughtError);
    // COM objects (the media graph's above all) are made on this, the GUI thread, in its
    // single-threaded apartment; without it their creation fails with CO_E_NOTINITIALIZED.
    FComInitialized = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    Application = new TApplication(nullptr);
    Screen = new TScreen(nullptr);
  }
  ~Globals() {
    TObject::FreeAndNil(Application);
    TObject::FreeAndNil(Screen);
    if (FComInitialized) CoUninitialize();
  }
  bool FComInitialized;
} gGlobals;

void HandleExceptionOfApplication(TObject* sender) {
  if (Application) Application->HandleException(sender);
}

// The exception being handled as the framework's kind: its own, a standard one's message, or
// "Unknown error".
Exception CurrentError() {
  try {
    if (std::exception_ptr error = std::current_exception()) std::rethrow_exception(error);
  } catch (const Exception& e) {
    return e;
  } catch (const std::exception& e) {
    return Exception(e.what());
  } catch (...) {
  }
  return Exception("Unknown error");
}
}  // namespace

TCustomForm* GetParentForm(TControl* control) {
  while (control && control->Parent()) control = control->Parent();
  return dynamic_cast<TCustomForm*>(control);
}

// ---------------------------------------------------------------- TCustomForm

TCustomForm::TCustomForm(TComponent* AOwner) : TCustomControl(AOwner), FIcon(std::make_unique<TIcon>()) {
  BeginLoading();
  FVisible = false;
  FColor = clBtnFace;
  FParentColor = false;
  FParentFont = false;
  FBrush->SetColor(FColor);
  FControlStyle |= csAcceptsControls;
  FWidth = 320;
  FHeight = 240;
  FIcon->OnChange = [this](TObject*) { IconChanged(); };
  if (Screen) Screen->FForms.push_back(this);
}

TCustomForm::~TCustomForm() {
  FIcon->OnChange = nullptr;
  Destroying();
  FreeChildren();
  DestroyHandle();
  if (Screen) {
    auto& forms = Screen->FForms;
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
  }
  if (Application && Application->FMainForm == this) Application->FMainForm = nullptr;
}

void TCustomForm::AfterConstruction() {
  TCustomControl::AfterConstruction();
  EndLoading();
  if (OnCreate) OnCreate(this);
}

void TCustomForm::BeforeDestruction() {
  if (OnDestroy) {
    try {
      OnDestroy(this);
    } catch (...) {
      HandleExceptionOfApplication(this);
    }
  }
  TCustomControl::BeforeDestruction();
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.ExStyle = 0;
  if (!FEnabled) params.Style |= WS_DISABLED;
  switch (FBorderStyle) {
    case bsNone: params.Style |= WS_POPUP; break;
    case bsSingle: params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog: params.Style |= WS_POPUP | WS_CAPTION; params.ExStyle |= WS_EX_DLGMODALFRAME; break;
    case bsToolWindow: params.Style |= WS_CAPTION; params.ExStyle |= WS_EX_TOOLWINDOW; break;
    case bsSizeToolWin: params.Style |= WS_CAPTION | WS_THICKFRAME; params.ExStyle |= WS_EX_TOOLWINDOW; break;
  }
  if (FBorderStyle != bsNone && (FBorderIcons & biSystemMenu)) {
    params.Style |= WS_SYSMENU;
    bool boxes = FBorderStyle == bsSingle || FBorderStyle == bsSizeable;
    if (boxes && (FBorderIcons & biMinimize)) params.Style |= WS_MINIMIZEBOX;
    if (boxes && (FBorderIcons & biMaximize)) params.Style |= WS_MAXIMIZEBOX;
    if (FBorderStyle == bsDialog && (FBorderIcons & biHelp)) params.ExStyle |= WS_EX_CONTEXTHELP;
  }
  if (FFormStyle == fsStayOnTop) params.ExStyle |= WS_EX_TOPMOST;
  if (FPosition == poDefault || FPosition == poDefaultPosOnly) params.X = params.Y = CW_USEDEFAULT;
  if (FPosition == poDefault || FPosition == poDefaultSizeOnly) params.Width = params.Height = CW_USEDEFAULT;
  // A form placed on a control is a window inside it, as the control's other children are.
  if (FParent) {
    params.Style = (params.Style & ~WS_POPUP) | WS_CHILD;
    params.WndParent = FParent->Handle();
    return;
  }
  // Other forms stay above the main form and leave the task bar to it.
  TCustomForm* main = Application ? Application->MainForm() : nullptr;
  params.WndParent = main && main != this && main->HandleAllocated() ? main->FHandle : nullptr;
  if (FFormStyle == fsMDIChild) MDIChildParams(params);
}

TRect TCustomForm::ClientRect() const {
  TRect r = TCustomControl::ClientRect();
  if (!FHandle && FMenu) r.bottom = std::max(0L, r.bottom - GetSystemMetrics(SM_CYMENU));
  return r;
}

void TCustomForm::CreateWnd() {
  TCustomControl::CreateWnd();
  if (FFormStyle == fsMDIForm) CreateMDIClient();
  if (FMenu && FFormStyle != fsMDIChild) {   // a child window has no menu bar
    FMenu->SetWindow(FHandle);
    ::SetMenu(FHandle, FMenu->Handle());
  }
  IconChanged();
}

void TCustomForm::DestroyWnd() {
  ::SetMenu(FHandle, nullptr);
  TCustomControl::DestroyWnd();
  FClientHandle = nullptr;   // went with the window
}

void TCustomForm::IconChanged() {
  if (!FHandle) return;
  HICON icon = FIcon->Handle();
  if (!icon && Application) icon = Application->Icon()->Handle();
  SendMessageA(FHandle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(FHandle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void TCustomForm::SetBorderStyle(TFormBorderStyle s) {
  if (s == FBorderStyle) return;
  FBorderStyle = s;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == FBorderIcons) return;
  FBorderIcons = icons;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle s) {
  if (s == FFormStyle) return;
  auto isMDI = [](TFormStyle style) { return style == fsMDIForm || style == fsMDIChild; };
  if (FHandle && (isMDI(s) || isMDI(FFormStyle))) throw EInvalidOperation("Cannot change the MDI style of a shown form");
  FFormStyle = s;
  if (isMDI(s)) return;
  if (FHandle)
    SetWindowPos(FHandle, s == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TWindowState TCustomForm::WindowState() const {
  if (!FHandle) return FWindowState;
  if (IsIconic(FHandle)) return wsMinimized;
  if (IsZoomed(FHandle)) return wsMaximized;
  return wsNormal;
}

void TCustomForm::SetWindowState(TWindowState s) {
  FWindowState = s;
  if (FHandle && FVisible)
    ShowWindow(FHandle, s == wsMinimized ? SW_MINIMIZE : s == wsMaximized ? SW_MAXIMIZE : SW_RESTORE);
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu == FMenu) return;
  if (FMenu) {
    FMenu->RemoveFreeNotification(this);
    FMenu->SetWindow(nullptr);
  }
  FMenu = menu;
  if (menu) menu->FreeNotification(this);
  if (!FHandle) return;
  if (menu) menu->SetWindow(FHandle);
  ::SetMenu(FHandle, menu ? menu->Handle() : nullptr);
}

void TCustomForm::Notification(TComponent* c, TOperation op) {
  TCustomControl::Notification(c, op);
  if (op != opRemove) return;
  if (c == FWindowMenu) FWindowMenu = nullptr;
  if (c == FMenu) {
    FMenu = nullptr;
    if (FHandle && !IsDestroying()) ::SetMenu(FHandle, nullptr);
  }
}

bool TCustomForm::Active() const {
  if (FFormStyle != fsMDIChild) return FHandle && GetActiveWindow() == FHandle;
  TCustomForm* main = Application ? Application->MainForm() : nullptr;
  return main && main->Active() && main->ActiveMDIChild() == this;
}

void TCustomForm::SetActiveControl(TWinControl* c) {
  FActiveControl = c;
  if (c && FVisible && FHandle && IsWindowEnabled(FHandle) && c->CanFocus()) ::SetFocus(c->Handle());
}

void TCustomForm::SetFocusedControl(TWinControl* c) {
  if (c == FFocusedControl) return;
  TWinControl* old = FFocusedControl;
  FFocusedControl = c;
  if (c != this) FActiveControl = c;
  if (old && old != this) old->Perform(CM_EXIT);
  if (c && c != this) c->Perform(CM_ENTER);
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(c));
}

void TCustomForm::DefocusControl(TWinControl* c) {
  if (!c) return;
  bool focusInside = false;
  if (c->ContainsControl(FActiveControl)) FActiveControl = nullptr;
  if (c->ContainsControl(FFocusedControl)) {
    FFocusedControl = nullptr;
    focusInside = true;
  }
  if (focusInside && FHandle && c != this && !IsDestroying()) ::SetFocus(FHandle);
}

void TCustomForm::PlaceOnScreen() {
  if (FPlaced) return;
  FPlaced = true;
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  switch (FPosition) {
    case poScreenCenter:
    case poDesktopCenter:
      break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
      TCustomForm* main = Application ? Application->MainForm() : nullptr;
      if (!main || main == this || !main->HandleAllocated()) break;
      area = main->BoundsRect();
      break;
    }
    default:
      return;
  }
  int left = area.left + (area.right - area.left - FWidth) / 2;
  int top = area.top + (area.bottom - area.top - FHeight) / 2;
  SetBounds(std::max(0, left), std::max(0, top), FWidth, FHeight);
}

void TCustomForm::Show() {
  SetVisible(true);
  if (!FHandle) return;
  if (FFormStyle == fsMDIChild) SendMessageA(GetParent(FHandle), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(FHandle), 0);
  else SetWindowPos(FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TCustomForm::SetVisible(bool v) {
  if (v == FVisible) return;
  if (v) {
    HandleNeeded();
    PlaceOnScreen();
    if (OnShow) OnShow(this);
  } else if (OnHide) {
    OnHide(this);
  }
  TCustomControl::SetVisible(v);
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

namespace {
struct WindowSearch {
  HWND except;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectActiveWindow(HWND wnd, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  if (wnd != search->except && IsWindowVisible(wnd) && IsWindowEnabled(wnd)) search->found.push_back(wnd);
  return TRUE;
}

// The visible, enabled top-level windows of this thread but one.
std::vector<HWND> OtherActiveWindows(HWND except) {
  WindowSearch search{except, {}};
  EnumThreadWindows(GetCurrentThreadId(), CollectActiveWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}
}  // namespace

int TCustomForm::ShowModal() {
  if (FVisible || FModal) throw EInvalidOperation("Cannot make a visible window modal");
  ReleaseCapture();
  HWND previous = GetActiveWindow();
  std::vector<HWND> disabled = OtherActiveWindows(Handle());
  for (HWND w : disabled) EnableWindow(w, FALSE);
  auto restore = [&] {
    for (HWND w : disabled)
      if (IsWindow(w)) EnableWindow(w, TRUE);
    Hide();
    if (previous && IsWindow(previous)) SetActiveWindow(previous);
    FModal = false;
  };
  FModal = true;
  FModalResult = mrNone;
  try {
    Show();
    while (FModalResult == mrNone) {
      Application->HandleMessage();
      if (Application->Terminated()) FModalResult = mrCancel;
    }
  } catch (...) {
    restore();
    throw;
  }
  restore();
  return FModalResult;
}

void TCustomForm::Close() {
  if (FModal) {
    if (CloseQuery()) FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  bool isMain = Application && Application->MainForm() == this;
  // An MDI child cannot hide in its client: closing it frees it.
  TCloseAction action = isMain || FFormStyle == fsMDIChild ? caFree : caHide;
  if (OnClose) OnClose(this, action);
  if (action == caNone) return;
  if (isMain) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    default: Release(); break;
  }
}

void TCustomForm::Release() { PostMessageA(Handle(), CM_RELEASE, 0, 0); }

void TCustomForm::WndProc(TMessage& m) {
  if (MDIWndProc(m)) return;
  switch (m.Msg) {
    case CM_RELEASE:
      Free();
      return;
    case WM_CLOSE:
      Close();
      return;
    case WM_GETMINMAXINFO: {
      // The user's resizing keeps to the constraints too.
      DefaultHandler(m);
      auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
      TSizeConstraints* c = Constraints();
      int minWidth = c->MinWidth(), minHeight = c->MinHeight(), maxWidth = c->MaxWidth(), maxHeight = c->MaxHeight();
      ConstrainedResize(minWidth, minHeight, maxWidth, maxHeight);
      if (minWidth > 0) info->ptMinTrackSize.x = minWidth;
      if (minHeight > 0) info->ptMinTrackSize.y = minHeight;
      if (maxWidth > 0) info->ptMaxTrackSize.x = maxWidth;
      if (maxHeight > 0) info->ptMaxTrackSize.y = maxHeight;
      return;
    }
    case CM_VISIBLECHANGED:
      if (m.WParam) HandleNeeded();
      if (FHandle) {
        int show = FWindowState == wsMaximized ? SW_SHOWMAXIMIZED
                   : FWindowState == wsMinimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
        ShowWindow(FHandle, m.WParam ? show : SW_HIDE);
      }
      return;
    case WM_COMMAND:
      if (m.LParam == 0 && HIWORD(m.WParam) != 1 && FMenu && FMenu->DispatchCommand(LOWORD(m.WParam))) return;
      break;
    case WM_INITMENUPOPUP:
      // A submenu's item hears that it opens (its OnClick can set up the items below).
      if (FMenu)
        if (TMenuItem* item = FMenu->Items()->FindSubmenu(reinterpret_cast<HMENU>(m.WParam))) item->Click();
      break;
    case WM_ACTIVATE:
      if (LOWORD(m.WParam) != WA_INACTIVE) {
        if (OnActivate) OnActivate(this);
        if (FActiveControl && FActiveControl->CanFocus()) {
          ::SetFocus(FActiveControl->Handle());
          m.Result = 0;
          return;
        }
      } else if (OnDeactivate) {
        OnDeactivate(this);
      }
      break;
    case CM_DIALOGKEY:
      if (m.WParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
        SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
        m.Result = 1;
        return;
      }
      break;
  }
  TCustomControl::WndProc(m);
}

// ---------------------------------------------------------------- TApplication

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner), FIcon(std::make_unique<TIcon>()) {
  if (!ApplicationHandleException) ApplicationHandleException = HandleExceptionOfApplication;
  HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE);
  if (icon) FIcon->SetHandle(static_cast<HICON>(icon));
}

TApplication::~TApplication() {
  CancelHint();
  DestroyComponents();
  DeallocateHWnd(FHintTimers);
}

void TApplication::Notification(TComponent* c, TOperation op) {
  TComponent::Notification(c, op);
  if (op != opRemove) return;
  if (c == FMainForm) FMainForm = nullptr;
  if (c == FHintControl) CancelHint();
  if (c == FHintWindow) {
    FHintWindow = nullptr;
    FHintActive = false;
  }
}

std::string TApplication::ExeName() const {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, n);
}

std::string TApplication::Title() const {
  if (!FTitle.empty()) return FTitle;
  return ChangeFileExt(ExtractFileName(ExeName()), "");
}

HWND TApplication::Handle() const {
  return FMainForm && FMainForm->HandleAllocated() ? FMainForm->Handle() : nullptr;
}

void TApplication::Run() {
  try {
    if (FMainForm && FShowMainForm) FMainForm->Show();
  } catch (...) {
    EndWithError();
  }
  while (!FTerminated) HandleMessage();
}

void TApplication::Terminate() {
  PostQuitMessage(0);
}

bool TApplication::IsKeyMsg(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  // The framework control the key is for: the window's own, or that of a parent (the edit box
  // inside a combo box belongs to the combo box).
  HWND wnd = msg.hwnd;
  TWinControl* c = nullptr;
  while (wnd && !(c = TWinControl::FindControl(wnd))) wnd = GetParent(wnd);
  if (!c) return false;
  if (c->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0) return true;
  // Shortcuts of the form's menu.
  TCustomForm* form = GetParentForm(c);
  return form && form->Menu() && form->Menu()->IsShortCut(msg);
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    FTerminated = true;
    return true;
  }
  bool handled = false;
  try {
    HintMouseMessage(msg);
    if (OnMessage) OnMessage(msg, handled);
    std::vector<TApplicationEvents*> listeners = FEvents;
    for (TApplicationEvents* e : listeners) {
      if (handled) break;
      if (e->OnMessage && std::find(FEvents.begin(), FEvents.end(), e) != FEvents.end()) e->OnMessage(msg, handled);
    }
    if (!handled && !IsMDIMsg(msg) && !IsKeyMsg(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  } catch (...) {
    HandleException(this);
  }
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
    if (msg.message == WM_QUIT) {
      // Kept for the loop that ends the program.
      PostQuitMessage((int)msg.wParam);
      return;
    }
  }
}

void TApplication::Idle() {
  TControlCanvas::FreeDeviceContexts();
  if (OnIdle) {
    try {
      OnIdle(this);
    } catch (...) {
      HandleException(this);
    }
  }
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) {
    Idle();
    if (!FTerminated) WaitMessage();
  }
}

void TApplication::HandleException(TObject* Sender) {
  std::exception_ptr error = std::current_exception();
  if (!error) return;
  try {
    std::rethrow_exception(error);
  } catch (const EAbort&) {
    return;
  } catch (...) {
  }
  const Exception e = CurrentError();
  if (OnException) OnException(Sender, e);
  else ShowException(e);
}

void TApplication::EndWithError() {
  ShowException(CurrentError());
  TerminateProcess(GetCurrentProcess(), 1);
  ExitProcess(1);  // not reached: the process ends in TerminateProcess
}

void TApplication::ShowException(const Exception& E) {
  std::string text = E.Message();
  if (!text.empty() && text.back() > '.') text += '.';
  MessageBox(text, Title(), MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
  return ::MessageBoxA(DialogOwner(), text.c_str(), caption.c_str(), flags);
}

HWND TApplication::DialogOwner() const {
  TCustomForm* active = Screen ? Screen->ActiveForm() : nullptr;
  return active ? active->Handle() : Handle();
}

// ---------------------------------------------------------------- TApplicationEvents

TApplicationEvents::TApplicationEvents(TComponent* AOwner) : TComponent(AOwner) {
  if (Application) Application->FEvents.push_back(this);
}

TApplicationEvents::~TApplicationEvents() {
  if (!Application) return;
  auto& list = Application->FEvents;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

// ---------------------------------------------------------------- TScreen

void TScreen::SetCursors(TCursor c, HCURSOR cursor) {
  for (auto& entry : FCursors)
    if (entry.first == c) {
      entry.second = cursor;
      return;
    }
  FCursors.emplace_back(c, cursor);
}

TMonitor TScreen::MonitorFromWindow(HWND wnd) const {
  TMonitor m;
  m.Handle = ::MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{sizeof info};
  if (GetMonitorInfoA(m.Handle, &info)) {
    m.BoundsRect = info.rcMonitor;
    m.WorkareaRect = info.rcWork;
  }
  return m;
}

void TScreen::SetCursor(TCursor c) {
  if (c == FCursor) return;
  FCursor = c;
  if (c != crDefault) {
    ::SetCursor(Cursors(c));
    return;
  }
  // Back to the cursor of whatever is under the mouse.
  POINT p;
  GetCursorPos(&p);
  SetCursorPos(p.x, p.y);
}

HCURSOR TScreen::Cursors(TCursor c) const {
  struct Entry { TCursor cursor; LPCSTR id; };
  static const Entry table[] = {
      {crArrow, IDC_ARROW}, {crCross, IDC_CROSS}, {crIBeam, IDC_IBEAM}, {crSizeNESW, IDC_SIZENESW},
      {crSizeNS, IDC_SIZENS}, {crSizeNWSE, IDC_SIZENWSE}, {crSizeWE, IDC_SIZEWE}, {crUpArrow, IDC_UPARROW},
      {crHourGlass, IDC_WAIT}, {crNo, IDC_NO}, {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},
      {crHandPoint, IDC_HAND}, {crSizeAll, IDC_SIZEALL}, {crHSplit, IDC_SIZEWE}, {crVSplit, IDC_SIZENS},
      {crDrag, IDC_ARROW}, {crNoDrop, IDC_NO}, {crMultiDrag, IDC_ARROW}, {crSQLWait, IDC_WAIT}};
  if (c == crNone) return nullptr;
  for (const auto& entry : FCursors)
    if (entry.first == c) return entry.second;
  for (const Entry& e : table)
    if (e.cursor == c) return LoadCursorA(nullptr, e.id);
  return LoadCursorA(nullptr, IDC_ARROW);
}

TCustomForm* TScreen::ActiveForm() const {
  HWND active = GetActiveWindow();
  for (TCustomForm* f : FForms)
    if (f->HandleAllocated() && f->Handle() == active) return f;
  return nullptr;
}
