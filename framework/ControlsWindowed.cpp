// TWinControl: the window, its procedure (the spine of the message flow), children, alignment,
// focus and painting; TCustomControl.
#include <windowsx.h>

#include <algorithm>

#include "framework/Controls.h"
#include "framework/Forms.h"
#include "framework/Menus.h"

namespace {
const char* const kControlProp = "TessarkControl";
// The control whose window is being created: its first messages arrive before
// CreateWindowEx returns, so MainWndProc attaches the window to it then.
TWinControl* gCreating = nullptr;
int gNextControlId = 100;

void EnsureCommonControls() {
  static bool done = false;
  if (done) return;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES |
                                         ICC_COOL_CLASSES | ICC_USEREX_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  done = true;
}

// The child window a parent notification is about, or null.
HWND NotificationSource(HWND parent, const TMessage& m) {
  switch (m.Msg) {
    case WM_COMMAND:
    case WM_CTLCOLORBTN: case WM_CTLCOLORDLG: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
    case WM_HSCROLL: case WM_VSCROLL: case WM_VKEYTOITEM: case WM_CHARTOITEM:
      return reinterpret_cast<HWND>(m.LParam);
    case WM_NOTIFY:
      return reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom;
    case WM_DRAWITEM: {
      auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
      return d->CtlType == ODT_MENU ? nullptr : d->hwndItem;
    }
    case WM_MEASUREITEM: {
      auto* d = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
      return d->CtlType == ODT_MENU ? nullptr : GetDlgItem(parent, d->CtlID);
    }
    case WM_DELETEITEM:
      return reinterpret_cast<DELETEITEMSTRUCT*>(m.LParam)->hwndItem;
    case WM_COMPAREITEM:
      return reinterpret_cast<COMPAREITEMSTRUCT*>(m.LParam)->hwndItem;
  }
  return nullptr;
}

// The key a control may want for itself instead of the form's navigation, as a dialog code.
UINT DialogCodeFor(WORD key) {
  switch (key) {
    case VK_TAB: return DLGC_WANTTAB;
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: return DLGC_WANTARROWS;
    case VK_RETURN: case VK_EXECUTE: case VK_ESCAPE: case VK_CANCEL: return DLGC_WANTALLKEYS;
  }
  return 0;
}
}  // namespace

// ---------------------------------------------------------------- life

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner), FBrush(std::make_unique<TBrush>()) {
  FBrush->SetColor(FColor);
}

TWinControl::~TWinControl() {
  Destroying();
  FreeChildren();
  // Here, not in ~TControl: the parent must still see a windowed control (tab list, focus).
  if (FParent) FParent->RemoveControl(this);
  DestroyHandle();
}

void TWinControl::BeforeDestruction() {
  TControl::BeforeDestruction();
  FreeChildren();
}

void TWinControl::FreeChildren() {
  DestroyComponents();
  while (!FControls.empty()) {
    TControl* c = FControls.back();
    RemoveControl(c);
    c->Free();
  }
}

// ---------------------------------------------------------------- the window

TWinControl* TWinControl::FindControl(HWND wnd) {
  return wnd ? static_cast<TWinControl*>(GetPropA(wnd, kControlProp)) : nullptr;
}

LRESULT CALLBACK TWinControl::MainWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* c = FindControl(wnd);
  if (!c && gCreating) {
    c = gCreating;
    gCreating = nullptr;
    c->FHandle = wnd;
    SetPropA(wnd, kControlProp, c);
  }
  if (!c) return DefWindowProcA(wnd, msg, wParam, lParam);
  TMessage m;
  m.Msg = msg; m.WParam = wParam; m.LParam = lParam;
  try {
    // While the control is being freed only the platform's own handling is left.
    if (c->IsDestroying()) c->DefaultHandler(m);
    else if (c->WindowProc) c->WindowProc(m);
    else c->WndProc(m);
  } catch (...) {
    if (Application) Application->HandleException(c);
  }
  if (msg == WM_NCDESTROY) {
    RemovePropA(wnd, kControlProp);
    if (c->FHandle == wnd) c->FHandle = nullptr;
    c->FTrackingMouse = false;
  }
  return m.Result;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = FText;
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (FControlStyle & csAcceptsControls) params.Style |= WS_CLIPCHILDREN;
  if (FVisible) params.Style |= WS_VISIBLE;
  if (!FEnabled) params.Style |= WS_DISABLED;
  if (FTabStop) params.Style |= WS_TABSTOP;
  params.X = FLeft; params.Y = FTop; params.Width = FWidth; params.Height = FHeight;
  params.WndParent = FParent ? FParent->FHandle : FParentWindow;
  params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  params.WindowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  params.WinClassName = ClassName();
  params.DefWndProc = DefWindowProcA;
}

