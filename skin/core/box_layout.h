// Small placements of the skinned boxes: a check box's box, the two halves of an up-down
// control with their arrows, and the filled part of a progress bar.
#pragma once

#include <cstdint>

#include "skin/core/arrows.h"
#include "skin/core/geometry.h"

namespace skin {

// The box's top-left corner in a check box or radio button of that width and client height:
// at the left edge when the caption is on its right, else one pixel in from the right edge,
// centred down.
Point CheckBoxPlace(int width, int clientHeight, int imageWidth, int imageHeight,
                    bool captionOnRight);

// The halves of an up-down control of width x height: top and bottom, or left and right; the
// middle row (column) belongs to neither.
struct UpDownHalves {
  Rect First;
  Rect Second;
};
UpDownHalves UpDownHalvesOf(int width, int height, bool vertical);
// -1 when the point lies in the first half, 1 in the second (edges inside), else 0.
int UpDownHalfAt(const UpDownHalves& halves, Point p);
// The arrow of each half (up/down or left/right) and its anchor, moved by (1, 1) while pressed.
struct PlacedArrow {
  ArrowDirection Direction;
  Point At;
  bool operator==(const PlacedArrow& o) const { return Direction == o.Direction && At == o.At; }
};
PlacedArrow UpDownArrow(const UpDownHalves& halves, bool vertical, bool second, bool pressed);

// The part of client that a progress bar fills at position within min..max: from the left, or
// from the bottom when vertical; empty when min >= max. Exact over the whole 32-bit range.
Rect ProgressFill(const Rect& client, std::int32_t min, std::int32_t max, std::int32_t position,
                  bool vertical);

}  // namespace skin
