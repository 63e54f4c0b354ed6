#include "skin/SkinDatePicker.h"

#include "skin/SkinEngine.h"

namespace {

// The picker keeps its own up-down with this Tag.
constexpr int kOwnUpDownTag = 9998;

HWND OwnUpDown(TWinControl* picker) {
  return picker->HandleAllocated() ? FindWindowExA(picker->Handle(), nullptr, UPDOWN_CLASSA, nullptr)
                                   : nullptr;
}

}  // namespace

TkivSkinInternalUpDown::TkivSkinInternalUpDown(TComponent* owner, TDateTimePicker* picker,
                                               TkivSkinDateTimePicker* skinner)
    : TUpDown(owner), FControl(picker), FPicker(skinner) {
  SetBounds(0, 0, 16, 16);
}

TkivSkinInternalUpDown::~TkivSkinInternalUpDown() {
  FControl = nullptr;
  if (FPicker && !FPicker->Detached())
    FPicker->FUpDown = nullptr;
}

void TkivSkinInternalUpDown::WndProc(TMessage& m) {
  if (m.Msg == WM_ERASEBKGND) {
    m.Result = 1;
    return;
  }
  TUpDown::WndProc(m);
  const bool press = m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONUP || m.Msg == WM_LBUTTONDBLCLK;
  if (!FControl || (!press && m.Msg != WM_NCHITTEST))
    return;
  const HWND own = OwnUpDown(FControl);
  if (!own)
    return;
  // The own up-down lies under this one: the same point in its coordinates.
  const DWORD pos = GetMessagePos();
  POINT at{short(LOWORD(pos)), short(HIWORD(pos))};
  ::ScreenToClient(own, &at);
  if (press) {
    ReleaseCapture();
    SendMessageA(own, m.Msg, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  } else {
    SendMessageA(own, m.Msg, 0, MAKELPARAM(at.x, at.y));
  }
}

TkivSkinDateTimePicker::~TkivSkinDateTimePicker() { FreeUpDown(); }

bool TkivSkinDateTimePicker::ShowsDropDown() const {
  auto* picker = dynamic_cast<TDateTimePicker*>(Control());
  return picker && picker->Kind() == dtkDate && picker->DateMode() == dmComboBox;
}

void TkivSkinDateTimePicker::Attached() {
  TkivSkinExtComboboxLikeControl::Attached();
  auto* picker = dynamic_cast<TDateTimePicker*>(Control());
  if (!picker || (FEngine->ComponentState() & csDesigning))
    return;
  if (ComboButton())
    ComboButton()->SetVisible(ShowsDropDown());
  if (picker->Tag() == kOwnUpDownTag)
    return;
  FUpDown = new TkivSkinInternalUpDown(picker, picker, this);
  try {
    FUpDown->SetParent(picker);
    FUpDown->SetVisible(!ShowsDropDown());
    FUpDown->BringToFront();
    FUpDown->SetAlign(alRight);
  } catch (const std::exception&) {
    FreeUpDown();
  }
}

void TkivSkinDateTimePicker::UpdateSkin() {
  TkivSkinExtComboboxLikeControl::UpdateSkin();
  TkivSkinInternalComboButton* button = ComboButton();
  if (button && button->Visible())
    button->SetVisible(ShowsDropDown());
  auto* picker = WinControl();
  if (!FUpDown || !picker)
    return;
  const HWND own = OwnUpDown(picker);
  if (FEngine->IsSkinActive()) {
    FUpDown->SetVisible(!(button && button->Visible()));
    if (own)
      ShowWindow(own, SW_HIDE);
  } else {
    FUpDown->Hide();
    if (own)
      ShowWindow(own, SW_SHOW);
  }
}

void TkivSkinDateTimePicker::Detach() {
  TkivSkinExtComboboxLikeControl::Detach();
  FreeUpDown();
}

void TkivSkinDateTimePicker::FreeUpDown() {
  TkivSkinInternalUpDown* going = FUpDown;
  FUpDown = nullptr;
  if (going) {
    going->FPicker = nullptr;
    going->Free();
  }
}
