#include "converter/core/TaskColumns.h"

#include <cmath>

namespace converter {

std::array<int, 4> ResizedColumnWidths(const std::array<int, 4>& widths, int widthChange) {
  constexpr std::array<double, 4> shares{0.49, 0.17, 0.15, 0.19};
  std::array<int, 4> resized{};
  for (std::size_t i = 0; i < widths.size(); ++i)
    resized[i] = widths[i] + static_cast<int>(std::nearbyint(widthChange * shares[i]));  // halves to even
  return resized;
}

}  // namespace converter
