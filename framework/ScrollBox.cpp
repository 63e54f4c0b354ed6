#include "framework/ScrollBox.h"

#include <algorithm>

namespace {

constexpr int kLineStep = 18;  // a line: a text row of 17 pixels and its grid line

}  // namespace

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
}

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) {
  SetBounds(0, 0, 185, 41);
}

void TScrollBox::SetBorderStyle(TBorderStyle s) {
  FBorderStyle = s;
  if (HandleAllocated()) RecreateWnd();
}

void TScrollBox::CreateParams(TCreateParams& params) {
  TScrollingWinControl::CreateParams(params);
  if (FBorderStyle != bsNone) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::CreateWnd() {
  TScrollingWinControl::CreateWnd();
  UpdateScrollBar();
}

int TScrollBox::ContentHeight() const {
  int bottom = 0;
  for (int i = 0; i < ControlCount(); ++i)
    if (const TControl* c = Controls(i); c->Visible())
      bottom = std::max(bottom, c->Top() + c->Height() + FVertPosition);
  return bottom;
}

int TScrollBox::MaxVertPosition() const { return std::max(ContentHeight() - ClientHeight(), 0); }

// Aligned children stand from the scrolled top.
void TScrollBox::AdjustClientRect(TRect& rect) { rect.top -= FVertPosition; }

void TScrollBox::AlignControls(TControl* control, TRect& rect) {
  // A bar that comes or goes changes the width the children get: then they are placed again.
  for (int pass = 0; pass < 2; ++pass) {
    TScrollingWinControl::AlignControls(control, rect);
    const int most = MaxVertPosition();
    if (FVertPosition > most) {  // the children shrank: what is left comes down
      for (int i = 0; i < ControlCount(); ++i)
        if (TControl* c = Controls(i); c->Align() == alNone) c->SetTop(c->Top() + FVertPosition - most);
      FVertPosition = most;
      rect = ClientRect();
      TScrollingWinControl::AlignControls(control, rect);
    }
    const int width = ClientWidth();
    UpdateScrollBar();
    if (ClientWidth() == width) return;
    rect = ClientRect();
  }
}

void TScrollBox::SetVertPosition(int position) {
  position = std::clamp(position, 0, MaxVertPosition());
  if (position == FVertPosition) return;
  for (int i = 0; i < ControlCount(); ++i)
    if (TControl* c = Controls(i); c->Align() == alNone) c->SetTop(c->Top() + FVertPosition - position);
  FVertPosition = position;
  Realign();
  UpdateScrollBar();
}

void TScrollBox::UpdateScrollBar() {
  if (!HandleAllocated()) return;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMax = std::max(ContentHeight() - 1, 0);
  si.nPage = std::max(ClientHeight(), 0);
  si.nPos = FVertPosition;
  SetScrollInfo(Handle(), SB_VERT, &si, TRUE);
}

void TScrollBox::Scroll(int code) {
  switch (code) {
    case SB_LINEUP: SetVertPosition(FVertPosition - kLineStep); break;
    case SB_LINEDOWN: SetVertPosition(FVertPosition + kLineStep); break;
    case SB_PAGEUP: SetVertPosition(FVertPosition - ClientHeight()); break;
    case SB_PAGEDOWN: SetVertPosition(FVertPosition + ClientHeight()); break;
    case SB_TOP: SetVertPosition(0); break;
    case SB_BOTTOM: SetVertPosition(MaxVertPosition()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_TRACKPOS;
      GetScrollInfo(Handle(), SB_VERT, &si);
      SetVertPosition(si.nTrackPos);
      break;
    }
  }
}

void TScrollBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_VSCROLL:
      Scroll(m.WParamLo());
      m.Result = 0;
      return;
    case WM_MOUSEWHEEL:
      SetVertPosition(FVertPosition - static_cast<short>(HIWORD(m.WParam)) / WHEEL_DELTA * 3 * kLineStep);
      m.Result = 0;
      return;
  }
  TScrollingWinControl::WndProc(m);
}

TCustomFrame::TCustomFrame(TComponent* AOwner) : TScrollingWinControl(AOwner) {
  SetBounds(0, 0, 320, 240);
}
