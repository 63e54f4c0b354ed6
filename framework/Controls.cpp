// TControl, TGraphicControl and the helpers every control uses; the windowed half of the
// message flow is in ControlsWindowed.cpp.
#include "framework/Controls.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/Forms.h"
#include "framework/Menus.h"

namespace {
// The graphic control that has the mouse captured (its parent window holds the capture).
TControl* gCaptureControl = nullptr;
// Never freed: controls may still go at the end of the program, after this unit's statics.
std::vector<TControlCanvas*>& CanvasesWithDC() {
  static auto* canvases = new std::vector<TControlCanvas*>;
  return *canvases;
}
}  // namespace

TShiftState KeysToShiftState(WORD keys) {
  TShiftState s = 0;
  if (keys & MK_SHIFT) s |= ssShift;
  if (keys & MK_CONTROL) s |= ssCtrl;
  if (keys & MK_LBUTTON) s |= ssLeft;
  if (keys & MK_RBUTTON) s |= ssRight;
  if (keys & MK_MBUTTON) s |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

TShiftState KeyDataToShiftState(LPARAM keyData) {
  TShiftState s = 0;
  if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
  if (keyData & (1 << 29)) s |= ssAlt;
  return s;
}

TShiftState ShiftStateNow() {
  TShiftState s = KeyDataToShiftState(0);
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

namespace {
char UpperChar(char c) {
  CharUpperBuffA(&c, 1);
  return c;
}
}  // namespace

bool IsAccel(char key, const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return UpperChar(caption[i + 1]) == UpperChar(key);
    ++i;  // "&&" is a plain "&"
  }
  return false;
}

std::string StripHotkey(const std::string& caption) {
  std::string r;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        r += '&';
        ++i;
      }
      continue;
    }
    r += caption[i];
  }
  return r;
}

// ---------------------------------------------------------------- TSizeConstraints

void TSizeConstraints::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TSizeConstraints*>(Source)) {
    FMinWidth = s->FMinWidth; FMinHeight = s->FMinHeight;
    FMaxWidth = s->FMaxWidth; FMaxHeight = s->FMaxHeight;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

namespace {
// v within min and max, where 0 means no limit.
int Limit(int v, int min, int max) {
  if (max > 0 && v > max) v = max;
  if (min > 0 && v < min) v = min;
  return v;
}
}  // namespace

void TSizeConstraints::Constrain(int& w, int& h) const {
  w = Limit(w, FMinWidth, FMaxWidth);
  h = Limit(h, FMinHeight, FMaxHeight);
}

// ---------------------------------------------------------------- TControlCanvas

TControlCanvas::TControlCanvas(TControl* control)
    : TWindowCanvas([this] { return DCWindow(); }), FControl(control) {}

TControlCanvas::~TControlCanvas() { FreeHandle(); }

HWND TControlCanvas::DCWindow() const {
  if (!FControl) return nullptr;
  TWinControl* window = FControl->IsWindowed() ? static_cast<TWinControl*>(FControl) : FControl->Parent();
  return window ? window->Handle() : nullptr;
}

void TControlCanvas::SetControl(TControl* c) {
  FreeHandle();
  FControl = c;
}

void TControlCanvas::CreateHandle() {
  TWindowCanvas::CreateHandle();
  if (!HandleAllocated()) return;
  if (!FControl->IsWindowed()) {
    SetViewportOrgEx(Handle(), FControl->Left(), FControl->Top(), nullptr);
    IntersectClipRect(Handle(), 0, 0, FControl->Width(), FControl->Height());
  }
  CanvasesWithDC().push_back(this);
}

void TControlCanvas::FreeHandle() {
  TWindowCanvas::FreeHandle();
  auto& canvases = CanvasesWithDC();
  canvases.erase(std::remove(canvases.begin(), canvases.end(), this), canvases.end());
}

void TControlCanvas::PaintOn(HDC dc, const std::function<void()>& paint) {
  FreeHandle();
  SetHandle(dc);
  struct Unlock {
    TCanvas* canvas;
    ~Unlock() { canvas->SetHandle(nullptr); }
  } unlock{this};
  paint();
}

void TControlCanvas::FreeDeviceContexts() {
  std::vector<TControlCanvas*> list = CanvasesWithDC();
  for (TControlCanvas* c : list) c->FreeHandle();
}

// ---------------------------------------------------------------- TControl

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FFont(std::make_unique<TFont>()), FConstraints(std::make_unique<TSizeConstraints>()) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  FFont->OnChange = [this](TObject*) {
    if (!FFontFromParent) FParentFont = false;
    FontChanged();
  };
  FConstraints->OnChange = [this](TObject*) { SetBounds(FLeft, FTop, FWidth, FHeight); };
}

