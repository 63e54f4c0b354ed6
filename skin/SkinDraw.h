// Skin bitmaps on the framework's canvas: frames, turns, three- and nine-part drawing, arrow
// glyphs, flat borders and fills, and texts shortened to fit.
#pragma once

#include <string>

#include "framework/Graphics.h"
#include "skin/core/geometry.h"
#include "skin/core/image.h"

namespace skin {

// Hit tests that count the right and bottom edges as inside.
inline bool CoordInRect(int x, int y, const TRect& r) {
  return CoordInRect(x, y, Rect{int(r.left), int(r.top), int(r.right), int(r.bottom)});
}
inline bool PointInRect(const TPoint& p, const TRect& r) { return CoordInRect(p.x, p.y, r); }

Image ImageFromBitmap(TBitmap* bitmap);
void BitmapFromImage(const Image& image, TBitmap* bitmap);  // a 24-bit bitmap of the image

// Dest becomes frame frameIndex (from 1) of frameCount equal-width frames of source.
void ExtractFrameBitmap(TBitmap* source, TBitmap* dest, int frameCount, int frameIndex);
void RotateBitmapLeft(TBitmap* bitmap);   // a quarter turn anticlockwise
void RotateBitmap180(TBitmap* bitmap);
void RotateBitmapRight(TBitmap* bitmap);  // a quarter turn clockwise

// Three frames side by side (left cap, middle, right cap) spread over rect at the bitmap's
// height; keyed on the top-left pixel's colour when keyFromCorner, else on magenta.
void DrawHorzThreePart(TBitmap* bitmap, TCanvas* canvas, const TRect& rect, bool keyFromCorner);
// Three parts one above the other, each stretched to rect's width, the middle also down.
void DrawVertThreePart(TBitmap* bitmap, TCanvas* canvas, const TRect& rect, bool transparent);
// A face drawn into rect (which starts at the canvas origin) with unscaled corners.
void StretchSkinBitmap(TBitmap* bitmap, TCanvas* canvas, const TRect& rect, bool transparent);

void DrawArrowDown(TCanvas* canvas, int x, int y, bool enabled);
void DrawArrowUp(TCanvas* canvas, int x, int y, bool enabled);
void DrawArrowLeft(TCanvas* canvas, int x, int y, bool enabled);
void DrawArrowRight(TCanvas* canvas, int x, int y, bool enabled);

void FrameRectColor(TCanvas* canvas, const TRect& rect, TColor color);
void FillRectColor(TCanvas* canvas, const TRect& rect, TColor color);
// One line 2 pixels below the top, leaving the image column free on the reading side.
void DrawMenuSeparator(TCanvas* canvas, const TRect& rect, TColor color, bool leftToRight,
                       int imageWidth);

// The text, or its longest start followed by "..." that fits maxWidth in the canvas's font.
std::string EllipsisText(TCanvas* canvas, const std::string& text, int maxWidth);

}  // namespace skin
