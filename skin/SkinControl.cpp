#include "skin/SkinControl.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "skin/SkinEngine.h"
#include "skin/core/plain_window.h"

// Lets a skinner hear that its control has gone, so that it neither calls nor restores it.
class TkivSkinControlWatch : public TComponent {
public:
  TkivSkinControlWatch(TControl* control, TkivSkinControlVCL* skinner)
      : TComponent(nullptr), FSkinner(skinner) {
    control->FreeNotification(this);
  }
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == opRemove && c == FSkinner->Control()) {
      FSkinner->FControl = nullptr;
      FSkinner->ControlGone();
    }
  }

private:
  TkivSkinControlVCL* FSkinner;
};

namespace {

constexpr char kSkinnerProperty[] = "KIVSkinControl";
constexpr UINT kRedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME;

struct ControlSkinnerEntry {
  std::function<bool(TControl*)> IsA;
  TControlSkinnerFactory Create;
};

struct WndSkinnerEntry {
  std::string ClassKey;  // upper case, at most 67 characters
  TWndSkinnerFactory Create;
};

constexpr std::size_t kClassKeyLength = 67;

std::vector<ControlSkinnerEntry>& ControlSkinners() {
  static std::vector<ControlSkinnerEntry> entries;
  return entries;
}

std::vector<WndSkinnerEntry>& WndSkinners() {
  static std::vector<WndSkinnerEntry> entries;
  return entries;
}

std::string ClassKey(std::string name) {
  name.resize(std::min(name.size(), kClassKeyLength));
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return char(std::toupper(c)); });
  return name;
}

}  // namespace

void RegisterControlSkinner(std::function<bool(TControl*)> isA, TControlSkinnerFactory create) {
  ControlSkinners().push_back({std::move(isA), std::move(create)});
}

void RegisterWndSkinner(const std::string& className, TWndSkinnerFactory create) {
  WndSkinners().push_back({ClassKey(className), std::move(create)});
}

std::unique_ptr<TkivSkinControl> FindControlSkinner(TControl* control, TkivSkinEngine* engine) {
  const auto& entries = ControlSkinners();
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
    if (entry->IsA(control))
      return entry->Create(control, engine);
  return nullptr;
}

std::unique_ptr<TkivSkinControl> FindWndSkinner(HWND window, TkivSkinEngine* engine) {
  char name[kClassKeyLength + 1] = "";
  GetClassNameA(window, name, sizeof name);
  std::string key = ClassKey(name);
  const DWORD style = DWORD(GetWindowLongA(window, GWL_STYLE));
  if (key == "BUTTON") {
    switch (skin::WndButtonKindOf(style)) {
      case skin::WndButtonKind::None: return nullptr;
      case skin::WndButtonKind::PushButton: break;
      case skin::WndButtonKind::CheckBox: key = "BUTTON_CHECKBOX"; break;
      case skin::WndButtonKind::RadioButton: key = "BUTTON_RADIOBUTTON"; break;
    }
  } else if (key == "COMBOBOX" && (style & 3) == CBS_SIMPLE) {
    return nullptr;
  } else if (key == "COMBOBOXEX32") {
    // The extended combo's look is its inner combo box's.
    window = GetTopWindow(window);
    if (!window)
      return nullptr;
  }
  const auto& entries = WndSkinners();
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
    if (entry->ClassKey == key)
      return entry->Create(window, engine);
  return nullptr;
}

// ------------------------------------------------------------------------------- the base

TkivSkinControl::~TkivSkinControl() = default;

bool TkivSkinControl::BeforeMessage(TMessage&) { return true; }

void TkivSkinControl::Dispatch(TMessage& m, bool exempt,
                               const std::function<void(TMessage&)>& callOld) {
  if (exempt || FEngine->IsDestroying() || !FEngine->IsSkinActive()) {
    callOld(m);
    return;
  }
  // The control's own handling may end the skinner (a form unskinned by a click).
  const std::weak_ptr<bool> alive = FAlive;
  if (BeforeMessage(m))
    callOld(m);
  if (!alive.expired() && !FDetached)
    AfterMessage(m);
}

