// Pictures choose their graphic class by extension; icons load from .ico files.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "framework/Graphics.h"
#include "framework/Jpeg.h"
#include "framework/tests/graphics_testing.h"

using namespace graphics_testing;

namespace {
// A 16x16 32-bit .ico, opaque red on its left half, see-through on the right.
std::string RedIcon() {
  std::string data;
  auto put = [&](const void* p, size_t n) { data.append(static_cast<const char*>(p), n); };
  WORD directory[3] = {0, 1, 1};
  put(directory, sizeof directory);
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = 16;
  header.biHeight = 32;  // colour and mask
  header.biPlanes = 1;
  header.biBitCount = 32;
  DWORD bytes = sizeof header + 16 * 16 * 4 + 16 * 4, offset = 6 + 16;
  BYTE entry[8] = {16, 16, 0, 0, 1, 0, 32, 0};
  put(entry, sizeof entry);
  put(&bytes, 4);
  put(&offset, 4);
  put(&header, sizeof header);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      BYTE pixel[4] = {0, 0, 0xFF, 0xFF};
      if (x >= 8) pixel[2] = pixel[3] = 0;
      put(pixel, 4);
    }
  for (int y = 0; y < 16; ++y) {
    BYTE mask[4] = {0x00, 0xFF, 0, 0};  // right half see-through
    put(mask, 4);
  }
  return data;
}

void Write(const ScratchFile& file, const std::string& data) {
  std::ofstream(file.Path(), std::ios::binary) << data;
}

std::string BmpFile() {
  TBitmap bitmap;
  MakeBitmap(bitmap, 7, 5, clTeal);
  std::ostringstream out;
  bitmap.SaveToStream(out);
  return out.str();
}

}  // namespace

TEST(GraphicsIcon, LoadsAnIcoFileAndDrawsItsMask) {
  std::istringstream in(RedIcon());
  TIcon icon;
  icon.LoadFromStream(in);
  EXPECT_EQ(icon.Width(), 16);
  EXPECT_EQ(icon.Height(), 16);
  EXPECT_TRUE(icon.Transparent());
  TBitmap target;
  MakeBitmap(target, 20, 20, clGreen);
  target.Canvas()->Draw(2, 2, &icon);
  EXPECT_EQ(CountColor(target.Canvas(), TRect(2, 2, 10, 18), clRed), 128);
  EXPECT_EQ(CountColor(target.Canvas(), TRect(10, 2, 18, 18), clGreen), 128);

  TIcon copy;
  copy.Assign(&icon);
  EXPECT_NE(copy.Handle(), icon.Handle());
  EXPECT_EQ(copy.Width(), 16);
  std::istringstream bad(RedIcon().substr(0, 30));
  EXPECT_THROW(copy.LoadFromStream(bad), EInvalidGraphic);
  EXPECT_FALSE(copy.Empty());
}

TEST(GraphicsPicture, PicksTheClassByExtension) {
  ScratchFile bmp("a.bmp"), ico("a.Ico"), jpg("a.JPG"), jpeg("a.jpeg"), thm("a.THM"), txt("a.txt");
  Write(bmp, BmpFile());
  Write(ico, RedIcon());
  for (const ScratchFile* file : {&jpg, &jpeg, &thm}) Write(*file, EncodeJpeg(16, 8));
  Write(txt, BmpFile());
  TPicture picture;
  picture.LoadFromFile(bmp.Path());
  EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 7);
  picture.LoadFromFile(ico.Path());
  EXPECT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);
  for (const ScratchFile* file : {&jpg, &jpeg, &thm}) {
    picture.LoadFromFile(bmp.Path());
    picture.LoadFromFile(file->Path());
    EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr) << file->Path();
    EXPECT_EQ(picture.Height(), 8);
  }
  EXPECT_THROW(picture.LoadFromFile(txt.Path()), EInvalidGraphic);
  EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);  // kept
  Write(jpg, "broken");
  EXPECT_THROW(picture.LoadFromFile(jpg.Path()), EJPEG);
  EXPECT_EQ(picture.Height(), 8);
}

TEST(GraphicsPicture, TellsWhenItsGraphicChanges) {
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &picture);
    ++changes;
  };
  TBitmap* bitmap = picture.Bitmap();
  EXPECT_EQ(changes, 1);
  bitmap->SetSize(4, 4);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(picture.Bitmap(), bitmap);  // already a bitmap
  picture.Icon();                       // any other kind is replaced
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(picture.Width(), 0);
  picture.Assign(nullptr);
  EXPECT_EQ(picture.Graphic(), nullptr);
  EXPECT_EQ(changes, 4);
}

TEST(GraphicsPicture, AssignCopiesTheGraphic) {
  TPicture source, copy;
  MakeBitmap(*source.Bitmap(), 6, 6, clRed);
  copy.Assign(&source);
  ASSERT_NE(copy.Graphic(), source.Graphic());
  Fill(*copy.Bitmap(), clBlue);
  EXPECT_EQ(source.Bitmap()->Canvas()->Pixels(1, 1), clRed);
  TBitmap other;
  MakeBitmap(other, 3, 2, clLime);
  copy.SetGraphic(&other);
  EXPECT_EQ(copy.Width(), 3);
  EXPECT_NE(copy.Graphic(), &other);
  TFont font;
  EXPECT_THROW(copy.Assign(&font), EConvertError);
}
