#include "skin/core/window_region.h"

#include <algorithm>

namespace skin {
namespace {

// The rectangle between two corner points, in either order.
Rect Between(int x1, int y1, int x2, int y2) {
  return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

}  // namespace

RegionPlan PlanWindowRegion(int width, int height, int topCorner, int bottomCorner) {
  const int d = std::max(topCorner, 0);
  const int e = std::max(bottomCorner, 0);
  const int half = height / 2;
  RegionPlan plan;
  // The platform's round rectangles leave out their right and bottom edges: one more each.
  plan.Upper = {{0, 0, width + 1, half + 1}, d};
  plan.Lower = {{0, half, width + 1, height + 1}, e};
  plan.Squares = {Between(0, half, 2 * d, half - d / 2), Between(width, half, width - 2 * d, half - d / 2),
                  Between(0, half, 2 * e, half + 2 * e), Between(width, half, width - 2 * e, half + 2 * e)};
  return plan;
}

}  // namespace skin
