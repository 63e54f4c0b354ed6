#include "skin/core/image.h"

namespace skin {

Image::Image(int width, int height, Color fill) {
  if (width > 0 && height > 0) {
    FWidth = width;
    FHeight = height;
    FPixels.assign(std::size_t(width) * std::size_t(height), fill);
  }
}

bool Image::operator==(const Image& other) const {
  return FWidth == other.FWidth && FHeight == other.FHeight && FPixels == other.FPixels;
}

}  // namespace skin
