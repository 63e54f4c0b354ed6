#include "skin/SkinDraw.h"

#include <vector>

#include "skin/core/arrows.h"
#include "skin/core/bitmap_ops.h"
#include "skin/core/part_plans.h"
#include "skin/core/text.h"

namespace skin {
namespace {

TRect ToRect(const Rect& r) { return TRect(r.Left, r.Top, r.Right, r.Bottom); }

// Stretching keeps whole pixels: skin bitmaps have hard edges and a key colour that must not
// be blended into its neighbours.
void CopyStretched(TCanvas* dest, const TRect& destRect, TBitmap* source, const Rect& sourceRect) {
  SetStretchBltMode(dest->Handle(), COLORONCOLOR);
  dest->CopyRect(destRect, source->Canvas(), ToRect(sourceRect));
}

// Opaque pieces are copied; masked ones are stretched into a bitmap of their own first, which
// is then drawn leaving out the key colour.
void DrawPlan(TBitmap* bitmap, TCanvas* canvas, const std::vector<Piece>& plan) {
  for (const Piece& piece : plan) {
    if (piece.Mask == Masking::Opaque) {
      CopyStretched(canvas, ToRect(piece.Dest), bitmap, piece.Source);
      continue;
    }
    TBitmap stretched;
    stretched.SetSize(piece.Dest.Width(), piece.Dest.Height());
    CopyStretched(stretched.Canvas(), TRect(0, 0, piece.Dest.Width(), piece.Dest.Height()), bitmap,
                  piece.Source);
    stretched.SetTransparentColor(piece.Mask == Masking::Magenta ? kTransparentColor
                                                                 : bitmap->Canvas()->Pixels(0, 0));
    stretched.SetTransparent(true);
    canvas->Draw(piece.Dest.Left, piece.Dest.Top, &stretched);
  }
}

Rect ToPlanRect(const TRect& r) { return {int(r.left), int(r.top), int(r.right), int(r.bottom)}; }

void DrawArrow(TCanvas* canvas, ArrowDirection direction, int x, int y, bool enabled) {
  for (const Triangle& triangle : ArrowPlan(direction, x, y, enabled)) {
    canvas->Pen()->SetColor(triangle.Fill);
    canvas->Brush()->SetColor(triangle.Fill);
    std::vector<TPoint> points;
    for (const Point& p : triangle.Points)
      points.emplace_back(p.X, p.Y);
    canvas->Polygon(points);
  }
}

void Transform(TBitmap* bitmap, void (*turn)(Image&)) {
  Image image = ImageFromBitmap(bitmap);
  turn(image);
  BitmapFromImage(image, bitmap);
}

}  // namespace

Image ImageFromBitmap(TBitmap* bitmap) {
  Image image(bitmap->Width(), bitmap->Height());
  const int bytes = bitmap->PixelFormat() == pf32bit ? 4 : 3;
  for (int y = 0; y < image.Height(); ++y) {
    const BYTE* row = static_cast<const BYTE*>(bitmap->ScanLine(y));
    for (int x = 0; x < image.Width(); ++x, row += bytes)
      image.SetPixel(x, y, Color(RGB(row[2], row[1], row[0])));
  }
  return image;
}

void BitmapFromImage(const Image& image, TBitmap* bitmap) {
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(image.Width(), image.Height());
  for (int y = 0; y < image.Height(); ++y) {
    BYTE* row = static_cast<BYTE*>(bitmap->ScanLine(y));
    for (int x = 0; x < image.Width(); ++x, row += 3) {
      const Color c = image.Pixel(x, y);
      row[0] = GetBValue(c);
      row[1] = GetGValue(c);
      row[2] = GetRValue(c);
    }
  }
}

void ExtractFrameBitmap(TBitmap* source, TBitmap* dest, int frameCount, int frameIndex) {
  BitmapFromImage(ExtractFrameBitmap(ImageFromBitmap(source), frameCount, frameIndex), dest);
}

void RotateBitmapLeft(TBitmap* bitmap) { Transform(bitmap, RotateBitmapLeft); }
void RotateBitmap180(TBitmap* bitmap) { Transform(bitmap, RotateBitmap180); }
void RotateBitmapRight(TBitmap* bitmap) { Transform(bitmap, RotateBitmapRight); }

void DrawHorzThreePart(TBitmap* bitmap, TCanvas* canvas, const TRect& rect, bool keyFromCorner) {
  DrawPlan(bitmap, canvas,
           HorzThreePartPlan(bitmap->Width(), bitmap->Height(), ToPlanRect(rect), keyFromCorner));
}

void DrawVertThreePart(TBitmap* bitmap, TCanvas* canvas, const TRect& rect, bool transparent) {
  bitmap->SetTransparent(transparent);
  DrawPlan(bitmap, canvas,
           VertThreePartPlan(bitmap->Width(), bitmap->Height(), ToPlanRect(rect), transparent));
}

void StretchSkinBitmap(TBitmap* bitmap, TCanvas* canvas, const TRect& rect, bool transparent) {
  DrawPlan(bitmap, canvas,
           NinePartPlan(bitmap->Width(), bitmap->Height(), ToPlanRect(rect), transparent));
}

void DrawArrowDown(TCanvas* canvas, int x, int y, bool enabled) {
  DrawArrow(canvas, ArrowDirection::Down, x, y, enabled);
}
void DrawArrowUp(TCanvas* canvas, int x, int y, bool enabled) {
  DrawArrow(canvas, ArrowDirection::Up, x, y, enabled);
}
void DrawArrowLeft(TCanvas* canvas, int x, int y, bool enabled) {
  DrawArrow(canvas, ArrowDirection::Left, x, y, enabled);
}
void DrawArrowRight(TCanvas* canvas, int x, int y, bool enabled) {
  DrawArrow(canvas, ArrowDirection::Right, x, y, enabled);
}

void FrameRectColor(TCanvas* canvas, const TRect& rect, TColor color) {
  canvas->Brush()->SetColor(color);
  canvas->FrameRect(rect);
}

void FillRectColor(TCanvas* canvas, const TRect& rect, TColor color) {
  canvas->Brush()->SetColor(color);
  canvas->FillRect(rect);
}

void DrawMenuSeparator(TCanvas* canvas, const TRect& rect, TColor color, bool leftToRight,
                       int imageWidth) {
  canvas->Pen()->SetColor(color);
  const int y = rect.top + 2;
  canvas->MoveTo(leftToRight ? rect.left + imageWidth + 4 : rect.left + 2, y);
  canvas->LineTo(leftToRight ? rect.right - 2 : rect.right - imageWidth - 4, y);
}

std::string EllipsisText(TCanvas* canvas, const std::string& text, int maxWidth) {
  return EllipsisText(text, maxWidth, [canvas](const std::string& t) { return canvas->TextWidth(t); });
}

}  // namespace skin