void TkivSkinControl::PaintSkin() {
  if (FEngine->IsSkinActive())
    Paint();
}

bool TkivSkinControl::TakeOverPainting(TMessage& m) {
  if (m.Msg == WM_ERASEBKGND) {
    m.Result = 1;
    return true;
  }
  if (m.Msg != WM_PAINT)
    return false;
  PAINTSTRUCT ps;
  const HWND window = GetHandle();
  BeginPaint(window, &ps);
  Paint();
  EndPaint(window, &ps);
  FPaintTakenOver = true;
  m.Result = 0;
  return true;
}

void TkivSkinControl::Track(skin::StateEvent event, int key) {
  FState = skin::NextState(FState, event, key);
}

void TkivSkinControl::AfterMessage(TMessage& m) {
  using skin::StateEvent;
  const int key = int(m.WParam);
  switch (m.Msg) {
    case WM_ERASEBKGND:
      break;  // a paint request follows every erase and draws the skin once, last
    case WM_PAINT:
      if (FPaintTakenOver) {
        FPaintTakenOver = false;  // drawn already, inside the paint request
        break;
      }
      PaintSkin();
      break;
    case WM_SETTEXT:
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case KM_REPAINT:
      PaintSkin();
      break;
    case CM_MOUSEENTER:
      if (m.LParam != 0)
        break;  // a child's, passed up to its parents
      Track(StateEvent::MouseEnter);
      PaintSkin();
      MouseEnter();
      break;
    case CM_MOUSELEAVE:
      if (m.LParam != 0)
        break;
      Track(StateEvent::MouseLeave);
      PaintSkin();
      MouseLeave();
      break;
    case WM_LBUTTONDOWN:
      Track(StateEvent::ButtonDown);
      PaintSkin();
      MouseDown();
      break;
    case WM_LBUTTONUP:
      Track(StateEvent::ButtonUp);
      PaintSkin();
      MouseUp();
      break;
    case WM_KEYDOWN:
      Track(StateEvent::KeyDown, key);
      PaintSkin();
      KeyDown(key);
      break;
    case WM_KEYUP:
      Track(StateEvent::KeyUp, key);
      PaintSkin();
      KeyUp(key);
      break;
    case KM_ISSKINNED:
      m.Result = 1;
      break;
  }
}

