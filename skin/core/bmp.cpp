#include "skin/core/bmp.h"

#include <vector>

#include "skin/core/little_endian.h"

namespace skin {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;

Color FromBgr(const std::uint8_t* p) {
  return Color(p[2]) | Color(p[1]) << 8 | Color(p[0]) << 16;
}

// Index of pixel x in a row of 1, 4 or 8 bits per pixel, leftmost pixel in the high bits.
unsigned PaletteIndex(const std::uint8_t* row, int x, int bits) {
  const int perByte = 8 / bits;
  const int shift = (perByte - 1 - x % perByte) * bits;
  return (row[x / perByte] >> shift) & ((1u << bits) - 1);
}

}  // namespace

std::optional<Image> ReadBmp(const std::uint8_t* data, std::size_t size) {
  if (size < kFileHeaderSize + kInfoHeaderSize || data[0] != 'B' || data[1] != 'M')
    return std::nullopt;
  const std::uint32_t pixelOffset = ReadU32(data + 10);
  const std::uint8_t* info = data + kFileHeaderSize;
  const std::uint32_t infoSize = ReadU32(info);
  const std::int64_t width = std::int32_t(ReadU32(info + 4));
  const std::int64_t signedHeight = std::int32_t(ReadU32(info + 8));
  const int bits = ReadU16(info + 14);
  const std::uint32_t compression = ReadU32(info + 16);
  const std::uint32_t colorsUsed = ReadU32(info + 32);

  const bool topDown = signedHeight < 0;
  const std::int64_t height = topDown ? -signedHeight : signedHeight;
  const bool paletted = bits == 1 || bits == 4 || bits == 8;
  if (infoSize < kInfoHeaderSize || infoSize > size || width <= 0 || height <= 0 ||
      width > kMaxBmpSide || height > kMaxBmpSide ||
      compression != kUncompressed || !(paletted || bits == 24 || bits == 32))
    return std::nullopt;

  std::vector<Color> palette;
  if (paletted) {
    const std::uint64_t maxColors = 1u << bits;
    const std::uint64_t count = colorsUsed == 0 || colorsUsed > maxColors ? maxColors : colorsUsed;
    const std::uint64_t paletteStart = kFileHeaderSize + std::uint64_t(infoSize);
    if (paletteStart + count * 4 > size)
      return std::nullopt;
    for (std::uint64_t i = 0; i < count; ++i)
      palette.push_back(FromBgr(data + paletteStart + i * 4));
  }

  // Rows are padded to whole 32-bit words; the pixels must all lie inside the data, which
  // also bounds the image that is allocated.
  const std::uint64_t stride = (std::uint64_t(width) * std::uint64_t(bits) + 31) / 32 * 4;
  if (pixelOffset > size || stride * std::uint64_t(height) > size - pixelOffset)
    return std::nullopt;

  Image image(static_cast<int>(width), static_cast<int>(height));
  for (int y = 0; y < image.Height(); ++y) {
    const int fileRow = topDown ? y : image.Height() - 1 - y;
    const std::uint8_t* row = data + pixelOffset + std::size_t(fileRow) * std::size_t(stride);
    for (int x = 0; x < image.Width(); ++x) {
      if (paletted) {
        const unsigned index = PaletteIndex(row, x, bits);
        image.SetPixel(x, y, index < palette.size() ? palette[index] : 0);
      } else {
        image.SetPixel(x, y, FromBgr(row + std::size_t(x) * std::size_t(bits / 8)));
      }
    }
  }
  return image;
}

}  // namespace skin
