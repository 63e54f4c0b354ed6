// Bitmaps: scan lines, resizing, transparency and BMP files.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "framework/Graphics.h"
#include "framework/tests/graphics_testing.h"

using namespace graphics_testing;

namespace {
// A bitmap on magenta with a blue square at (4,4)-(12,12).
void MakeSprite(TBitmap& sprite) {
  MakeBitmap(sprite, 16, 16, clFuchsia);
  sprite.Canvas()->Brush()->SetColor(clBlue);
  sprite.Canvas()->FillRect(TRect(4, 4, 12, 12));
}

std::string Saved(TBitmap& bitmap) {
  std::ostringstream out;
  bitmap.SaveToStream(out);
  return out.str();
}
}  // namespace

TEST(GraphicsBitmap, ScanLinesAreTopDownBGR) {
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(format);
    MakeBitmap(bitmap, 5, 3, clWhite);
    bitmap.Canvas()->SetPixels(1, 0, RGB(10, 20, 30));
    int bytes = format == pf32bit ? 4 : 3;
    const BYTE* top = static_cast<const BYTE*>(bitmap.ScanLine(0)) + bytes;
    EXPECT_EQ(top[0], 30);
    EXPECT_EQ(top[1], 20);
    EXPECT_EQ(top[2], 10);
    BYTE* bottom = static_cast<BYTE*>(bitmap.ScanLine(2));
    bottom[0] = 0;  // writing pixels shows through the canvas
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 2), RGB(0xFF, 0xFF, 0));
    EXPECT_THROW(bitmap.ScanLine(3), EInvalidGraphicOperation);
  }
}

TEST(GraphicsBitmap, ResizingKeepsWhatFitsAndNotifies) {
  TBitmap bitmap;
  int changes = 0;
  bitmap.OnChange = [&](TObject*) { ++changes; };
  MakeBitmap(bitmap, 10, 10, clRed);
  bitmap.SetWidth(20);
  EXPECT_EQ(bitmap.Width(), 20);
  EXPECT_EQ(bitmap.Canvas()->Pixels(9, 9), clRed);
  EXPECT_EQ(bitmap.Canvas()->Pixels(15, 5), clWhite);
  bitmap.SetSize(5, 5);
  EXPECT_EQ(CountColor(bitmap.Canvas(), TRect(0, 0, 5, 5), clRed), 25);
  EXPECT_EQ(changes, 3);
  bitmap.SetHeight(-3);
  EXPECT_TRUE(bitmap.Empty());
}

TEST(GraphicsBitmap, PixelFormatChangeKeepsThePixels) {
  TBitmap bitmap;
  MakeSprite(bitmap);
  bitmap.SetPixelFormat(pf32bit);
  EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
  EXPECT_EQ(bitmap.Canvas()->Pixels(8, 8), clBlue);
  EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clFuchsia);
}

TEST(GraphicsBitmap, AssignMakesAnIndependentCopy) {
  TBitmap source, copy;
  MakeSprite(source);
  source.SetTransparent(true);
  copy.Assign(&source);
  EXPECT_EQ(copy.Width(), 16);
  EXPECT_TRUE(copy.Transparent());
  Fill(copy, clGreen);
  EXPECT_EQ(source.Canvas()->Pixels(8, 8), clBlue);
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
}

TEST(GraphicsBitmap, TransparentDrawKeepsTheBackground) {
  TBitmap sprite, target;
  MakeSprite(sprite);
  sprite.SetTransparent(true);
  EXPECT_EQ(sprite.TransparentColor(), clFuchsia);  // the bottom-left pixel
  MakeBitmap(target, 30, 30, clGreen);
  target.Canvas()->Draw(5, 5, &sprite);
  EXPECT_EQ(CountColor(target.Canvas(), TRect(9, 9, 17, 17), clBlue), 64);
  EXPECT_EQ(CountColor(target.Canvas(), TRect(0, 0, 30, 30), clFuchsia), 0);
  EXPECT_EQ(CountColor(target.Canvas(), TRect(0, 0, 30, 30), clGreen), 900 - 64);

  // A fixed colour keys that colour instead.
  sprite.SetTransparentColor(clBlue);
  EXPECT_EQ(sprite.TransparentMode(), tmFixed);
  Fill(target, clGreen);
  target.Canvas()->Draw(5, 5, &sprite);
  EXPECT_EQ(CountColor(target.Canvas(), TRect(0, 0, 30, 30), clBlue), 0);
  EXPECT_EQ(CountColor(target.Canvas(), TRect(5, 5, 21, 21), clFuchsia), 256 - 64);
}