void TkivSkinControl::DrawBitmapAndText(TBitmap* bitmap, const std::string& text, TRect textRect,
                                        TFont* font) {
  const HWND window = GetHandle();
  const HDC dc = window ? GetDC(window) : nullptr;
  if (!dc)
    return;
  const TRect r = GetClientRect();
  TCanvas canvas;
  canvas.SetHandle(dc);
  canvas.CopyRect(r, bitmap->Canvas(), r);
  if (!text.empty()) {
    canvas.Brush()->SetStyle(bsClear);
    if (font)
      canvas.SetFont(font);
    if (!GetEnabled())
      canvas.Font()->SetColor(0x808080);
    if (FState.Down)
      OffsetRect(&textRect, 1, 1);
    canvas.DrawTextEx(text, textRect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  }
  canvas.SetHandle(nullptr);
  ReleaseDC(window, dc);
}

void TkivSkinControl::DrawBitmapAt(TBitmap* bitmap, TPoint at) {
  const HWND window = GetHandle();
  const HDC dc = window ? GetDC(window) : nullptr;
  if (!dc)
    return;
  TCanvas canvas;
  canvas.SetHandle(dc);
  canvas.Draw(at.x, at.y, bitmap);
  canvas.SetHandle(nullptr);
  ReleaseDC(window, dc);
}

// ----------------------------------------------------------------------- framework controls

TkivSkinControlVCL::TkivSkinControlVCL(TControl* control, TkivSkinEngine* engine)
    : TkivSkinControl(engine), FControl(control) {}

void TkivSkinControlVCL::Start() {
  FWatch = new TkivSkinControlWatch(FControl, this);
  FOldWindowProc = FControl->WindowProc;
  FControl->WindowProc = [this](TMessage& m) {
    const bool exempt = !FControl || FEngine->IsExemptTag(FControl->Tag());
    // A copy: the skinner, and the saved procedure with it, may go while the control handles it.
    const TWndMethod old = FOldWindowProc;
    Dispatch(m, exempt, old);
  };
  Attached();
}

TkivSkinControlVCL::~TkivSkinControlVCL() {
  if (FControl) {
    FControl->WindowProc = FOldWindowProc;
    FControl->RemoveFreeNotification(FWatch);
  }
  if (FWatch)
    FWatch->Free();
}

void TkivSkinControlVCL::Invalidate() {
  TWinControl* windowed = WinControl();
  if (windowed && windowed->HandleAllocated())
    RedrawWindow(windowed->Handle(), nullptr, nullptr, kRedrawAll);
  else if (FControl && !windowed)
    FControl->Invalidate();  // drawn on its parent
}

TRect TkivSkinControlVCL::GetClientRect() { return FControl ? FControl->ClientRect() : TRect(); }

HWND TkivSkinControlVCL::GetHandle() {
  TWinControl* windowed = WinControl();
  return windowed ? windowed->Handle() : nullptr;
}

bool TkivSkinControlVCL::GetEnabled() { return FControl && FControl->Enabled(); }

// ------------------------------------------------------------------------------ plain windows

TkivSkinControlWnd::TkivSkinControlWnd(HWND handle, TkivSkinEngine* engine)
    : TkivSkinControl(engine), FHandle(handle) {}

void TkivSkinControlWnd::Start() {
  SetPropA(FHandle, kSkinnerProperty, this);
  FOldWndProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(FHandle, GWLP_WNDPROC));
  SetWindowLongPtrA(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinWndProc));
  Attached();
}

TkivSkinControlWnd::~TkivSkinControlWnd() {
  if (FHandle && IsWindow(FHandle) && GetPropA(FHandle, kSkinnerProperty) == this) {
    SetWindowLongPtrA(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldWndProc));
    RemovePropA(FHandle, kSkinnerProperty);
  }
}

LRESULT CALLBACK TkivSkinControlWnd::SkinWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* skinner = static_cast<TkivSkinControlWnd*>(GetPropA(wnd, kSkinnerProperty));
  if (!skinner)
    return DefWindowProcA(wnd, msg, wParam, lParam);
  const WNDPROC old = skinner->FOldWndProc;
  if (msg == WM_NCDESTROY) {
    // The window goes first: the skinner lets go of it and is no longer found.
    RemovePropA(wnd, kSkinnerProperty);
    SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    skinner->FHandle = nullptr;
    return CallWindowProcA(old, wnd, msg, wParam, lParam);
  }
  TMessage m;
  m.Msg = msg;
  m.WParam = wParam;
  m.LParam = lParam;
  try {
    skinner->Dispatch(m, false, [&](TMessage& passed) {
      passed.Result = CallWindowProcA(old, wnd, passed.Msg, passed.WParam, passed.LParam);
    });
  } catch (const std::exception&) {
    Application->HandleException(nullptr);
  }
  return m.Result;
}

void TkivSkinControlWnd::Invalidate() {
  if (FHandle)
    RedrawWindow(FHandle, nullptr, nullptr, kRedrawAll);
}

TRect TkivSkinControlWnd::GetClientRect() {
  return TRect(0, 0, WindowWidth(), WindowHeight());
}

int TkivSkinControlWnd::WindowWidth() const {
  RECT r{};
  GetWindowRect(FHandle, &r);
  return r.right - r.left;
}

int TkivSkinControlWnd::WindowHeight() const {
  RECT r{};
  GetWindowRect(FHandle, &r);
  return r.bottom - r.top;
}

std::string TkivSkinControlWnd::WindowText() const {
  char text[260] = "";
  ::GetWindowTextA(FHandle, text, sizeof text);
  return text;
}
