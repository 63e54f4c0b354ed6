#include "skin/SkinWndSkinners.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "skin/SkinButtons.h"
#include "skin/SkinDraw.h"
#include "skin/SkinEngine.h"
#include "skin/SkinPlatform.h"
#include "skin/SkinTabs.h"

namespace {

constexpr unsigned kHoverInterval = 138;  // ms
constexpr int kMinBoxWidth = 14;

TColor SkinColor(TkivSkinEngine* engine, const char* name) { return TColor(engine->GetSkinInt(name)); }

}  // namespace

void RegisterStdWndSkinners() {
  static const bool registered = [] {
    RegisterWndSkinner("COMBOBOX", &MakeSkinner<TkivSkinWndComboBox, HWND>);
    RegisterWndSkinner("COMBOBOXEX32", &MakeSkinner<TkivSkinWndComboBox, HWND>);
    RegisterWndSkinner("BUTTON", &MakeSkinner<TkivSkinWndButton, HWND>);
    RegisterWndSkinner("BUTTON_CHECKBOX", &MakeSkinner<TkivSkinWndCheckBox, HWND>);
    RegisterWndSkinner("BUTTON_RADIOBUTTON", &MakeSkinner<TkivSkinWndRadioButton, HWND>);
    RegisterWndSkinner("SYSTABCONTROL32", &MakeSkinner<TkivSkinWndTabControl, HWND>);
    RegisterWndSkinner("TOOLBARWINDOW32", &MakeSkinner<TkivSkinWndToolbarWindow32, HWND>);
    return true;
  }();
  (void)registered;
}

// ----------------------------------------------------------------------------- combo box

void TkivSkinWndComboBox::Paint() {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!skin::GetComboBoxInfo(GetHandle(), info))
    return;
  TkivSkinBorderWndControl::Paint();
  const HWND window = GetHandle();
  TWindowCanvas canvas([window] { return window; });
  const TRect button = info.rcButton;
  skin::FillRectColor(&canvas, button, FEngine->GetFormColor());
  canvas.Pen()->SetColor(SkinColor(FEngine, "ControlBorderColor"));
  canvas.MoveTo(button.left, button.top - 1);
  canvas.LineTo(button.left, button.bottom + 1);
  skin::DrawArrowDown(&canvas, button.left + button.Width() / 2 - 3, button.Height() / 2,
                      GetEnabled());
}

// ---------------------------------------------------------------------------- push button

bool TkivSkinWndButton::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_KEYDOWN:
      if (m.WParam == VK_RETURN || m.WParam == VK_SPACE) {
        m.Result = 0;
        return false;
      }
      return true;
    case WM_MOUSEMOVE:
      SetHot(true);
      PaintSkin();
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetDown(true);
      PaintSkin();
      m.Result = 0;
      return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      PaintSkin();
      return false;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(GetHandle(), &ps);
      PaintSkin();
      EndPaint(GetHandle(), &ps);
      m.Result = 0;
      return false;
    }
    case WM_ERASEBKGND:
      PaintSkin();
      return true;
  }
  return true;
}

void TkivSkinWndButton::AfterMessage(TMessage& m) {
  TkivSkinControlWnd::AfterMessage(m);
  if (m.Msg == WM_SETFOCUS)
    PaintSkin();
}

void TkivSkinWndButton::MouseDown() {
  SetFocus(GetHandle());
  FClicked = true;
}

