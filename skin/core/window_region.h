#pragma once
#include <vector>

#include "skin/core/geometry.h"

namespace skin {

// A window's outline: an upper half with the skin's top corners ("FormRoundCornerInt") and a
// lower half with its bottom corners ("FormBottomRoundCornerInt"), each squared where it
// meets the other. The union of every piece is the region.
struct RoundedPiece {
  Rect Bounds;
  int Corner;  // ellipse width and height; 0 is square
  bool operator==(const RoundedPiece& o) const { return Bounds == o.Bounds && Corner == o.Corner; }
};

struct RegionPlan {
  RoundedPiece Upper;
  RoundedPiece Lower;
  std::vector<Rect> Squares;  // normalised; corners that meet the other half
};

// For a window of width by height; a corner of -1 (absent from the skin) counts as 0.
RegionPlan PlanWindowRegion(int width, int height, int topCorner, int bottomCorner);

}  // namespace skin
