#pragma once
#include <cstdint>
#include <vector>

namespace skin {

// A colour as the framework's colour type holds it: 0x00BBGGRR.
using Color = std::uint32_t;

// Skin bitmaps leave pixels of this colour (magenta) undrawn.
constexpr Color kTransparentColor = 0xFF00FF;

// A bitmap in memory, rows top to bottom.
class Image {
public:
  Image() = default;
  Image(int width, int height, Color fill = 0);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return FPixels.empty(); }
  Color Pixel(int x, int y) const { return FPixels[Index(x, y)]; }
  void SetPixel(int x, int y, Color color) { FPixels[Index(x, y)] = color; }
  const std::vector<Color>& Pixels() const { return FPixels; }

  bool operator==(const Image& other) const;
  bool operator!=(const Image& other) const { return !(*this == other); }

private:
  std::size_t Index(int x, int y) const { return std::size_t(y) * std::size_t(FWidth) + std::size_t(x); }

  int FWidth = 0;
  int FHeight = 0;
  std::vector<Color> FPixels;
};

}  // namespace skin