void TkivSkinWndButton::MouseUp() {
  if (!FClicked)
    return;
  FClicked = false;
  const HWND button = GetHandle();
  PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

void TkivSkinWndButton::Attached() {
  TkivSkinControlWnd::Attached();
  FClicked = false;
  FHoverTimer = std::make_unique<TTimer>(nullptr);
  FHoverTimer->SetInterval(kHoverInterval);
  FHoverTimer->OnTimer = Handler(this, &TkivSkinWndButton::HoverTimer);
  FHoverTimer->SetEnabled(true);
}

void TkivSkinWndButton::Detach() {
  FHoverTimer.reset();
  TkivSkinControlWnd::Detach();
}

void TkivSkinWndButton::HoverTimer(TObject*) {
  if (!State().Hot || !GetHandle())
    return;
  POINT cursor{};
  RECT r{};
  GetCursorPos(&cursor);
  GetWindowRect(GetHandle(), &r);
  if (skin::CoordInRect(cursor.x, cursor.y, TRect(r)))
    return;
  SetHot(false);
  SetDown(false);
  PaintSkin();
}

void TkivSkinWndButton::Paint() {
  TBitmap* face = FFace.Get(FEngine, WindowWidth(), WindowHeight(), State(), ::GetFocus() == GetHandle());
  TFont font;
  skin::SetMenuFont(&font);
  DrawBitmapAndText(face, WindowText(), TRect(0, 0, face->Width(), face->Height()), &font);
}

// ------------------------------------------------------------------ check and radio boxes

void TkivSkinWndCheckBox::AfterMessage(TMessage& m) {
  TkivSkinControlWnd::AfterMessage(m);
  if (m.Msg == WM_LBUTTONDBLCLK)
    PaintSkin();
}

void TkivSkinWndCheckBox::Attached() {
  TkivSkinControlWnd::Attached();
  FStyle = GetWindowLongA(GetHandle(), GWL_STYLE);
}

void TkivSkinWndCheckBox::Paint() { PaintBox("CheckBoxImage", false); }

void TkivSkinWndCheckBox::PaintBox(const char* imageName, bool transparent) {
  const bool checked = SendMessageA(GetHandle(), BM_GETCHECK, 0, 0) != 0;
  const int frame = (GetEnabled() ? 1 : 3) + (checked ? 0 : 1);
  TBitmap image;
  FEngine->GetSkinBitmap(imageName, &image, 4, frame);
  image.SetTransparent(transparent);
  TBitmap box;
  box.SetSize(std::max(image.Width(), kMinBoxWidth), std::max(image.Height(), WindowHeight()));
  skin::FillRectColor(box.Canvas(), TRect(0, 0, box.Width(), box.Height()), FEngine->GetFormColor());
  box.Canvas()->Draw(0, 0, &image);
  DrawBitmapAt(&box, TPoint(0, 0));
}

void TkivSkinWndRadioButton::AfterMessage(TMessage& m) {
  TkivSkinWndCheckBox::AfterMessage(m);
  if (m.Msg == BM_SETCHECK)
    PaintSkin();
}

void TkivSkinWndRadioButton::Paint() { PaintBox("RadioButtonImage", true); }

// ---------------------------------------------------------------------------- tab control

int TkivSkinWndTabControl::FirstTabHeight() {
  RECT tab{};
  SendMessageA(GetHandle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
  return tab.bottom - tab.top;
}

void TkivSkinWndTabControl::Attached() {
  TkivSkinControlWnd::Attached();
  FTabHeight = FirstTabHeight();
}

void TkivSkinWndTabControl::UpdateSkin() {
  // lParam 0 lets the control size its tabs anew; its own height comes back when unskinned.
  if (FEngine->IsSkinActive()) {
    FTabHeight = FirstTabHeight();
    SendMessageA(GetHandle(), TCM_SETITEMSIZE, 0, 0);
  } else {
    SendMessageA(GetHandle(), TCM_SETITEMSIZE, 0, FTabHeight);
  }
}

bool TkivSkinWndTabControl::BeforeMessage(TMessage& m) { return !TakeOverPainting(m); }

void TkivSkinWndTabControl::Paint() {
  TFont font;
  skin::SetMenuFont(&font);
  TkivTabLook look;
  look.Font = &font;
  TBitmap bitmap;
  bitmap.SetSize(WindowWidth(), WindowHeight());
  DrawSkinnedTabs(FEngine, GetHandle(), look, &bitmap);
  DrawBitmapAt(&bitmap, TPoint(0, 0));
}

// ------------------------------------------------------------------------------- tool bar

void TkivSkinWndToolbarWindow32::Attached() {
  TkivSkinControlWnd::Attached();
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  // Only the old Windows family draws tool bars raised unless told to be flat.
  if (GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) {
    const LRESULT style = SendMessageA(GetHandle(), TB_GETSTYLE, 0, 0);
    SendMessageA(GetHandle(), TB_SETSTYLE, 0, style | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT);
  }
}
