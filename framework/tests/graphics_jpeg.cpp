// JPEG decoding: sizes and colours of a picture made here, and damaged data refused.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "framework/Jpeg.h"
#include "framework/tests/graphics_testing.h"

using namespace graphics_testing;

namespace {
void Load(TJPEGImage& image, const std::string& data) { image.LoadFromMemory(data.data(), data.size()); }

TColor PixelOf(TJPEGImage& image, int x, int y) {
  TBitmap bitmap;
  bitmap.Assign(&image);
  return bitmap.Canvas()->Pixels(x, y);
}
}  // namespace

TEST(GraphicsJpeg, ThumbnailDecodesToItsSizeAndColours) {
  TJPEGImage image;
  EXPECT_TRUE(image.Empty());
  int changes = 0;
  image.OnChange = [&](TObject*) { ++changes; };
  Load(image, EncodeJpeg(160, 120));
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(image.Empty());
  EXPECT_EQ(image.Width(), 160);
  EXPECT_EQ(image.Height(), 120);
  EXPECT_TRUE(Near(PixelOf(image, 20, 60), clRed, 24));
  EXPECT_TRUE(Near(PixelOf(image, 140, 60), clBlue, 24));
}

TEST(GraphicsJpeg, GreyPicturesDecodeToGrey) {
  TJPEGImage image;
  Load(image, EncodeJpeg(32, 16, true));
  EXPECT_TRUE(Near(PixelOf(image, 4, 8), RGB(64, 64, 64), 8));
  EXPECT_TRUE(Near(PixelOf(image, 28, 8), RGB(192, 192, 192), 8));
}

TEST(GraphicsJpeg, StretchDrawsAtHalfSize) {
  TJPEGImage image;
  Load(image, EncodeJpeg(160, 120));
  TBitmap preview;
  MakeBitmap(preview, 100, 70, clWhite);
  preview.Canvas()->StretchDraw(TRect(0, 0, 80, 60), &image);
  EXPECT_TRUE(Near(preview.Canvas()->Pixels(10, 30), clRed, 32));
  EXPECT_TRUE(Near(preview.Canvas()->Pixels(70, 30), clBlue, 32));
  EXPECT_EQ(preview.Canvas()->Pixels(85, 30), clWhite);
  EXPECT_EQ(preview.Canvas()->Pixels(40, 65), clWhite);
}

TEST(GraphicsJpeg, ScaleDecodesSmallerRoundingUp) {
  struct Case {
    TJPEGScale scale;
    int width, height;
  };
  TJPEGImage image;
  const std::string odd = EncodeJpeg(161, 121);
  for (const Case& c : {
           Case{jsFullSize, 161, 121},
           Case{jsHalf, 81, 61},      // a half pixel left over makes a whole one
           Case{jsQuarter, 41, 31},
           Case{jsEighth, 21, 16},
       }) {
    image.SetScale(c.scale);
    Load(image, odd);
    EXPECT_EQ(image.Width(), c.width) << "scale " << c.scale;
    EXPECT_EQ(image.Height(), c.height) << "scale " << c.scale;
  }
  image.SetScale(jsHalf);
  Load(image, EncodeJpeg(160, 120));
  EXPECT_TRUE(Near(PixelOf(image, 10, 30), clRed, 24));  // the colours survive the scaling
  EXPECT_TRUE(Near(PixelOf(image, 70, 30), clBlue, 24));
}

TEST(GraphicsJpeg, DamagedDataRaisesAndTheProgramGoesOn) {
  std::string good = EncodeJpeg(160, 120);
  TJPEGImage image;
  Load(image, good);
  int changes = 0;
  image.OnChange = [&](TObject*) { ++changes; };
  for (const std::string& bad : {good.substr(0, good.size() / 2), good.substr(0, 300),
                                 std::string("not a picture at all"), std::string()}) {
    EXPECT_THROW(Load(image, bad), EJPEG);
    EXPECT_EQ(image.Width(), 160);  // the old picture stays
  }
  EXPECT_EQ(changes, 0);
  try {
    Load(image, good.substr(0, good.size() / 2));
  } catch (const Exception& e) {
    EXPECT_NE(std::string(e.what()).find("Premature end"), std::string::npos) << e.what();
  }
  TJPEGImage again;
  Load(again, good);
  EXPECT_EQ(again.Height(), 120);
}

TEST(GraphicsJpeg, LoadsFromFilesAndCopies) {
  ScratchFile file("thumb.THM");
  std::ofstream(file.Path(), std::ios::binary) << EncodeJpeg(160, 120);
  TJPEGImage image, copy;
  image.LoadFromFile(file.Path());
  EXPECT_EQ(image.Width(), 160);
  copy.Assign(&image);
  EXPECT_EQ(copy.Height(), 120);
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
  EXPECT_EQ(image.Height(), 120);
  EXPECT_THROW(image.LoadFromFile(file.Path() + ".missing"), EInOutError);
  std::ostringstream out;
  EXPECT_THROW(image.SaveToStream(out), EInvalidGraphicOperation);  // no encoder
}
