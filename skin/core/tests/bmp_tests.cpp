#include "skin/core/bmp.h"

#include <gtest/gtest.h>

#include "skin/core/tests/skin_test_data.h"

namespace skin {
namespace {

using test::BmpFile;
using test::Bytes;

std::optional<Image> Read(const Bytes& file) { return ReadBmp(file.data(), file.size()); }

Image TwoColours(int width, int height) {
  Image image(width, height, 0x123456);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if ((x + 2 * y) % 3 == 0)
        image.SetPixel(x, y, kTransparentColor);
  return image;
}

TEST(Bmp, ReadsEveryDepthInBothRowOrders) {
  // Odd widths make every depth pad its rows.
  for (bool topDown : {false, true}) {
    for (int bits : {1, 4, 8, 24, 32}) {
      const Image image = TwoColours(13, 5);
      EXPECT_EQ(Read(BmpFile(image, bits, topDown)), image) << bits << " bits, top-down " << topDown;
    }
    const Image rich = test::Numbered(7, 4);
    for (int bits : {8, 24, 32})
      EXPECT_EQ(Read(BmpFile(rich, bits, topDown)), rich) << bits << " bits, top-down " << topDown;
  }
}

TEST(Bmp, PaletteIndexBeyondTheColoursUsedIsBlack) {
  Bytes file = BmpFile(TwoColours(4, 1), 8);
  file[file.size() - 4] = 200;  // first pixel of the only row
  const std::optional<Image> image = Read(file);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Pixel(0, 0), 0u);
}

TEST(Bmp, RejectsWhatItCannotDecode) {
  const Bytes good = BmpFile(test::Numbered(5, 3), 24);
  ASSERT_TRUE(Read(good));
  auto changed = [&](std::size_t at, std::uint8_t value) {
    Bytes b = good;
    b[at] = value;
    return b;
  };
  EXPECT_FALSE(Read(changed(0, 'X'))) << "not a BMP";
  EXPECT_FALSE(Read(changed(18, 0))) << "zero width";
  EXPECT_FALSE(Read(changed(28, 16))) << "16 bits per pixel";
  EXPECT_FALSE(Read(changed(30, 1))) << "run-length compressed";
  EXPECT_FALSE(Read(Bytes(good.begin(), good.end() - 1))) << "pixels cut short";
  EXPECT_FALSE(Read(Bytes(good.begin(), good.begin() + 40))) << "header cut short";

  Bytes paletted = BmpFile(TwoColours(4, 1), 8);
  test::PutU32(paletted, 46, 0);  // all 256 colours, more than the file holds
  EXPECT_FALSE(Read(paletted)) << "palette past the end";

  Bytes huge = good;
  test::PutU32(huge, 18, 0x7FFFFFFF);
  EXPECT_FALSE(Read(huge)) << "pixels past the end";
}

TEST(Bmp, SidesBeyondAWindowsCoordinatesAreRefused) {
  EXPECT_TRUE(Read(BmpFile(Image(kMaxBmpSide, 1), 1)));
  EXPECT_TRUE(Read(BmpFile(Image(1, kMaxBmpSide), 1, true)));
  EXPECT_FALSE(Read(BmpFile(Image(kMaxBmpSide + 1, 1), 1)));
  EXPECT_FALSE(Read(BmpFile(Image(1, kMaxBmpSide + 1), 1)));
  EXPECT_FALSE(Read(BmpFile(Image(1, kMaxBmpSide + 1), 1, true)));
}

}  // namespace
}  // namespace skin
