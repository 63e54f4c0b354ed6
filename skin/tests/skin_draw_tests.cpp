// Skin bitmaps drawn on real canvases, read back pixel by pixel.
#include "skin/SkinDraw.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "skin/core/bitmap_ops.h"
#include "skin/core/part_plans.h"

namespace skin {
namespace {

constexpr Color kBackground = 0x00FFEE;
constexpr Color kOutside = 0x333333;  // parts of the face no piece takes

// A 21 x 21 face whose pieces can be told apart in every pixel that a stretch can't blur:
// corners (drawn unscaled) and the one-row side edges (stretched down only) vary pixel by
// pixel, the top edge varies down its rows only, the centre and bottom edge are plain. One
// corner pixel and one left-edge pixel are magenta.
Image Face() {
  Image face(21, 21, kOutside);
  auto fill = [&](int left, int top, int right, int bottom, Color base, bool vary) {
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        face.SetPixel(x, y, vary ? base + Color((x * 11) << 8 | y * 11) : base);
  };
  fill(0, 0, 10, 10, 0x400000, true);     // top-left
  fill(0, 12, 10, 21, 0x500000, true);    // bottom-left
  fill(12, 0, 21, 10, 0x600000, true);    // top-right
  fill(12, 12, 21, 21, 0x700000, true);   // bottom-right
  fill(0, 10, 10, 11, 0x800000, true);    // left edge
  fill(12, 11, 21, 12, 0x900000, true);   // right edge
  for (int y = 0; y < 10; ++y)
    fill(10, y, 12, y + 1, 0xA00000 + Color(y * 20), false);  // top edge
  fill(10, 10, 12, 11, 0xB0B0B0, false);  // centre
  fill(10, 11, 12, 21, 0xC0C0C0, false);  // bottom edge
  face.SetPixel(2, 2, kTransparentColor);
  face.SetPixel(3, 10, kTransparentColor);
  return face;
}

// The canvas as the plan says it should look: each piece in order, nearest source pixel,
// key-coloured pixels left out.
Image Planned(const Image& face, Image canvas, const std::vector<Piece>& plan) {
  for (const Piece& p : plan)
    for (int y = p.Dest.Top; y < p.Dest.Bottom; ++y)
      for (int x = p.Dest.Left; x < p.Dest.Right; ++x) {
        const Color c = face.Pixel(p.Source.Left + (x - p.Dest.Left) * p.Source.Width() / p.Dest.Width(),
                                   p.Source.Top + (y - p.Dest.Top) * p.Source.Height() / p.Dest.Height());
        if (p.Mask == Masking::Opaque || c != kTransparentColor)
          canvas.SetPixel(x, y, c);
      }
  return canvas;
}

TEST(StretchSkinBitmap, DrawsTheNinePartsAsPlanned) {
  const Image face = Face();
  TBitmap bitmap;
  BitmapFromImage(face, &bitmap);
  for (bool transparent : {true, false}) {
    for (const TRect& rect : {TRect(0, 0, 60, 40), TRect(0, 0, 21, 21), TRect(0, 0, 14, 9)}) {
      TBitmap target;
      BitmapFromImage(Image(64, 44, kBackground), &target);
      StretchSkinBitmap(&bitmap, target.Canvas(), rect, transparent);
      const Rect r{int(rect.left), int(rect.top), int(rect.right), int(rect.bottom)};
      const Image expected =
          Planned(face, Image(64, 44, kBackground), NinePartPlan(21, 21, r, transparent));
      EXPECT_EQ(ImageFromBitmap(&target), expected)
          << rect.right << "x" << rect.bottom << " transparent " << transparent;
    }
  }
}

TEST(StretchSkinBitmap, KeepsCornersAndLeavesMagentaUndrawn) {
  TBitmap bitmap;
  BitmapFromImage(Face(), &bitmap);
  TBitmap target;
  BitmapFromImage(Image(60, 40, kBackground), &target);
  StretchSkinBitmap(&bitmap, target.Canvas(), TRect(0, 0, 60, 40), true);
  TCanvas* c = target.Canvas();
  EXPECT_EQ(c->Pixels(0, 0), bitmap.Canvas()->Pixels(0, 0));
  EXPECT_EQ(c->Pixels(59, 39), bitmap.Canvas()->Pixels(20, 20));  // bottom-right corner
  EXPECT_EQ(c->Pixels(51, 0), bitmap.Canvas()->Pixels(12, 0));    // top-right, 9 wide
  EXPECT_EQ(c->Pixels(2, 2), kBackground);                        // magenta corner pixel
  EXPECT_EQ(c->Pixels(3, 25), kBackground);                       // magenta left-edge column
  EXPECT_EQ(c->Pixels(30, 15), 0xB0B0B0u);                        // centre
}

TEST(DrawHorzThreePart, DrawsOnlyTheCutLeftCapIntoANarrowRect) {
  // Frames of 9: the cap keyed on its top-left colour, red, green and blue columns.
  Image strip(27, 5, 0x0000FF);
  for (int y = 0; y < 5; ++y)
    for (int x = 9; x < 27; ++x)
      strip.SetPixel(x, y, x < 18 ? 0x00FF00 : 0xFF0000);
  strip.SetPixel(1, 1, 0x123456);
  strip.SetPixel(0, 0, 0x123456);
  TBitmap bitmap;
  BitmapFromImage(strip, &bitmap);
  TBitmap target;
  BitmapFromImage(Image(20, 8, kBackground), &target);
  DrawHorzThreePart(&bitmap, target.Canvas(), TRect(2, 1, 8, 8), true);

  Image expected(20, 8, kBackground);
  for (int y = 1; y < 6; ++y)
    for (int x = 2; x < 8; ++x)
      expected.SetPixel(x, y, 0x0000FF);
  expected.SetPixel(2, 1, kBackground);
  expected.SetPixel(3, 2, kBackground);
  EXPECT_EQ(ImageFromBitmap(&target), expected);
}

TEST(SkinBitmaps, CutAndTurnFrameworkBitmaps) {
  Image numbered(219, 19);
  for (int y = 0; y < 19; ++y)
    for (int x = 0; x < 219; ++x)
      numbered.SetPixel(x, y, Color(x << 8 | y));
  TBitmap strip, frame;
  BitmapFromImage(numbered, &strip);
  ExtractFrameBitmap(&strip, &frame, 3, 1);
  ASSERT_EQ(frame.Width(), 73);
  ASSERT_EQ(frame.Height(), 19);
  EXPECT_EQ(frame.Canvas()->Pixels(72, 18), numbered.Pixel(72, 18));

  RotateBitmapLeft(&frame);
  ASSERT_EQ(frame.Width(), 19);
  EXPECT_EQ(frame.Canvas()->Pixels(0, 72), numbered.Pixel(0, 0));
  RotateBitmapRight(&frame);
  RotateBitmap180(&frame);
  RotateBitmap180(&frame);
  EXPECT_EQ(ImageFromBitmap(&frame), ExtractFrameBitmap(numbered, 3, 1));
}

TEST(DrawArrows, AreBlackWhenEnabledAndGreyOnWhiteWhenDisabled) {
  auto colours = [](void (*draw)(TCanvas*, int, int, bool), bool enabled) {
    TBitmap target;
    BitmapFromImage(Image(20, 20, kBackground), &target);
    draw(target.Canvas(), 8, 8, enabled);
    const Image drawn = ImageFromBitmap(&target);
    std::vector<Color> seen;
    for (Color c : drawn.Pixels())
      if (c != kBackground && std::find(seen.begin(), seen.end(), c) == seen.end())
        seen.push_back(c);
    std::sort(seen.begin(), seen.end());
    return seen;
  };
  for (auto draw : {DrawArrowDown, DrawArrowUp, DrawArrowLeft, DrawArrowRight}) {
    EXPECT_EQ(colours(draw, true), std::vector<Color>{0x000000});
    EXPECT_EQ(colours(draw, false), (std::vector<Color>{0x808080, 0xFFFFFF}));
  }
}

TEST(CoordInRect, CountsTheFarEdgesOfFrameworkRects) {
  EXPECT_TRUE(CoordInRect(30, 40, TRect(10, 20, 30, 40)));
  EXPECT_FALSE(CoordInRect(31, 40, TRect(10, 20, 30, 40)));
  EXPECT_TRUE(PointInRect(TPoint(10, 20), TRect(10, 20, 30, 40)));
  EXPECT_FALSE(PointInRect(TPoint(10, 41), TRect(10, 20, 30, 40)));
}

TEST(EllipsisText, FitsTheCanvasFont) {
  TBitmap target;
  BitmapFromImage(Image(10, 10), &target);
  TCanvas* canvas = target.Canvas();
  const std::string title = "A rather long window title";
  EXPECT_EQ(EllipsisText(canvas, title, canvas->TextWidth(title)), title);
  const int limit = canvas->TextWidth(title) / 2;
  const std::string shown = EllipsisText(canvas, title, limit);
  ASSERT_GT(shown.size(), 3u);
  EXPECT_EQ(shown.substr(shown.size() - 3), "...");
  EXPECT_LE(canvas->TextWidth(shown), limit);
  EXPECT_GT(canvas->TextWidth(title.substr(0, shown.size() - 2) + "..."), limit);
}

}  // namespace
}  // namespace skin