void TWinControl::CreateSubClass(TCreateParams& params, const char* className) {
  EnsureCommonControls();
  WNDCLASSA platformClass;
  if (!GetClassInfoA(nullptr, className, &platformClass))
    throw EOutOfResources(std::string("Unknown window class ") + className);
  params.DefWndProc = platformClass.lpfnWndProc;
  params.WindowClass = platformClass;
  params.WindowClass.style &= ~(CS_OWNDC | CS_CLASSDC | CS_PARENTDC | CS_GLOBALCLASS);
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  if (FParent) FParent->HandleNeeded();   // makes ours too, as one of its children
  if (!FHandle) CreateHandle();
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  CreateWnd();
  SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->Handle()), 0);
  UpdateBounds();
  CreateChildHandles();
}

void TWinControl::CreateChildHandles() {
  std::vector<TControl*> list = FControls;
  for (TControl* c : list)
    if (c->IsWindowed()) static_cast<TWinControl*>(c)->CreateHandle();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent)
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  FDefWndProc = params.DefWndProc ? params.DefWndProc : DefWindowProcA;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA registered;
  if (!GetClassInfoA(instance, params.WinClassName.c_str(), &registered)) {
    params.WindowClass.lpfnWndProc = MainWndProc;
    params.WindowClass.hInstance = instance;
    params.WindowClass.lpszClassName = params.WinClassName.c_str();
    params.WindowClass.lpszMenuName = nullptr;
    if (!RegisterClassA(&params.WindowClass)) RaiseLastOSError();
  }
  CreateWindowHandle(params);
  if (!FHandle) RaiseLastOSError();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  HMENU id = nullptr;
  if (params.Style & WS_CHILD) {
    if (!FCtlId) FCtlId = gNextControlId++;
    id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(FCtlId));
  }
  gCreating = this;
  HWND wnd = CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                             params.X, params.Y, params.Width, params.Height, params.WndParent, id,
                             GetModuleHandleA(nullptr), params.Param);
  gCreating = nullptr;
  if (!wnd) FHandle = nullptr;
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  for (TControl* c : FControls)
    if (c->IsWindowed()) static_cast<TWinControl*>(c)->DestroyHandle();
  DestroyWnd();
}

void TWinControl::DestroyWnd() {
  FText = Text();
  if (FCanvas) FCanvas->FreeHandle();
  DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle() {
  FControlState |= csDestroyingHandle;
  DestroyWindow(FHandle);
  FControlState &= ~csDestroyingHandle;
  FHandle = nullptr;
  FTrackingMouse = false;
}

void TWinControl::RecreateWnd() {
  if (FHandle) Perform(CM_RECREATEWND);
}

void TWinControl::SetParentWindow(HWND w) {
  if (FParent || w == FParentWindow) return;
  FParentWindow = w;
  if (FHandle) {
    if (w) ::SetParent(FHandle, w);
    else DestroyHandle();
  }
}

// ---------------------------------------------------------------- children

bool TWinControl::ContainsControl(TControl* c) const {
  for (; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(const TPoint& p, bool allowDisabled, bool allowWinControls) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (!c->Visible() || (!allowDisabled && !c->Enabled())) continue;
    if (c->IsWindowed() && !allowWinControls) continue;
    if (c->BoundsRect().Contains(p)) return c;
  }
  return nullptr;
}

void TWinControl::InsertControl(TControl* c) {
  c->FParent = this;
  FControls.push_back(c);
  if (c->IsWindowed()) FTabList.push_back(static_cast<TWinControl*>(c));
  c->Perform(CM_PARENTCOLORCHANGED);
  c->Perform(CM_PARENTFONTCHANGED);
  c->UpdateAnchorRules();
  if (c->IsWindowed()) {
    auto* w = static_cast<TWinControl*>(c);
    if (w->FHandle && FHandle) ::SetParent(w->FHandle, FHandle);
    else if (w->FHandle) w->DestroyHandle();
    else if (FHandle) w->CreateHandle();
  } else {
    c->Invalidate();
  }
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(c), 1);
  AlignControl(c);
}

