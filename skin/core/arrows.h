#pragma once
#include <array>
#include <vector>

#include "skin/core/geometry.h"
#include "skin/core/image.h"

namespace skin {

enum class ArrowDirection { Down, Up, Left, Right };

// A filled triangle, pen and brush of one colour.
struct Triangle {
  std::array<Point, 3> Points;
  Color Fill;
  bool operator==(const Triangle& o) const { return Points == o.Points && Fill == o.Fill; }
};

// The small arrow glyph anchored at (x, y): one black triangle when enabled; when disabled a
// white copy moved by (1, 1) under a grey one.
std::vector<Triangle> ArrowPlan(ArrowDirection direction, int x, int y, bool enabled);

}  // namespace skin
