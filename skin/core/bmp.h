#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include "skin/core/image.h"

namespace skin {

// The widest and highest bitmap read: the largest coordinate of a window, so that sums of a
// skin's sizes and places stay far from the limits of int.
constexpr std::int64_t kMaxBmpSide = 32767;

// Decodes a Windows BMP file image (file header included): uncompressed 24 and 32 bits per
// pixel, 1, 4 and 8 bits with a palette, bottom-up or top-down. Nothing for anything else,
// nor for a file whose palette or pixels run past its end or a side beyond kMaxBmpSide.
std::optional<Image> ReadBmp(const std::uint8_t* data, std::size_t size);

}  // namespace skin
