#include "skin/SkinBars.h"

#include <algorithm>

#include "framework/ComCtrls.h"
#include "framework/Grids.h"
#include "framework/StdCtrls.h"
#include "skin/SkinDraw.h"
#include "skin/SkinEngine.h"
#include "skin/SkinPlatform.h"
#include "skin/core/box_layout.h"
#include "skin/core/track_marks.h"

namespace {

constexpr int kButtonSize = 16;

TColor SkinColor(TkivSkinEngine* engine, const char* name) { return TColor(engine->GetSkinInt(name)); }

skin::Rect CoreRect(const RECT& r) { return {int(r.left), int(r.top), int(r.right), int(r.bottom)}; }
TRect FrameworkRect(const skin::Rect& r) { return TRect(r.Left, r.Top, r.Right, r.Bottom); }

// A bitmap of the control's size filled with colour, to be drawn on and copied in one go.
std::unique_ptr<TBitmap> Backdrop(TControl* control, TColor colour) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(control->Width(), control->Height());
  skin::FillRectColor(bitmap->Canvas(), TRect(0, 0, control->Width(), control->Height()), colour);
  return bitmap;
}

void DrawImage(const skin::Image* image, TCanvas* canvas, const TRect& into) {
  if (!image)
    return;
  TBitmap bitmap;
  skin::BitmapFromImage(*image, &bitmap);
  canvas->StretchDraw(into, &bitmap);
}

}  // namespace

// ------------------------------------------------------------------------------ scroll bar

void TkivSkinScrollBar::AfterMessage(TMessage& m) {
  TkivSkinControlVCL::AfterMessage(m);
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL || m.Msg == SBM_SETSCROLLINFO)
    PaintSkin();
}

void TkivSkinScrollBar::UpdateSkin() {
  if (auto* bar = WinControl())
    bar->SetTabStop(false);
}

void TkivSkinScrollBar::Paint() {
  auto* bar = dynamic_cast<TScrollBar*>(Control());
  if (!bar || !bar->HandleAllocated() || !FEngine->DrawScrollBar())
    return;
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  if (!skin::GetScrollBarInfo(bar->Handle(), OBJID_CLIENT, info))
    return;
  const int w = bar->Width(), h = bar->Height();
  auto bitmap = Backdrop(bar, SkinColor(FEngine, "ScrollBarBackgroundColor"));
  TCanvas* canvas = bitmap->Canvas();
  const skin::TkivSkinScrollBtnRes& cache = FEngine->ScrollCache();
  if (bar->Kind() == sbVertical) {
    DrawImage(cache.VertButton(1), canvas, TRect(0, 0, w, kButtonSize));
    DrawImage(cache.VertButton(4), canvas, TRect(0, h - kButtonSize, w, h));
    if (const skin::Image* slider = cache.VertSlider()) {
      TBitmap thumb;
      skin::BitmapFromImage(*slider, &thumb);
      skin::DrawVertThreePart(&thumb, canvas, TRect(0, info.xyThumbTop, w, info.xyThumbBottom), false);
    }
  } else {
    DrawImage(cache.HorzButton(1), canvas, TRect(0, 0, kButtonSize, h));
    DrawImage(cache.HorzButton(4), canvas, TRect(w - kButtonSize, 0, w, h));
    DrawImage(cache.HorzSlider(), canvas, TRect(info.xyThumbTop, 0, info.xyThumbBottom, h));
  }
  const HDC dc = GetWindowDC(bar->Handle());
  BitBlt(dc, 0, 0, w, h, canvas->Handle(), 0, 0, SRCCOPY);
  ReleaseDC(bar->Handle(), dc);
}

// ------------------------------------------------------------------------------------ grid

void TkivSkinGrid::UpdateSkin() {
  TkivSkinScrollWinControl::UpdateSkin();
  if (auto* grid = dynamic_cast<TCustomGrid*>(Control()))
    FFixedColor.Update(FEngine->IsSkinActive(), FEngine->GetFormColor(), [grid] { return grid->FixedColor(); },
                       [grid](TColor c) { grid->SetFixedColor(c); });
}

// ------------------------------------------------------------------------------ image bars

void TkivSkinImageBar::Detach() {
  TkivSkinControlVCL::Detach();
  FBarBitmap.reset();
}

void TkivSkinImageBar::LoadBarBitmap(const char* name, bool vertical) {
  if (!FEngine->IsSkinActive()) {
    FBarBitmap.reset();
    return;
  }
  FBarBitmap = std::make_unique<TBitmap>();
  FEngine->GetSkinBitmap(name, FBarBitmap.get());
  if (vertical && !FBarBitmap->Empty())
    skin::RotateBitmapLeft(FBarBitmap.get());
}

// ------------------------------------------------------------------------------- track bar

bool TkivSkinTrackBar::BeforeMessage(TMessage& m) {
  if (m.Msg == WM_KILLFOCUS || m.Msg == CM_GOTFOCUS) {
    PaintSkin();
    return false;
  }
  return TkivSkinImageBar::BeforeMessage(m);
}

void TkivSkinTrackBar::UpdateSkin() {
  auto* track = dynamic_cast<TTrackBar*>(Control());
  if (track)
    LoadBarBitmap("TrackBarBarImage", track->Orientation() == trVertical);
}

