#pragma once
#include <windows.h>

#include <string>

namespace driver {

// Writes a picture of the whole X screen that the programs run on, in the format that the
// path's extension names: ".png" to look at, ".ppm" (binary, 8 bits a channel) for a test
// to read pixels from. The Linux program that takes it is started through Wine; the file
// appears complete or not at all. The path may not contain a single quote.
bool TakeScreenshot(const std::string& pngPath, DWORD timeoutMs = 15000);
// The same once the screen has settled: takes pictures until two in a row are the same, so a
// window that a busy machine paints late is on it.
bool TakeSettledScreenshot(const std::string& path, DWORD timeoutMs = 30000);

// A binary PPM picture as ImageMagick writes it: "P6", width, height, 255, then RGB rows.
// One that cannot be read has no pixels.
class ScreenPicture {
 public:
  explicit ScreenPicture(const std::string& ppm);
  // The screen now, through a ".ppm" file at the path.
  static ScreenPicture Take(const std::string& ppmPath);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Complete() const {
    return FWidth > 0 && FPixels.size() == static_cast<size_t>(FWidth) * FHeight * 3;
  }
  // The colour at a point of the screen, which must lie on the picture.
  COLORREF At(POINT screen) const;

 private:
  int FWidth = 0, FHeight = 0;
  std::string FPixels;
};

}  // namespace driver