TEST(GraphicsBitmap, OpaqueDrawCopiesEverything) {
  TBitmap sprite, target;
  MakeSprite(sprite);
  MakeBitmap(target, 30, 30, clGreen);
  target.Canvas()->Draw(0, 0, &sprite);
  EXPECT_EQ(CountColor(target.Canvas(), TRect(0, 0, 16, 16), clFuchsia), 256 - 64);
}

TEST(GraphicsBitmap, SavedBmpLoadsBackTheSame) {
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    TBitmap source, loaded;
    source.SetPixelFormat(format);
    MakeSprite(source);
    source.SetWidth(17);  // rows with padding
    std::istringstream in(Saved(source));
    loaded.LoadFromStream(in);
    EXPECT_EQ(loaded.Width(), 17);
    EXPECT_EQ(loaded.Height(), 16);
    EXPECT_EQ(loaded.PixelFormat(), format);
    EXPECT_EQ(loaded.Canvas()->Pixels(8, 8), clBlue);
    EXPECT_EQ(loaded.Canvas()->Pixels(0, 15), clFuchsia);
    EXPECT_EQ(loaded.Canvas()->Pixels(16, 0), clWhite);
  }
  TBitmap empty;
  std::ostringstream out;
  EXPECT_THROW(empty.SaveToStream(out), EInvalidGraphicOperation);
}

TEST(GraphicsBitmap, PaletteBmpLoadsThroughThePlatform) {
  // 2x2, 8 bits, two palette entries, bottom-up rows.
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = 2;
  info.biHeight = 2;
  info.biPlanes = 1;
  info.biBitCount = 8;
  info.biClrUsed = 2;
  RGBQUAD palette[2] = {{0, 0, 255, 0}, {255, 0, 0, 0}};  // red, blue
  BYTE rows[8] = {0, 1, 0, 0, 1, 1, 0, 0};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info + sizeof palette;
  file.bfSize = file.bfOffBits + sizeof rows;
  std::string data;
  data.append(reinterpret_cast<char*>(&file), sizeof file);
  data.append(reinterpret_cast<char*>(&info), sizeof info);
  data.append(reinterpret_cast<char*>(palette), sizeof palette);
  data.append(reinterpret_cast<char*>(rows), sizeof rows);
  std::istringstream in(data);
  TBitmap bitmap;
  bitmap.LoadFromStream(in);
  EXPECT_EQ(bitmap.Canvas()->Pixels(0, 1), clRed);
  EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clBlue);
  EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clBlue);
}

TEST(GraphicsBitmap, DamagedBmpIsRefusedAndTheOldImageKept) {
  TBitmap source, bitmap;
  MakeSprite(source);
  MakeBitmap(bitmap, 3, 3, clRed);
  std::string good = Saved(source);
  auto refused = [&](std::string data) {
    std::istringstream in(data);
    EXPECT_THROW(bitmap.LoadFromStream(in), EInvalidGraphic);
    EXPECT_EQ(bitmap.Width(), 3);
  };
  refused(good.substr(0, good.size() - 10));  // pixels cut short
  refused(good.substr(0, 20));
  refused("PK" + good.substr(2));
  std::string wide = good;
  LONG huge = 1 << 30;
  std::memcpy(&wide[sizeof(BITMAPFILEHEADER) + 4], &huge, sizeof huge);
  refused(wide);
  std::string offset = good;
  DWORD beyond = 1 << 20;
  std::memcpy(&offset[10], &beyond, sizeof beyond);
  refused(offset);
}

TEST(GraphicsBitmap, MissingResourceRaises) {
  TBitmap bitmap;
  EXPECT_THROW(bitmap.LoadFromResourceName(GetModuleHandleA(nullptr), "NO_SUCH_BITMAP"), EInvalidGraphic);
  TIcon icon;
  EXPECT_THROW(icon.LoadFromResourceID(GetModuleHandleA(nullptr), 4711), EInvalidGraphic);
}

TEST(GraphicsBitmap, PatternBrushPaintsTheBitmap) {
  TBitmap pattern, target;
  MakeBitmap(pattern, 8, 8, clRed);
  pattern.Canvas()->SetPixels(0, 0, clBlue);
  MakeBitmap(target, 16, 16, clWhite);
  target.Canvas()->Brush()->SetBitmap(&pattern);
  target.Canvas()->FillRect(TRect(0, 0, 16, 16));
  EXPECT_EQ(CountColor(target.Canvas(), TRect(0, 0, 16, 16), clBlue), 4);
  EXPECT_EQ(CountColor(target.Canvas(), TRect(0, 0, 16, 16), clRed), 252);
}