TControl::~TControl() {
  if (FParent) FParent->RemoveControl(this);
  if (gCaptureControl == this) gCaptureControl = nullptr;
  FFont->OnChange = nullptr;
  FConstraints->OnChange = nullptr;
}

void TControl::BeforeDestruction() {
  TComponent::BeforeDestruction();
  if (gCaptureControl == this) SetMouseCapture(false);
}

LRESULT TControl::Perform(UINT msg, WPARAM w, LPARAM l) {
  TMessage m;
  m.Msg = msg; m.WParam = w; m.LParam = l;
  if (WindowProc) WindowProc(m);
  else WndProc(m);
  return m.Result;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (FParent) FParent->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!CheckNewSize(AWidth, AHeight)) return;
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  bool sized = AWidth != FWidth || AHeight != FHeight;
  InvalidateControl(FVisible, false);
  FLeft = ALeft; FTop = ATop; FWidth = AWidth; FHeight = AHeight;
  UpdateAnchorRules();
  InvalidateControl(FVisible, (FControlStyle & csOpaque) != 0);
  if (sized) Resize();
  RequestAlign();
}

TRect TControl::ClientRect() const { return TRect(0, 0, FWidth, FHeight); }

void TControl::SetClientSize(int w, int h) {
  TRect r = ClientRect();
  SetBounds(FLeft, FTop, FWidth + w - r.Width(), FHeight + h - r.Height());
}
void TControl::SetClientWidth(int w) { SetClientSize(w, ClientHeight()); }
void TControl::SetClientHeight(int h) { SetClientSize(ClientWidth(), h); }

TPoint TControl::ClientOrigin() const {
  if (!FParent) return TPoint(FLeft, FTop);
  TPoint p = FParent->ClientOrigin();
  return TPoint(p.x + FLeft, p.y + FTop);
}

TPoint TControl::ClientToScreen(const TPoint& p) const {
  TPoint o = ClientOrigin();
  return TPoint(p.x + o.x, p.y + o.y);
}

TPoint TControl::ScreenToClient(const TPoint& p) const {
  TPoint o = ClientOrigin();
  return TPoint(p.x - o.x, p.y - o.y);
}

TPoint TControl::ClientToParent(const TPoint& p, TWinControl* parent) const {
  if (!parent) parent = FParent;
  if (!parent) return TPoint(p.x + FLeft, p.y + FTop);
  return parent->ScreenToClient(ClientToScreen(p));
}

void TControl::SetVisible(bool v) {
  if (v == FVisible) return;
  FVisible = v;
  Perform(CM_VISIBLECHANGED, v);
  RequestAlign();
}

bool TControl::Showing() const { return FVisible && FParent && FParent->Showing(); }