void TWinControl::RemoveControl(TControl* c) {
  if (c->FParent != this) return;
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(c), 0);
  if (c->IsWindowed()) {
    auto* w = static_cast<TWinControl*>(c);
    if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(w);
    w->DestroyHandle();
    FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), w), FTabList.end());
  } else {
    c->Invalidate();
  }
  if (FMouseControl == c) FMouseControl = nullptr;
  if (c->MouseCapture()) c->SetMouseCapture(false);
  FControls.erase(std::remove(FControls.begin(), FControls.end(), c), FControls.end());
  c->FParent = nullptr;
  if (!IsDestroying()) Realign();
}

void TWinControl::Broadcast(TMessage& m) {
  std::vector<TControl*> list = FControls;
  for (TControl* c : list) {
    if (std::find(FControls.begin(), FControls.end(), c) == FControls.end()) continue;
    if (c->WindowProc) c->WindowProc(m);
    else c->WndProc(m);
    if (m.Result) return;
  }
}

// ---------------------------------------------------------------- tab order and focus

int TWinControl::TabOrder() const {
  if (!FParent) return -1;
  auto& list = FParent->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (!FParent) return;
  auto& list = FParent->FTabList;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  order = std::max(0, std::min(order, (int)list.size()));
  list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool t) {
  if (t == FTabStop) return;
  FTabStop = t;
  if (FHandle) {
    LONG style = GetWindowLongA(FHandle, GWL_STYLE);
    SetWindowLongA(FHandle, GWL_STYLE, t ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  }
  Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* c : FTabList) {
    list.push_back(c);
    c->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  int count = (int)list.size();
  auto it = std::find(list.begin(), list.end(), current);
  int start = it != list.end() ? int(it - list.begin()) : (goForward ? count - 1 : 0);
  int i = start;
  do {
    i = goForward ? (i + 1) % count : (i + count - 1) % count;
    TWinControl* c = list[i];
    if (c != current && c->CanFocus() && (!checkTabStop || c->TabStop()) && (!checkParent || c->FParent == this))
      return c;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  if (TWinControl* c = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) c->SetFocus();
}

void TWinControl::SelectFirst() {
  if (TWinControl* c = FindNextControl(nullptr, true, true, false)) c->SetFocus();
}

bool TWinControl::CanFocus() {
  for (TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

void TWinControl::SetFocus() {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this) form->SetActiveControl(this);
  else ::SetFocus(Handle());
}

// ---------------------------------------------------------------- bounds and showing

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!CheckNewSize(AWidth, AHeight)) return;
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  if (FHandle) {
    // WM_WINDOWPOSCHANGED reads the bounds back and aligns the children.
    SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    bool sized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft; FTop = ATop; FWidth = AWidth; FHeight = AHeight;
    if (sized) {
      Realign();
      Resize();
    }
  }
  UpdateAnchorRules();
  RequestAlign();
}

void TWinControl::UpdateBounds() {
  if (!FHandle) return;
  RECT r;
  if (IsIconic(FHandle)) {
    WINDOWPLACEMENT p{sizeof p};
    GetWindowPlacement(FHandle, &p);
    r = p.rcNormalPosition;
  } else {
    GetWindowRect(FHandle, &r);
    if (GetWindowLongA(FHandle, GWL_STYLE) & WS_CHILD)
      MapWindowPoints(nullptr, GetParent(FHandle), reinterpret_cast<POINT*>(&r), 2);
  }
  if (TRect(r) == BoundsRect()) return;
  FLeft = r.left; FTop = r.top; FWidth = r.right - r.left; FHeight = r.bottom - r.top;
  UpdateAnchorRules();
}

TRect TWinControl::ClientRect() const {
  if (FHandle) {
    RECT r;
    GetClientRect(FHandle, &r);
    return r;
  }
  // Without a window: the size less the frame that the window will have.
  TCreateParams params;
  const_cast<TWinControl*>(this)->CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  return TRect(0, 0, std::max(0L, FWidth - (frame.right - frame.left)),
               std::max(0L, FHeight - (frame.bottom - frame.top)));
}

TPoint TWinControl::ClientOrigin() const {
  if (!FHandle) return TControl::ClientOrigin();
  POINT p{0, 0};
  ::ClientToScreen(FHandle, &p);
  return p;
}

void TWinControl::SetVisible(bool v) { TControl::SetVisible(v); }

void TWinControl::SetEnabled(bool v) { TControl::SetEnabled(v); }

bool TWinControl::Showing() const {
  if (FParent) return FVisible && FParent->Showing();
  return FVisible && FHandle && IsWindowVisible(FHandle);
}

void TWinControl::UpdateShowing() {
  if (FParent && !FParent->FHandle) return;   // made and shown with the parent's window
  if (FVisible) HandleNeeded();
  if (FHandle) ShowWindow(FHandle, FVisible ? (FParent || FParentWindow ? SW_SHOWNA : SW_SHOW) : SW_HIDE);
}

void TWinControl::SetZOrder(bool topmost) {
  TControl::SetZOrder(topmost);
  if (FHandle)
    SetWindowPos(FHandle, topmost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, !(FControlStyle & csOpaque));
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::FontChanged() {
  if (FHandle) SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->Handle()), TRUE);
  TControl::FontChanged();
  TMessage m;
  m.Msg = CM_PARENTFONTCHANGED;
  Broadcast(m);
}