void TkivSkinTrackBar::Paint() {
  auto* track = dynamic_cast<TTrackBar*>(Control());
  if (!FBarBitmap || !track || !track->HandleAllocated())
    return;
  const HWND window = track->Handle();
  const bool vertical = track->Orientation() == trVertical;
  auto bitmap = Backdrop(track, FEngine->GetFormColor());
  TCanvas* canvas = bitmap->Canvas();
  RECT reported{}, thumb{};
  SendMessageA(window, TBM_GETCHANNELRECT, 0, LPARAM(&reported));
  SendMessageA(window, TBM_GETTHUMBRECT, 0, LPARAM(&thumb));
  const skin::Rect channel =
      skin::TrackChannel(CoreRect(reported), vertical, FBarBitmap->Width(), FBarBitmap->Height());
  if (vertical)
    skin::DrawVertThreePart(FBarBitmap.get(), canvas, FrameworkRect(channel), false);
  else
    skin::DrawHorzThreePart(FBarBitmap.get(), canvas, FrameworkRect(channel), false);
  TBitmap slider;
  if (FEngine->GetSkinBitmap(vertical ? "TrackBarSliderVImage" : "TrackBarSliderImage", &slider)) {
    TBitmap sized;
    sized.SetSize(thumb.right - thumb.left, thumb.bottom - thumb.top);
    sized.Canvas()->StretchDraw(TRect(0, 0, sized.Width(), sized.Height()), &slider);
    sized.SetTransparent(true);
    canvas->Draw(thumb.left, thumb.top, &sized);
  }
  const skin::Rect marks = skin::TrackMarkFrame(channel, CoreRect(thumb), vertical);
  if (track->TickStyle() == tsAuto) {
    static const skin::TickSides sides[] = {skin::TickSides::BottomRight, skin::TickSides::TopLeft,
                                            skin::TickSides::Both};
    const int count = int(SendMessageA(window, TBM_GETNUMTICS, 0, 0));
    for (const skin::Line& line :
         skin::TrackTicks(marks, vertical, sides[track->TickMarks()], count,
                          [window](int i) { return int(SendMessageA(window, TBM_GETTICPOS, i, 0)); })) {
      canvas->MoveTo(line.From.X, line.From.Y);
      canvas->LineTo(line.To.X, line.To.Y);
    }
  }
  if (track->Focused()) {
    const TRect focus = FrameworkRect(marks);
    canvas->Brush()->SetStyle(bsSolid);
    DrawFocusRect(canvas->Handle(), &focus);
  }
  DrawBitmapAt(bitmap.get(), TPoint(0, 0));
}

// ---------------------------------------------------------------------------- progress bar

void TkivSkinProgressBar::UpdateSkin() {
  auto* progress = dynamic_cast<TProgressBar*>(Control());
  if (progress)
    LoadBarBitmap("ProgressBarImage", progress->Orientation() == pbVertical);
}

void TkivSkinProgressBar::Paint() {
  auto* progress = dynamic_cast<TProgressBar*>(Control());
  if (!FBarBitmap || !progress || !progress->HandleAllocated())
    return;
  auto bitmap = Backdrop(progress, FEngine->GetFormColor());
  const skin::Rect fill =
      skin::ProgressFill(CoreRect(progress->ClientRect()), progress->Min(), progress->Max(),
                         progress->Position(), progress->Orientation() == pbVertical);
  if (fill.Width() > 0 && fill.Height() > 0 && !FBarBitmap->Empty())
    bitmap->Canvas()->StretchDraw(FrameworkRect(fill), FBarBitmap.get());
  DrawBitmapAt(bitmap.get(), TPoint(0, 0));
}

// --------------------------------------------------------------------------------- up-down

bool TkivSkinUpDown::BeforeMessage(TMessage& m) {
  auto* upDown = dynamic_cast<TCustomUpDown*>(Control());
  if (!upDown)
    return true;
  if (m.Msg == WM_LBUTTONDOWN) {
    const skin::UpDownHalves halves =
        skin::UpDownHalvesOf(upDown->Width(), upDown->Height(), upDown->Orientation() == udVertical);
    FPressedHalf = skin::UpDownHalfAt(halves, {short(m.LParamLo()), short(m.LParamHi())});
  } else if (m.Msg == WM_LBUTTONUP) {
    FPressedHalf = 0;
  } else if (m.Msg == WM_LBUTTONDBLCLK) {
    PaintSkin();
  }
  return true;
}

void TkivSkinUpDown::Paint() {
  auto* upDown = dynamic_cast<TCustomUpDown*>(Control());
  if (!upDown || !upDown->HandleAllocated())
    return;
  const bool vertical = upDown->Orientation() == udVertical;
  const skin::UpDownHalves halves = skin::UpDownHalvesOf(upDown->Width(), upDown->Height(), vertical);
  TBitmap bitmap;
  bitmap.SetSize(upDown->Width(), upDown->Height());
  TCanvas* canvas = bitmap.Canvas();
  canvas->Pen()->SetColor(SkinColor(FEngine, "ControlBorderColor"));
  canvas->Brush()->SetStyle(bsSolid);
  const bool enabled = upDown->Enabled();
  for (int half : {-1, 1}) {
    const bool pressed = FPressedHalf == half;
    canvas->Brush()->SetColor(pressed ? SkinColor(FEngine, "ToolBarButtonDownBackgroundColor")
                                      : FEngine->GetFormColor());
    canvas->Rectangle(FrameworkRect(half < 0 ? halves.First : halves.Second));
    const skin::PlacedArrow arrow = skin::UpDownArrow(halves, vertical, half > 0, pressed);
    static void (*const draw[])(TCanvas*, int, int, bool) = {skin::DrawArrowDown, skin::DrawArrowUp,
                                                             skin::DrawArrowLeft, skin::DrawArrowRight};
    draw[int(arrow.Direction)](canvas, arrow.At.X, arrow.At.Y, enabled);
  }
  DrawBitmapAt(&bitmap, TPoint(0, 0));
}
