#include "skin/SkinWindowWnd.h"

#include "skin/SkinEngine.h"
#include "skin/core/plain_window.h"

namespace {

const char kWindowProperty[] = "KivSkinWindowWnd";
// SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED
constexpr UINT kRecomputeFrame = 0x37;

skin::Size ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {int(r.right), int(r.bottom)};
}

}  // namespace

LRESULT CALLBACK TkivSkinWindowWnd::SkinWindowProc(HWND wnd, UINT msg, WPARAM wParam,
                                                   LPARAM lParam) {
  auto* window = static_cast<TkivSkinWindowWnd*>(GetPropA(wnd, kWindowProperty));
  if (!window)
    return DefWindowProcA(wnd, msg, wParam, lParam);
  TMessage m;
  m.Msg = msg;
  m.WParam = wParam;
  m.LParam = lParam;
  try {
    window->HandleMessage(m);
  } catch (const std::exception&) {
    Application->HandleException(nullptr);
  }
  return m.Result;
}

void TkivSkinWindowWnd::Attach(HWND handle) {
  FHandle = handle;
  SetPropA(handle, kWindowProperty, this);
  FOldWndProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(handle, GWLP_WNDPROC));
  SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinWindowProc));
}

void TkivSkinWindowWnd::Detach() {
  SetWindowLongPtrA(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldWndProc));
  RemovePropA(FHandle, kWindowProperty);
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, kRecomputeFrame);
}

void TkivSkinWindowWnd::CallOldProc(TMessage& m) {
  m.Result = CallWindowProcA(FOldWndProc, FHandle, m.Msg, m.WParam, m.LParam);
}

void TkivSkinWindowWnd::AfterAttach() {
  for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!(GetWindowLongA(child, GWL_STYLE) & WS_CHILD) ||
        SendMessageA(child, KM_ISSKINNED, 0, 0) == 1)
      continue;
    if (auto skinner = FindWndSkinner(child, FEngine))
      FSkinnedControls.push_back(std::move(skinner));
  }
}

TkivSkinControl* TkivSkinWindowWnd::SkinnerOf(HWND child) const {
  for (const auto& skinner : FSkinnedControls)
    if (skinner->GetHandle() == child)
      return skinner.get();
  return nullptr;
}

void TkivSkinWindowWnd::BeforeDetach() {
  for (auto& skinner : FSkinnedControls)
    skinner->Detach();
  FSkinnedControls.clear();
}

void TkivSkinWindowWnd::PrepareSkin() {
  FPreparedStyle = GetWindowLongA(FHandle, GWL_STYLE);
  const skin::Size client = ClientSize(FHandle);
  FSavedClientWidth = client.Width;
  FSavedClientHeight = client.Height;
  FUnskinnedFrameHeight = WindowHeight() - client.Height;
}

skin::PlainFrame TkivSkinWindowWnd::Frame() const {
  return {FEngine->Metrics(), TitleHeight(), FUnskinnedFrameHeight};
}

void TkivSkinWindowWnd::SetStyleKeepingVisibility(LONG style) {
  const LONG visible = GetWindowLongA(FHandle, GWL_STYLE) & WS_VISIBLE;
  SetWindowLongA(FHandle, GWL_STYLE, (style & ~WS_VISIBLE) | visible);
}

void TkivSkinWindowWnd::UpdateSkin() {
  if (!Destroying()) {
    for (auto& skinner : FSkinnedControls) {
      try {
        skinner->UpdateSkin();
        skinner->Invalidate();
      } catch (const std::exception&) {
        // One skinner that fails leaves the others to refresh.
      }
    }
  }
  RECT r{};
  GetWindowRect(FHandle, &r);
  // The platform's size first, undone by the frame the window grew by (the skin's, or another
  // one since), then grown by the frame of the skin in effect: the client area stays whole
  // however often the skin is applied or changed.
  skin::Size size{int(r.right - r.left), int(r.bottom - r.top)};
  if (FGrownBy)
    size = skin::ShrunkWindowSize(size, *FGrownBy);
  FGrownBy.reset();
  if (Skinned()) {
    SetStyleKeepingVisibility(FPreparedStyle & ~WS_SYSMENU);
    SetMenu(FHandle, nullptr);
    FGrownBy = Frame();
    size = skin::GrownWindowSize(size, *FGrownBy);
  } else {
    // Its style at the first background erase, with the system menu the skin may have taken
    // away before it.
    const LONG own = FStyleSaved ? FErasedStyle : FPreparedStyle;
    SetStyleKeepingVisibility(own | (FPreparedStyle & WS_SYSMENU));
    SetWindowRgn(FHandle, nullptr, TRUE);
  }
  MoveWindow(FHandle, r.left, r.top, size.Width, size.Height, TRUE);
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, kRecomputeFrame);
}

bool TkivSkinWindowWnd::PreFilter(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      if (!FStyleSaved) {
        FErasedStyle = GetWindowLongA(FHandle, GWL_STYLE);
        FStyleSaved = true;
      }
      return true;
    case WM_DESTROY: {
      // The dialog's own clean-up still runs, on its own procedure, once the skin is off.
      const HWND handle = FHandle;
      const WNDPROC old = FOldWndProc;
      FEngine->UnskinWindow(handle);  // frees this object
      m.Result = CallWindowProcA(old, handle, m.Msg, m.WParam, m.LParam);
      return false;
    }
    case WM_SYSCOMMAND:
      if ((m.WParam & 0xFFF0) != SC_CLOSE)
        return true;
      // Even a box without a Cancel button ends as cancelled (Alt+F4, the close button).
      PostMessageA(FHandle, WM_COMMAND, IDCANCEL, 0);
      m.Result = 0;
      return false;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
      m.Result = reinterpret_cast<LRESULT>(FEngine->BackgroundBrush());
      return false;
  }
  return true;
}

void TkivSkinWindowWnd::PostHook(TMessage& m) {
  if (m.Msg != WM_SIZE)
    return;
  if (!FRefitted && !IsZoomed(FHandle) &&
      skin::NeedsRefit(ClientSize(FHandle), {FSavedClientWidth, FSavedClientHeight})) {
    FRefitted = true;
    RECT r{};
    GetWindowRect(FHandle, &r);
    MoveWindow(FHandle, r.left, r.top, r.right - r.left, skin::RefitHeight(r.bottom - r.top, Frame()),
               TRUE);
  }
  SetRegion();
}