void TWinControl::ColorChanged() {
  TControl::ColorChanged();
  TMessage m;
  m.Msg = CM_PARENTCOLORCHANGED;
  Broadcast(m);
}

void TWinControl::SetParent(TWinControl* parent) {
  TControl::SetParent(parent);
  if (parent) FParentWindow = nullptr;
}

void TWinControl::Loaded() {
  TControl::Loaded();
  if (FAlignPending) Realign();
}

// ---------------------------------------------------------------- alignment

void TWinControl::DisableAlign() { ++FAlignLevel; }

void TWinControl::EnableAlign() {
  if (FAlignLevel > 0 && --FAlignLevel == 0 && FAlignPending) Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::AlignControl(TControl* control) {
  if (FAlignLevel > 0 || IsLoading() || FAligning) {
    if (!FAligning) FAlignPending = true;
    return;
  }
  FAlignPending = false;
  ++FAligning;
  TRect r = ClientRect();
  try {
    AlignControls(control, r);
  } catch (...) {
    --FAligning;
    throw;
  }
  --FAligning;
}

void TWinControl::AdjustClientRect(TRect& rect) { (void)rect; }

namespace {
// Places one control without taking the move as a new anchor position.
struct AnchorMove {
  int& level;
  explicit AnchorMove(int& l) : level(l) { ++level; }
  ~AnchorMove() { --level; }
};
}  // namespace

void TWinControl::AlignControls(TControl* control, TRect& rect) {
  AdjustClientRect(rect);
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<TControl*> list;
    for (TControl* c : FControls)
      if (c->FAlign == align && c->FVisible) list.push_back(c);
    // Controls of one side stand in the order of their positions; on a tie the control being
    // placed goes first.
    auto key = [align](TControl* c) {
      switch (align) {
        case alTop: return c->FTop;
        case alBottom: return -(c->FTop + c->FHeight);
        case alLeft: return c->FLeft;
        case alRight: return -(c->FLeft + c->FWidth);
        default: return 0;
      }
    };
    std::stable_sort(list.begin(), list.end(), [&](TControl* a, TControl* b) {
      return key(a) < key(b) || (key(a) == key(b) && a == control && b != control);
    });
    for (TControl* c : list) {
      AnchorMove move(c->FAnchorMove);
      switch (align) {
        case alTop:
          c->SetBounds(rect.left, rect.top, rect.Width(), c->FHeight);
          rect.top += c->FHeight;
          break;
        case alBottom:
          c->SetBounds(rect.left, rect.bottom - c->FHeight, rect.Width(), c->FHeight);
          rect.bottom -= c->FHeight;
          break;
        case alLeft:
          c->SetBounds(rect.left, rect.top, c->FWidth, rect.Height());
          rect.left += c->FWidth;
          break;
        case alRight:
          c->SetBounds(rect.right - c->FWidth, rect.top, c->FWidth, rect.Height());
          rect.right -= c->FWidth;
          break;
        default:
          c->SetBounds(rect.left, rect.top, rect.Width(), rect.Height());
          break;
      }
    }
  }
  // Anchored controls keep their distances to the anchored sides of the client area.
  TRect client = ClientRect();
  for (TControl* c : FControls) {
    if (c->FAlign != alNone || !c->FAnchorValid || c->FAnchors == (akLeft | akTop)) continue;
    int dx = client.Width() - c->FAnchorParentSize.x, dy = client.Height() - c->FAnchorParentSize.y;
    TRect b = c->FAnchorBase;
    int left = b.left, top = b.top, width = b.Width(), height = b.Height();
    if (c->FAnchors & akRight) {
      if (c->FAnchors & akLeft) width += dx;
      else left += dx;
    } else if (!(c->FAnchors & akLeft)) {
      left += dx / 2;
    }
    if (c->FAnchors & akBottom) {
      if (c->FAnchors & akTop) height += dy;
      else top += dy;
    } else if (!(c->FAnchors & akTop)) {
      top += dy / 2;
    }
    AnchorMove move(c->FAnchorMove);
    c->SetBounds(left, top, width, height);
  }
}

