// The screen as the X server shows it, read from a screenshot: what the renderer drew where.
#pragma once
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "testing/driver/screenshot.h"

namespace graph_testing {

class ScreenPixels {
public:
  // A screenshot in the temp folder under name (".ppm"); empty when it could not be taken.
  static ScreenPixels Take(const std::string& name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + name;
    ScreenPixels screen;
    if (!driver::TakeScreenshot(path)) return screen;
    std::ifstream file(path, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    file >> magic >> screen.FWidth >> screen.FHeight >> maxValue;
    file.get();
    if (magic != "P6" || maxValue != 255) return ScreenPixels();
    screen.FPixels.resize((size_t)screen.FWidth * screen.FHeight * 3);
    file.read(reinterpret_cast<char*>(screen.FPixels.data()), (std::streamsize)screen.FPixels.size());
    return screen;
  }
  // Red, green and blue at a screen point; all -1 outside the picture.
  void At(int x, int y, int& r, int& g, int& b) const {
    r = g = b = -1;
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight || FPixels.empty()) return;
    const unsigned char* p = &FPixels[((size_t)y * FWidth + x) * 3];
    r = p[0];
    g = p[1];
    b = p[2];
  }
  bool IsBlue(int x, int y) const {
    int r, g, b;
    At(x, y, r, g, b);
    return b > 200 && r < 60 && g < 60;
  }
  bool IsWhite(int x, int y) const {
    int r, g, b;
    At(x, y, r, g, b);
    return r > 230 && g > 230 && b > 230;
  }

private:
  int FWidth = 0, FHeight = 0;
  std::vector<unsigned char> FPixels;
};

}  // namespace graph_testing
