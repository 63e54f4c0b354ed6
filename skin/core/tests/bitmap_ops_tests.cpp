#include "skin/core/bitmap_ops.h"

#include <gtest/gtest.h>

#include "skin/core/tests/skin_test_data.h"

namespace skin {
namespace {

using test::Numbered;

Image Crop(const Image& source, int left, int width) {
  Image part(width, source.Height());
  for (int y = 0; y < source.Height(); ++y)
    for (int x = 0; x < width; ++x)
      part.SetPixel(x, y, source.Pixel(left + x, y));
  return part;
}

TEST(ExtractFrameBitmap, CutsEqualFramesCountedFromOne) {
  const Image button = Numbered(219, 19);
  EXPECT_EQ(ExtractFrameBitmap(button, 3, 1), Crop(button, 0, 73));
  EXPECT_EQ(ExtractFrameBitmap(button, 3, 3), Crop(button, 146, 73));

  const Image titleButtons = Numbered(468, 14);
  EXPECT_EQ(ExtractFrameBitmap(titleButtons, 18, 16), Crop(titleButtons, 390, 26));
}

TEST(ExtractFrameBitmap, LeavesColumnsBeyondTheSourceBlack) {
  const Image frame = ExtractFrameBitmap(Numbered(6, 2), 2, 3);
  EXPECT_EQ(frame, Image(3, 2, 0));
  EXPECT_EQ(ExtractFrameBitmap(Numbered(6, 2), 2, 0), Image(3, 2, 0)) << "frame 0 lies left of it";
  EXPECT_TRUE(ExtractFrameBitmap(Numbered(6, 2), 0, 1).Empty());
}

TEST(Rotate, MapsPixelsAsTheQuarterAndHalfTurnsDo) {
  const Image source = Numbered(3, 2);
  Image left = source, half = source, right = source;
  RotateBitmapLeft(left);
  RotateBitmap180(half);
  RotateBitmapRight(right);
  ASSERT_EQ(left.Width(), 2);
  ASSERT_EQ(left.Height(), 3);
  ASSERT_EQ(right.Width(), 2);
  ASSERT_EQ(right.Height(), 3);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(left.Pixel(y, 2 - x), source.Pixel(x, y));
      EXPECT_EQ(half.Pixel(2 - x, 1 - y), source.Pixel(x, y));
    }
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 2; ++x)
      EXPECT_EQ(right.Pixel(x, y), source.Pixel(y, 1 - x));
}

TEST(Rotate, TurnsUndoEachOther) {
  const Image source = Numbered(5, 3);
  Image image = source;
  RotateBitmapLeft(image);
  RotateBitmapRight(image);
  EXPECT_EQ(image, source);

  RotateBitmapLeft(image);
  RotateBitmapLeft(image);
  Image half = source;
  RotateBitmap180(half);
  EXPECT_EQ(image, half);
}

}  // namespace
}  // namespace skin