// ---------------------------------------------------------------- painting

void TWinControl::PaintWindow(HDC dc) {
  if (IsOwnClass()) return;
  TMessage m;
  m.Msg = WM_PAINT;
  m.WParam = reinterpret_cast<WPARAM>(dc);
  DefaultHandler(m);
}

void TWinControl::PaintHandler(TMessage& m) {
  PAINTSTRUCT ps;
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if (!dc) dc = BeginPaint(FHandle, &ps);
  int saved = SaveDC(dc);
  try {
    PaintWindow(dc);
    RestoreDC(dc, saved);
    PaintControls(dc, nullptr);
  } catch (...) {
    if (!m.WParam) EndPaint(FHandle, &ps);
    throw;
  }
  if (!m.WParam) EndPaint(FHandle, &ps);
  m.Result = 0;
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  auto from = first ? std::find(FControls.begin(), FControls.end(), first) : FControls.begin();
  std::vector<TControl*> list(from, FControls.end());
  for (TControl* c : list) {
    if (c->IsWindowed() || !c->FVisible) continue;
    TRect b = c->BoundsRect();
    if (!RectVisible(dc, &b)) continue;
    int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, b.left, b.top, nullptr);
    IntersectClipRect(dc, 0, 0, b.Width(), b.Height());
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
  }
}

// ---------------------------------------------------------------- keys and focus events

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

