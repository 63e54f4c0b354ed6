#include "framework/ScrollBox.h"

#include <algorithm>

#include "framework/ScrollBars.h"

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
      MoveChildrenTo(most);
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
  MoveChildrenTo(position);
  Realign();
  UpdateScrollBar();
}

// Unaligned children move with the position; the aligned ones are placed from it.
void TScrollBox::MoveChildrenTo(int position) {
  for (int i = 0; i < ControlCount(); ++i)
    if (TControl* c = Controls(i); c->Align() == alNone) c->SetTop(c->Top() + FVertPosition - position);
  FVertPosition = position;
}

void TScrollBox::UpdateScrollBar() {
  if (HandleAllocated())
    SetVertScrollBar(Handle(), 0, std::max(ContentHeight() - 1, 0), std::max(ClientHeight(), 0),
                     FVertPosition);
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
    case SB_THUMBPOSITION: SetVertPosition(ScrollTrackPosition(Handle(), SB_VERT)); break;
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