void TControl::SetEnabled(bool v) {
  if (v == FEnabled) return;
  FEnabled = v;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetAlign(TAlign a) {
  if (a == FAlign) return;
  FAlign = a;
  if (a != alNone && a != alCustom) FAnchors = akLeft | akTop;
  RequestAlign();
}

void TControl::SetAnchors(TAnchors a) {
  if (a == FAnchors) return;
  FAnchors = a;
  UpdateAnchorRules();
}

std::string TControl::Text() const {
  auto* self = const_cast<TControl*>(this);
  int length = (int)self->Perform(WM_GETTEXTLENGTH);
  if (length <= 0) return std::string();
  std::string s(length + 1, '\0');
  int copied = (int)self->Perform(WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&s[0]));
  s.resize(std::max(0, std::min(copied, length)));
  return s;
}

void TControl::SetText(const std::string& s) {
  if (Text() == s) return;
  Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(s.c_str()));
  Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor c) {
  FParentColor = false;
  if (c == FColor) return;
  FColor = c;
  ColorChanged();
}

void TControl::SetParentColor(bool v) {
  FParentColor = v;
  if (v) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool v) {
  FParentFont = v;
  if (v) Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged() {
  Perform(CM_FONTCHANGED);
  Invalidate();
}

void TControl::ColorChanged() { Perform(CM_COLORCHANGED); }

void TControl::SetPopupMenu(TPopupMenu* m) {
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = m;
  if (m) m->FreeNotification(this);
}

void TControl::SetCursor(TCursor c) {
  if (c == FCursor) return;
  FCursor = c;
  Perform(CM_CURSORCHANGED);
}

TControl* TControl::CaptureControl() {
  HWND capture = GetCapture();
  if (!capture) return nullptr;
  if (gCaptureControl && gCaptureControl->FParent && gCaptureControl->FParent->FHandle == capture)
    return gCaptureControl;
  return TWinControl::FindControl(capture);
}

bool TControl::MouseCapture() const { return CaptureControl() == this; }

void TControl::SetMouseCapture(bool c) {
  if (c == MouseCapture()) return;
  if (!c) {
    gCaptureControl = nullptr;
    ReleaseCapture();
    return;
  }
  if (IsWindowed()) {
    SetCapture(static_cast<TWinControl*>(this)->Handle());
  } else if (FParent) {
    SetCapture(FParent->Handle());
    gCaptureControl = this;
  }
}

void TControl::InvalidateControl(bool isVisible, bool isOpaque) {
  if (!isVisible || !FParent || !FParent->HandleAllocated()) return;
  TRect r = BoundsRect();
  InvalidateRect(FParent->FHandle, &r, !isOpaque);
}

void TControl::Invalidate() { InvalidateControl(FVisible, (FControlStyle & csOpaque) != 0); }

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::SetZOrder(bool topmost) {
  if (!FParent) return;
  auto& list = FParent->FControls;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  if (topmost) list.push_back(this);
  else list.insert(list.begin(), this);
  Invalidate();
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

bool TControl::DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, shift, delta, mousePos, handled);
  TMouseWheelUpDownEvent& upDown = delta < 0 ? OnMouseWheelDown : OnMouseWheelUp;
  if (!handled && upDown) upDown(this, shift, mousePos, handled);
  return handled;
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

bool TControl::CanResize(int& newWidth, int& newHeight) {
  bool resize = true;
  if (OnCanResize) OnCanResize(this, newWidth, newHeight, resize);
  return resize;
}

void TControl::ConstrainedResize(int& minWidth, int& minHeight, int& maxWidth, int& maxHeight) {
  if (OnConstrainedResize) OnConstrainedResize(this, minWidth, minHeight, maxWidth, maxHeight);
}

bool TControl::CheckNewSize(int& width, int& height) {
  int w = width, h = height;
  if (!CanResize(w, h)) return false;
  int minWidth = FConstraints->MinWidth(), minHeight = FConstraints->MinHeight();
  int maxWidth = FConstraints->MaxWidth(), maxHeight = FConstraints->MaxHeight();
  ConstrainedResize(minWidth, minHeight, maxWidth, maxHeight);
  width = Limit(w, minWidth, maxWidth);
  height = Limit(h, minHeight, maxHeight);
  return true;
}

void TControl::RequestAlign() {
  if (FParent) FParent->AlignControl(this);
}

void TControl::UpdateAnchorRules() {
  if (FAnchorMove || !FParent) return;
  FAnchorBase = BoundsRect();
  TRect client = FParent->ClientRect();
  FAnchorParentSize = TPoint(client.Width(), client.Height());
  FAnchorValid = true;
}

TControlCanvas* TControl::ControlCanvas() {
  if (!FCanvas) FCanvas = std::make_unique<TControlCanvas>(this);
  return FCanvas.get();
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (FParent) {
    Perform(CM_PARENTCOLORCHANGED);
    Perform(CM_PARENTFONTCHANGED);
  }
}

bool TControl::HasProperty(const std::string& name, int* value) const {
  if (name != "ParentColor") return false;
  if (value) *value = FParentColor;
  return true;
}

bool TControl::HasPropertyWithBorderStyle(const std::string& name, int* value, int borderStyle) const {
  if (name != "BorderStyle") return TControl::HasProperty(name, value);
  if (value) *value = borderStyle;
  return true;
}

void TControl::Notification(TComponent* c, TOperation op) {
  TComponent::Notification(c, op);
  if (op == opRemove && c == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::HandleMouseMessage(TMessage& m) {
  DefaultHandler(m);
  int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
  TShiftState shift = KeysToShiftState(LOWORD(m.WParam));
  auto press = [&](TMouseButton button, bool dbl) {
    if (button == mbLeft) {
      if (FControlStyle & csCaptureMouse) SetMouseCapture(true);
      if (FControlStyle & csClickEvents) FControlState |= csClicked;
      if (dbl && (FControlStyle & csDoubleClicks)) DblClick();
    }
    MouseDown(button, dbl ? shift | ssDouble : shift, x, y);
  };
  switch (m.Msg) {
    case WM_MOUSEMOVE: MouseMove(shift, x, y); break;
    case WM_LBUTTONDOWN: press(mbLeft, false); break;
    case WM_LBUTTONDBLCLK: press(mbLeft, true); break;
    case WM_RBUTTONDOWN: press(mbRight, false); break;
    case WM_RBUTTONDBLCLK: press(mbRight, true); break;
    case WM_MBUTTONDOWN: press(mbMiddle, false); break;
    case WM_MBUTTONDBLCLK: press(mbMiddle, true); break;
    case WM_LBUTTONUP: {
      bool clicked = (FControlState & csClicked) != 0;
      FControlState &= ~csClicked;
      if (MouseCapture()) SetMouseCapture(false);
      if (clicked && ClientRect().Contains(TPoint(x, y))) Click();
      MouseUp(mbLeft, shift, x, y);
      break;
    }
    case WM_RBUTTONUP: MouseUp(mbRight, shift, x, y); break;
    case WM_MBUTTONUP: MouseUp(mbMiddle, shift, x, y); break;
  }
}

void TControl::HandleContextMenu(TMessage& m) {
  TPoint screen(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
  if (screen.x == -1 && screen.y == -1) screen = ClientToScreen(TPoint(FWidth / 2, FHeight / 2));
  bool handled = false;
  if (OnContextPopup) OnContextPopup(this, ScreenToClient(screen), handled);
  if (handled) {
    m.Result = 1;
    return;
  }
  if (FPopupMenu && FPopupMenu->AutoPopup()) {
    FPopupMenu->SetPopupComponent(this);
    FPopupMenu->Popup(screen.x, screen.y);
    m.Result = 1;
    return;
  }
  DefaultHandler(m);
}

void TControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_LBUTTONUP:
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_RBUTTONUP:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_MBUTTONUP:
      HandleMouseMessage(m);
      return;
    case WM_MOUSEWHEEL: {
      TPoint p(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      if (DoMouseWheel(KeysToShiftState(LOWORD(m.WParam)), (short)HIWORD(m.WParam), p)) {
        m.Result = 1;
        return;
      }
      break;
    }
    case WM_CONTEXTMENU:
      HandleContextMenu(m);
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      // Our own entering or leaving has LParam 0; the parents hear of it with LParam = the control.
      if (m.LParam == 0) {
        FMouseInControl = m.Msg == CM_MOUSEENTER;
        TNotifyEvent& event = FMouseInControl ? OnMouseEnter : OnMouseLeave;
        if (event) event(this);
      }
      if (FParent) FParent->Perform(m.Msg, 0, m.LParam ? m.LParam : reinterpret_cast<LPARAM>(this));
      return;
    case CM_PARENTCOLORCHANGED:
      if (FParentColor && FParent && FParent->Color() != FColor) {
        FColor = FParent->Color();
        ColorChanged();
      }
      return;
    case CM_PARENTFONTCHANGED:
      if (FParentFont && FParent) {
        FFontFromParent = true;
        FFont->Assign(FParent->Font());
        FFontFromParent = false;
      }
      return;
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
      if (!IsWindowed()) InvalidateControl(true, false);
      break;
  }
  DefaultHandler(m);
}

void TControl::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case WM_GETTEXTLENGTH:
      m.Result = (LRESULT)FText.size();
      break;
    case WM_GETTEXT: {
      if (m.WParam == 0) break;
      size_t n = std::min<size_t>(FText.size(), m.WParam - 1);
      char* buffer = reinterpret_cast<char*>(m.LParam);
      std::copy_n(FText.data(), n, buffer);
      buffer[n] = '\0';
      m.Result = (LRESULT)n;
      break;
    }
    case WM_SETTEXT:
      FText = m.LParam ? reinterpret_cast<const char*>(m.LParam) : "";
      m.Result = 1;
      break;
  }
}

// ---------------------------------------------------------------- TGraphicControl

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT && m.WParam) {
    ControlCanvas()->PaintOn(reinterpret_cast<HDC>(m.WParam), [this] { Paint(); });
    return;
  }
  TControl::WndProc(m);
}

