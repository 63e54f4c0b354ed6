#include "listview/RichListV.h"

void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& r, int Steps,
                  TColor FrameColor) {
  for (const listview::GradientBand& band :
       listview::GradientBands(FromColor, ToColor, Horizontal, {r.left, r.top, r.right, r.bottom}, Steps,
                               ColorToRGB)) {
    Canvas->Pen()->SetColor(band.Color);
    Canvas->Brush()->SetColor(band.Color);
    Canvas->Rectangle(band.Rect.Left, band.Rect.Top, band.Rect.Right, band.Rect.Bottom);
  }
  if (FrameColor == clNone) return;
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->Pen()->SetColor(FrameColor);
  Canvas->Rectangle(r);
}
