#include "common/core/JpegDecompressor.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "common/core/tests/JpegTesting.h"

namespace common {
namespace {

using Pixels = std::vector<unsigned char>;

// All the rows at the scale, BGR one after the other.
Pixels DecodeAll(const std::string& data, int halvings, unsigned* width = nullptr,
                 unsigned* height = nullptr) {
  TJpegDecompressor decompressor(data.data(), data.size());
  decompressor.Start(halvings);
  Pixels pixels(static_cast<std::size_t>(decompressor.OutputWidth()) * decompressor.OutputHeight() * 3);
  for (unsigned y = 0; y < decompressor.OutputHeight(); ++y)
    decompressor.ReadRowBGR(&pixels[y * decompressor.OutputWidth() * 3]);
  decompressor.Finish();
  if (width) *width = decompressor.OutputWidth();
  if (height) *height = decompressor.OutputHeight();
  return pixels;
}

// Whether every pixel is near the colour, given blue, green, red.
bool AllNear(const Pixels& pixels, int blue, int green, int red) {
  for (std::size_t i = 0; i + 2 < pixels.size(); i += 3)
    if (std::abs(pixels[i] - blue) > 8 || std::abs(pixels[i + 1] - green) > 8 ||
        std::abs(pixels[i + 2] - red) > 8)
      return false;
  return !pixels.empty();
}

TEST(JpegDecompressorTest, ColourAndGreyComeOutAsBlueGreenRed) {
  const Pixels orange = DecodeAll(jpeg_testing::Encode(24, 16, {240, 120, 10}), 0);
  EXPECT_EQ(orange.size(), 24u * 16 * 3);
  EXPECT_TRUE(AllNear(orange, 10, 120, 240));
  EXPECT_TRUE(AllNear(DecodeAll(jpeg_testing::Encode(8, 8, {77}), 0), 77, 77, 77));
  EXPECT_TRUE(AllNear(DecodeAll(jpeg_testing::Encode(40, 30, {0, 200, 90}, jpeg_testing::Scans::kProgressive), 1), 90, 200, 0))
      << "progressive";
}

TEST(JpegDecompressorTest, AGreyPictureInAScanForEachCoefficientIsNotTooMany) {
  EXPECT_TRUE(AllNear(DecodeAll(jpeg_testing::Encode(16, 16, {40}, jpeg_testing::Scans::kEachCoefficient), 0),
                      40, 40, 40));  // 64 scans
}

TEST(JpegDecompressorTest, EachHalvingRoundsUp) {
  const std::string picture = jpeg_testing::Encode(161, 121, {1, 2, 3});
  struct Case {
    int halvings;
    unsigned width, height;
  };
  for (const Case& c : {Case{0, 161, 121}, Case{1, 81, 61}, Case{2, 41, 31}, Case{3, 21, 16}}) {
    unsigned width = 0, height = 0;
    DecodeAll(picture, c.halvings, &width, &height);
    EXPECT_EQ(width, c.width) << c.halvings;
    EXPECT_EQ(height, c.height) << c.halvings;
  }
}

TEST(JpegDecompressorTest, TheHeaderTellsTheClaimedSizeBeforeAnyDecoding) {
  const std::string huge = jpeg_testing::WithClaimedSize(jpeg_testing::Encode(16, 16, {9}), 65000, 65000);
  const TJpegDecompressor header(huge.data(), huge.size());
  EXPECT_EQ(header.Width(), 65000u);
  EXPECT_EQ(header.Height(), 65000u);
}

TEST(JpegDecompressorTest, DamagedDataIsRefusedAtTheStepThatMeetsIt) {
  const std::string whole = jpeg_testing::Encode(64, 48, {10, 20, 30});
  struct Case {
    const char* note;
    std::string data;
  };
  for (const Case& c : {
           Case{"empty", ""},
           Case{"no picture", "no picture at all, just text"},
           Case{"cut in the header", whole.substr(0, 40)},
           Case{"cut in the picture", whole.substr(0, whole.size() / 2)},
           Case{"no end marker", whole.substr(0, whole.size() - 2)},
           Case{"colours for print", jpeg_testing::Encode(8, 8, {0, 50, 100, 0})},
           Case{"190 scans", jpeg_testing::Encode(16, 16, {1, 2, 3}, jpeg_testing::Scans::kEachCoefficient)},
       })
    EXPECT_THROW(DecodeAll(c.data, 0), EJpegData) << c.note;
}

}  // namespace
}  // namespace common