// ---------------------------------------------------------------- hints

std::string GetShortHint(const std::string& hint) {
  size_t bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string GetLongHint(const std::string& hint) {
  size_t bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

namespace {
const int kHintMargin = 2;
}

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  FVisible = false;
  FColor = clInfoBk;
  FParentColor = false;
  FBrush->SetColor(FColor);
  FFont->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.WindowClass.style |= CS_SAVEBITS;
  params.WndParent = nullptr;
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint) {
  RECT r{0, 0, maxWidth, 0};
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, FFont->Handle());
  DrawTextA(dc, hint.c_str(), (int)hint.size(), &r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  // Room for the border and the margins.
  return TRect(0, 0, r.right + 2 * kHintMargin + 2, r.bottom + 2 * kHintMargin + 2);
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& hint) {
  SetText(hint);
  HandleNeeded();
  FVisible = true;
  SetWindowPos(FHandle, HWND_TOPMOST, rect.left, rect.top, rect.Width(), rect.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

void THintWindow::ReleaseHandle() {
  FVisible = false;
  if (FHandle) ShowWindow(FHandle, SW_HIDE);
}

void THintWindow::WndProc(TMessage& m) {
  if (m.Msg == WM_NCHITTEST) {
    m.Result = HTTRANSPARENT;
    return;
  }
  TCustomControl::WndProc(m);
}

void THintWindow::Paint() {
  TRect r = ClientRect();
  r.left += kHintMargin;
  r.top += kHintMargin;
  std::string text = Text();
  HDC dc = Canvas()->Handle();
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorRef(FFont->Color()));
  HGDIOBJ old = SelectObject(dc, FFont->Handle());
  DrawTextA(dc, text.c_str(), (int)text.size(), &r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
}
