// Helpers of the graphics tests: bitmaps filled with one colour, pixel counts, scratch files
// and JPEG data made with libjpeg's compressor.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/core/tests/JpegTesting.h"
#include "framework/Graphics.h"

namespace graphics_testing {

inline void Fill(TBitmap& bitmap, TColor color) {
  bitmap.Canvas()->Brush()->SetColor(color);
  bitmap.Canvas()->FillRect(TRect(0, 0, bitmap.Width(), bitmap.Height()));
}

inline void MakeBitmap(TBitmap& bitmap, int width, int height, TColor color) {
  bitmap.SetSize(width, height);
  Fill(bitmap, color);
}

// Pixels of exactly this colour in r.
inline int CountColor(TCanvas* canvas, const TRect& r, TColor color) {
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (canvas->Pixels(x, y) == color) ++count;
  return count;
}

inline int CountOther(TCanvas* canvas, const TRect& r, TColor color) {
  return r.Width() * r.Height() - CountColor(canvas, r, color);
}

// Whether every channel is within tolerance of the expected colour.
inline bool Near(TColor actual, TColor expected, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8) {
    int a = (actual >> shift) & 0xFF, e = (expected >> shift) & 0xFF;
    if (a - e > tolerance || e - a > tolerance) return false;
  }
  return true;
}

// A path in the temporary folder, the file removed when the test ends.
class ScratchFile {
public:
  explicit ScratchFile(const std::string& name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    FPath = std::string(folder) + "graphics_test_" + std::to_string(GetCurrentProcessId()) + "_" + name;
  }
  ~ScratchFile() { DeleteFileA(FPath.c_str()); }
  const std::string& Path() const { return FPath; }

private:
  std::string FPath;
};

// A JPEG of the given size: red on the left half, blue on the right (or grey levels).
inline std::string EncodeJpeg(int width, int height, bool grey = false) {
  const int components = grey ? 1 : 3;
  std::vector<unsigned char> row(static_cast<size_t>(width) * components);
  for (int x = 0; x < width; ++x) {
    bool left = x < width / 2;
    if (grey) {
      row[x] = left ? 64 : 192;
    } else {
      row[x * 3] = left ? 255 : 0;
      row[x * 3 + 1] = 0;
      row[x * 3 + 2] = left ? 0 : 255;
    }
  }
  return jpeg_testing::EncodeLines(width, height, row);
}

}  // namespace graphics_testing
