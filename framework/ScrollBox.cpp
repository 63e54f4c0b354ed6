#include "framework/ScrollBox.h"

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

TCustomFrame::TCustomFrame(TComponent* AOwner) : TScrollingWinControl(AOwner) {
  SetBounds(0, 0, 320, 240);
}
