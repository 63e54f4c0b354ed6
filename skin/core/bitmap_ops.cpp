#include "skin/core/bitmap_ops.h"

#include <utility>

namespace skin {

Image ExtractFrameBitmap(const Image& source, int frameCount, int frameIndex) {
  if (frameCount <= 0)
    return Image();
  const int width = source.Width() / frameCount;
  const int left = (frameIndex - 1) * width;
  Image frame(width, source.Height());
  for (int y = 0; y < frame.Height(); ++y)
    for (int x = 0; x < frame.Width(); ++x)
      if (left + x >= 0 && left + x < source.Width())
        frame.SetPixel(x, y, source.Pixel(left + x, y));
  return frame;
}

void RotateBitmapLeft(Image& bitmap) {
  Image turned(bitmap.Height(), bitmap.Width());
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      turned.SetPixel(y, bitmap.Width() - 1 - x, bitmap.Pixel(x, y));
  bitmap = std::move(turned);
}

void RotateBitmap180(Image& bitmap) {
  Image turned(bitmap.Width(), bitmap.Height());
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      turned.SetPixel(bitmap.Width() - 1 - x, bitmap.Height() - 1 - y, bitmap.Pixel(x, y));
  bitmap = std::move(turned);
}

void RotateBitmapRight(Image& bitmap) {
  Image turned(bitmap.Height(), bitmap.Width());
  for (int y = 0; y < turned.Height(); ++y)
    for (int x = 0; x < turned.Width(); ++x)
      turned.SetPixel(x, y, bitmap.Pixel(y, bitmap.Height() - 1 - x));
  bitmap = std::move(turned);
}

}  // namespace skin
