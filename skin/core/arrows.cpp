#include "skin/core/arrows.h"

namespace skin {
namespace {

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kGrey = 0x808080;

std::array<Point, 3> ArrowPoints(ArrowDirection direction, int x, int y) {
  switch (direction) {
    case ArrowDirection::Down:
      return {{{x, y}, {x + 6, y}, {x + 3, y + 3}}};
    case ArrowDirection::Up:
      return {{{x, y}, {x - 3, y + 3}, {x + 3, y + 3}}};
    case ArrowDirection::Left:
      return {{{x, y}, {x + 3, y + 3}, {x + 3, y - 3}}};
    case ArrowDirection::Right:
      break;
  }
  return {{{x, y}, {x, y + 6}, {x + 3, y + 3}}};
}

}  // namespace

std::vector<Triangle> ArrowPlan(ArrowDirection direction, int x, int y, bool enabled) {
  if (enabled)
    return {{ArrowPoints(direction, x, y), kBlack}};
  return {{ArrowPoints(direction, x + 1, y + 1), kWhite}, {ArrowPoints(direction, x, y), kGrey}};
}

}  // namespace skin
