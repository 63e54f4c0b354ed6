// The image list: adding masked and plain images, drawing them enabled and disabled.
#include <gtest/gtest.h>

#include "framework/ImgList.h"
#include "framework/tests/graphics_testing.h"

using namespace graphics_testing;

namespace {
// Two 16x16 images side by side on magenta: a blue square, then a red one.
void MakeStrip(TBitmap& strip) {
  MakeBitmap(strip, 32, 16, clFuchsia);
  strip.Canvas()->Brush()->SetColor(clBlue);
  strip.Canvas()->FillRect(TRect(4, 4, 12, 12));
  strip.Canvas()->Brush()->SetColor(clRed);
  strip.Canvas()->FillRect(TRect(20, 4, 28, 12));
}
}  // namespace

TEST(GraphicsImageList, MaskedImagesDrawOverTheBackground) {
  TImageList images(nullptr);
  TBitmap strip, target;
  MakeStrip(strip);
  int changes = 0;
  images.OnChange = [&](TObject*) { ++changes; };
  EXPECT_EQ(images.AddMasked(&strip, clFuchsia), 0);
  EXPECT_EQ(images.Count(), 2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(CountColor(strip.Canvas(), TRect(0, 0, 32, 16), clFuchsia), 512 - 128);  // untouched

  MakeBitmap(target, 40, 20, clGreen);
  images.Draw(target.Canvas(), 2, 2, 1);
  EXPECT_EQ(CountColor(target.Canvas(), TRect(6, 6, 14, 14), clRed), 64);
  EXPECT_EQ(CountColor(target.Canvas(), TRect(0, 0, 40, 20), clGreen), 800 - 64);
  images.Draw(target.Canvas(), 20, 2, 5);  // no such image
  EXPECT_EQ(CountColor(target.Canvas(), TRect(0, 0, 40, 20), clGreen), 800 - 64);
}

TEST(GraphicsImageList, PlainImagesKeepTheirWholeSquare) {
  TImageList images(nullptr);
  images.SetMasked(false);
  TBitmap strip, target;
  MakeStrip(strip);
  EXPECT_EQ(images.Add(&strip, nullptr), 0);
  EXPECT_EQ(images.AddMasked(&strip, clFuchsia), 2);  // not masked: added as it is
  MakeBitmap(target, 20, 20, clGreen);
  images.Draw(target.Canvas(), 0, 0, 2);
  EXPECT_EQ(CountColor(target.Canvas(), TRect(0, 0, 16, 16), clFuchsia), 256 - 64);
}

TEST(GraphicsImageList, ReplaceChangesOnlyTheImageAtItsIndex) {
  TImageList images(nullptr);
  images.SetMasked(false);
  TBitmap strip, red, image;
  MakeStrip(strip);
  MakeBitmap(red, 16, 16, clRed);
  images.Add(&strip, nullptr);
  EXPECT_TRUE(images.Replace(0, &red, nullptr));
  EXPECT_FALSE(images.Replace(2, &red, nullptr));  // one past the last
  EXPECT_EQ(images.Count(), 2);
  images.GetBitmap(0, &image);
  EXPECT_EQ(image.Canvas()->Pixels(0, 0), clRed);
  images.GetBitmap(1, &image);
  EXPECT_EQ(image.Canvas()->Pixels(0, 0), clFuchsia);
}

TEST(GraphicsImageList, DisabledImagesAreNotDrawnInTheirColours) {
  TImageList images(nullptr);
  TBitmap strip, target;
  MakeStrip(strip);
  images.AddMasked(&strip, clFuchsia);
  MakeBitmap(target, 20, 20, clWhite);
  images.Draw(target.Canvas(), 0, 0, 0, false);
  EXPECT_EQ(CountColor(target.Canvas(), TRect(0, 0, 16, 16), clBlue), 0);
  EXPECT_GT(CountOther(target.Canvas(), TRect(0, 0, 16, 16), clWhite), 0);
}

TEST(GraphicsImageList, SizeChangeAndClearEmptyTheList) {
  TImageList images(nullptr);
  TBitmap strip;
  MakeStrip(strip);
  images.AddMasked(&strip, clFuchsia);
  TBitmap image;
  images.GetBitmap(1, &image);
  EXPECT_EQ(image.Width(), 16);
  EXPECT_EQ(image.Canvas()->Pixels(8, 8), clRed);
  EXPECT_EQ(image.Canvas()->Pixels(0, 0), clWhite);
  images.Clear();
  EXPECT_EQ(images.Count(), 0);
  images.Add(&strip, nullptr);
  images.SetWidth(32);
  EXPECT_EQ(images.Count(), 0);
  EXPECT_EQ(images.Add(&strip, nullptr), 0);
  EXPECT_EQ(images.Count(), 1);
}
