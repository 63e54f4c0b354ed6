// Helpers of the graphics tests: bitmaps filled with one colour, pixel counts, scratch files
// and JPEG data made with libjpeg's compressor.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

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
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = grey ? 1 : 3;
  info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 90, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(width) * info.input_components);
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
  JSAMPROW rows[] = {row.data()};
  while (info.next_scanline < info.image_height) jpeg_write_scanlines(&info, rows, 1);
  jpeg_finish_compress(&info);
  std::string data(reinterpret_cast<char*>(buffer), size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return data;
}

}  // namespace graphics_testing
