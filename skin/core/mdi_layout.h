#pragma once
#include <vector>

#include "skin/core/geometry.h"

namespace skin {

// Where a skinned MDI parent puts its children that are not minimised, in the MDI client's
// coordinates; the first rectangle is for the last child.

// Each child 22 pixels right of and below the one before, from the corner, 80% as wide and
// 60% as high as the parent's client area.
std::vector<Rect> CascadeRects(int count, int clientWidth, int clientHeight);

// One slot per child, stacked from the top (horizontal) or side by side from the left; the
// row of minimised children keeps 25 pixels at the bottom.
struct TileInput {
  int Count = 0;              // children not minimised
  bool SomeMinimized = false;
  int ClientWidth = 0;
  int ClientHeight = 0;       // of the parent, less its top- and bottom-aligned controls
  bool Horizontal = false;
};
std::vector<Rect> TileRects(const TileInput& in);

}  // namespace skin
