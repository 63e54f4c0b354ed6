#include "manager/core/ThumbnailScale.h"

#include "common/core/JpegDecompressor.h"

namespace manager {

namespace {

constexpr int kMostHalvings = 3;

unsigned Halved(unsigned side, int halvings) {
  const unsigned step = 1u << halvings;
  return side / step + (side % step != 0);
}

}  // namespace

std::optional<int> ThumbnailHalvings(unsigned declaredWidth, unsigned declaredHeight,
                                     unsigned width, unsigned height) {
  if (declaredWidth == 0 || declaredHeight == 0 || declaredWidth > kMaxThumbnailSide ||
      declaredHeight > kMaxThumbnailSide ||
      static_cast<unsigned long long>(declaredWidth) * declaredHeight > kMaxThumbnailPixels)
    return std::nullopt;
  int halvings = 0;
  while (halvings < kMostHalvings && Halved(declaredWidth, halvings + 1) >= width &&
         Halved(declaredHeight, halvings + 1) >= height)
    ++halvings;
  return halvings;
}

std::optional<int> ThumbnailHalvings(const void* data, std::size_t size, unsigned width,
                                     unsigned height) {
  try {
    const common::TJpegDecompressor header(data, size);
    return ThumbnailHalvings(header.Width(), header.Height(), width, height);
  } catch (const common::EJpegData&) {
    return std::nullopt;
  }
}

}  // namespace manager