bool TWinControl::DoKeyDown(TMessage& m) {
  WORD key = (WORD)m.WParam;
  KeyDown(key, KeyDataToShiftState(m.LParam));
  m.WParam = key;
  return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& m) {
  WORD key = (WORD)m.WParam;
  KeyUp(key, KeyDataToShiftState(m.LParam));
  m.WParam = key;
  return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& m) {
  char key = (char)m.WParam;
  KeyPress(key);
  m.WParam = (unsigned char)key;
  return key == 0;
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

// ---------------------------------------------------------------- the handler chain

bool TWinControl::ReflectToChild(TMessage& m) {
  TWinControl* child = FindControl(NotificationSource(FHandle, m));
  if (!child || child == this) return false;
  m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
  return true;
}

void TWinControl::UpdateMouseTracking(TMessage& m) {
  if (!FTrackingMouse) {
    TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, FHandle, 0};
    FTrackingMouse = TrackMouseEvent(&t) != FALSE;
    Perform(CM_MOUSEENTER);
  }
  TControl* capture = CaptureControl();
  TControl* over = capture && capture->FParent == this && !capture->IsWindowed()
                       ? capture
                       : ControlAtPos(TPoint(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)), false);
  if (over == FMouseControl) return;
  TControl* old = FMouseControl;
  FMouseControl = over;
  if (old) old->Perform(CM_MOUSELEAVE);
  if (over) over->Perform(CM_MOUSEENTER);
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_COMMAND: case WM_NOTIFY: case WM_DRAWITEM: case WM_MEASUREITEM: case WM_DELETEITEM:
    case WM_COMPAREITEM: case WM_HSCROLL: case WM_VSCROLL: case WM_VKEYTOITEM: case WM_CHARTOITEM:
    case WM_CTLCOLORBTN: case WM_CTLCOLORDLG: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
      if (ReflectToChild(m)) return;
      if ((m.Msg == WM_DRAWITEM || m.Msg == WM_MEASUREITEM) && DispatchMenuDrawMessage(m)) return;
      break;
    case CN_CTLCOLORBTN: case CN_CTLCOLORDLG: case CN_CTLCOLOREDIT: case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORMSGBOX: case CN_CTLCOLORSCROLLBAR: case CN_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      SetTextColor(dc, ColorRef(FFont->Color()));
      SetBkColor(dc, ColorRef(FBrush->Color()));
      m.Result = reinterpret_cast<LRESULT>(FBrush->Handle());
      return;
    }
    case CN_KEYDOWN: case CN_SYSKEYDOWN: {
      // Navigation keys go to the form unless the control wants them itself.
      WORD key = (WORD)m.WParam;
      UINT code = DialogCodeFor(key);
      m.Result = 0;
      if (!code || Perform(CM_WANTSPECIALKEY, key, m.LParam)) return;
      UINT wants = (UINT)Perform(WM_GETDLGCODE);
      if (wants & (code == DLGC_WANTTAB ? DLGC_WANTTAB : code | DLGC_WANTMESSAGE)) return;
      if (TCustomForm* form = GetParentForm(this)) m.Result = form->Perform(CM_DIALOGKEY, key, m.LParam);
      return;
    }
    case CN_CHAR: case CN_SYSCHAR: {
      // Mnemonics: a character the control does not take, or any with Alt, goes to the form.
      m.Result = 0;
      if (m.Msg == CN_CHAR && (Perform(WM_GETDLGCODE) & (DLGC_WANTCHARS | DLGC_WANTMESSAGE))) return;
      if (TCustomForm* form = GetParentForm(this)) m.Result = form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam);
      return;
    }
    case CN_KEYUP:
      m.Result = 0;
      return;
    case CM_DIALOGKEY: case CM_DIALOGCHAR:
      Broadcast(m);
      return;
    case WM_MOUSEMOVE:
      UpdateMouseTracking(m);
      [[fallthrough]];
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_LBUTTONUP: case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: case WM_RBUTTONUP: case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_MBUTTONUP: {
      // Over a graphic child (or captured by one): the message is the child's.
      TControl* capture = CaptureControl();
      TPoint p(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      TControl* target = capture && capture->FParent == this && !capture->IsWindowed()
                             ? capture
                             : (capture == this ? nullptr : ControlAtPos(p, false));
      if (target) {
        m.Result = target->Perform(m.Msg, m.WParam, MAKELPARAM(p.x - target->FLeft, p.y - target->FTop));
        return;
      }
      break;
    }
    case WM_MOUSELEAVE:
      FTrackingMouse = false;
      if (FMouseControl) {
        TControl* old = FMouseControl;
        FMouseControl = nullptr;
        old->Perform(CM_MOUSELEAVE);
      }
      Perform(CM_MOUSELEAVE);
      break;
    case WM_CONTEXTMENU: {
      TPoint p = ScreenToClient(TPoint(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)));
      TControl* c = m.LParam != -1 ? ControlAtPos(p, false) : nullptr;
      if (c && c->Perform(WM_CONTEXTMENU, m.WParam, m.LParam)) {
        m.Result = 1;
        return;
      }
      break;
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(m.WParam) == FHandle && LOWORD(m.LParam) == HTCLIENT) {
        TCursor cursor = Screen ? Screen->Cursor() : crDefault;
        if (cursor == crDefault) {
          POINT p;
          GetCursorPos(&p);
          TControl* c = ControlAtPos(ScreenToClient(p), false);
          cursor = c && c->Cursor() != crDefault ? c->Cursor() : FCursor;
        }
        if (cursor != crDefault && Screen) {
          ::SetCursor(Screen->Cursors(cursor));
          m.Result = 1;
          return;
        }
      }
      break;
    case WM_SETFOCUS:
      if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
      break;
    case WM_KEYDOWN: case WM_SYSKEYDOWN:
      if (DoKeyDown(m)) return;
      break;
    case WM_KEYUP: case WM_SYSKEYUP:
      if (DoKeyUp(m)) return;
      break;
    case WM_CHAR:
      if (DoKeyPress(m)) return;
      break;
    case WM_PAINT:
      if (IsOwnClass() || std::any_of(FControls.begin(), FControls.end(),
                                      [](TControl* c) { return !c->IsWindowed(); })) {
        PaintHandler(m);
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (IsOwnClass()) {
        RECT r;
        GetClientRect(FHandle, &r);
        FillRect(reinterpret_cast<HDC>(m.WParam), &r, FBrush->Handle());
        m.Result = 1;
        return;
      }
      break;
    case WM_WINDOWPOSCHANGED: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(m.LParam);
      int oldWidth = FWidth, oldHeight = FHeight;
      UpdateBounds();
      DefaultHandler(m);
      if (!(pos->flags & SWP_NOSIZE) || (pos->flags & SWP_FRAMECHANGED)) Realign();
      if (FWidth != oldWidth || FHeight != oldHeight) Resize();
      return;
    }
    case WM_CAPTURECHANGED:
      if (TControl* c = CaptureControl(); c && c->FParent == this) c->SetMouseCapture(false);
      break;
    case CM_VISIBLECHANGED:
      UpdateShowing();
      break;
    case CM_ENABLEDCHANGED:
      if (FHandle) EnableWindow(FHandle, FEnabled);
      break;
    case CM_COLORCHANGED:
      FBrush->SetColor(FColor);
      Invalidate();
      break;
    case CM_ENTER:
      DoEnter();
      break;
    case CM_EXIT:
      DoExit();
      break;
    case CM_RECREATEWND: {
      bool focused = Focused();
      DestroyHandle();
      UpdateShowing();
      if (!FHandle && (!FParent || FParent->FHandle)) HandleNeeded();
      if (focused && FHandle) ::SetFocus(FHandle);
      return;
    }
  }
  TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (!FHandle) {
    TControl::DefaultHandler(m);
    return;
  }
  m.Result = CallWindowProcA(FDefWndProc ? FDefWndProc : DefWindowProcA, FHandle, m.Msg, m.WParam, m.LParam);
}

// ---------------------------------------------------------------- TCustomControl

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::Paint() {
  if (OnPaint) OnPaint(this);
}

void TCustomControl::PaintWindow(HDC dc) { ControlCanvas()->PaintOn(dc, [this] { Paint(); }); }
