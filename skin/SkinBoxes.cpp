#include "skin/SkinBoxes.h"

#include "framework/ComCtrls.h"
#include "framework/StdCtrls.h"
#include "skin/SkinDraw.h"
#include "skin/SkinEngine.h"
#include "skin/SkinPlatform.h"

namespace {

TColor SkinColor(TkivSkinEngine* engine, const char* name) { return TColor(engine->GetSkinInt(name)); }

HWND WindowOf(TWinControl* control) { return control->Handle(); }

}  // namespace

void TkivSkinComboBox::Paint() {
  auto* combo = dynamic_cast<TCustomComboBox*>(Control());
  if (!combo || !combo->HandleAllocated() || combo->Style() == csSimple)
    return;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!skin::GetComboBoxInfo(combo->Handle(), info))
    return;
  TWindowCanvas canvas([combo] { return WindowOf(combo); });
  TRect r = combo->ClientRect();
  const TColor border = SkinColor(FEngine, "ControlBorderColor");
  skin::FrameRectColor(&canvas, r, border);
  InflateRect(&r, -1, -1);
  skin::FrameRectColor(&canvas, r, SkinColor(FEngine, "ControlBackgroundColor"));
  if (combo->DroppedDown() && info.hwndList) {
    RECT list;
    GetWindowRect(info.hwndList, &list);
    const HDC dc = GetDC(nullptr);  // the list is a window of its own, over anything
    TCanvas screen;
    screen.SetHandle(dc);
    skin::FrameRectColor(&screen, list, border);
    screen.SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
  }
  const TRect button = info.rcButton;
  skin::FillRectColor(&canvas, button, FEngine->GetFormColor());
  canvas.Pen()->SetColor(border);
  const int x = combo->BiDiMode() == bdRightToLeft ? button.right : button.left;
  canvas.MoveTo(x, button.top - 1);
  canvas.LineTo(x, button.bottom + 1);
  skin::DrawArrowDown(&canvas, button.left + button.Width() / 2 - 3, button.Height() / 2, combo->Enabled());
}

void TkivSkinGroupBox::Paint() {
  TWinControl* box = WinControl();
  if (!box || !box->HandleAllocated())
    return;
  TWindowCanvas canvas([box] { return WindowOf(box); });
  canvas.SetFont(box->Font());
  const int h = canvas.TextHeight("0");
  const TRect frame(0, h / 2 - 1, box->Width() - 1, box->Height() - 1);
  skin::FrameRectColor(&canvas, frame, SkinColor(FEngine, "ControlBorderColor"));
  const std::string caption = box->Caption();
  if (caption.empty())
    return;
  const UINT flags = box->DrawTextBiDiModeFlags(DT_SINGLELINE);
  RECT r{8, 0, 8, h};
  canvas.DrawTextEx(caption, r, flags | DT_CALCRECT);
  if (box->UseRightToLeftAlignment())
    OffsetRect(&r, frame.right - (r.right - r.left) - 8 - r.left, 0);
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(box->Color());
  canvas.DrawTextEx(caption, r, flags);
}

void TkivSkinStatusBar::Paint() {
  auto* bar = dynamic_cast<TCustomStatusBar*>(Control());
  if (!bar || !bar->SizeGrip() || !bar->HandleAllocated())
    return;
  TWindowCanvas canvas([bar] { return WindowOf(bar); });
  const int w = bar->Width(), h = bar->Height();
  const TRect grip(w - 16, h - 15, w - 1, h - 1);
  skin::FillRectColor(&canvas, grip, bar->Color());
  canvas.Pen()->SetColor(clInactiveCaption);
  canvas.Pen()->SetWidth(1);
  canvas.MoveTo(grip.left + 1, grip.bottom);
  canvas.LineTo(grip.right, grip.top);
  for (int i = 0; i < 3; ++i) {
    canvas.MoveTo(grip.left + 4 * i + 5, grip.bottom);
    canvas.LineTo(grip.right, grip.top + 4 * i + 4);
  }
  if (h - 15 > 3)
    skin::FillRectColor(&canvas, TRect(w - 16, 3, w - 1, h - 15), bar->Color());
  skin::FillRectColor(&canvas, TRect(w - 20, 3, w - 16, h - 1), bar->Color());
}
