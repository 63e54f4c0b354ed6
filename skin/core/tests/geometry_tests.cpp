#include "skin/core/geometry.h"

#include <gtest/gtest.h>

#include "skin/core/arrows.h"

namespace skin {
namespace {

TEST(CoordInRect, CountsAllFourEdgesAsInside) {
  const Rect r{10, 20, 30, 40};
  EXPECT_TRUE(CoordInRect(10, 20, r));
  EXPECT_TRUE(CoordInRect(30, 40, r));
  EXPECT_FALSE(CoordInRect(31, 30, r));
  EXPECT_FALSE(CoordInRect(20, 19, r));
  EXPECT_TRUE(PointInRect({30, 20}, r));
  EXPECT_FALSE(PointInRect({9, 40}, r));
}

TEST(ArrowPlan, EnabledArrowsAreOneBlackTriangle) {
  using P = std::array<Point, 3>;
  EXPECT_EQ(ArrowPlan(ArrowDirection::Down, 10, 20, true),
            (std::vector<Triangle>{{P{{{10, 20}, {16, 20}, {13, 23}}}, 0x000000}}));
  EXPECT_EQ(ArrowPlan(ArrowDirection::Up, 10, 20, true),
            (std::vector<Triangle>{{P{{{10, 20}, {7, 23}, {13, 23}}}, 0x000000}}));
  EXPECT_EQ(ArrowPlan(ArrowDirection::Left, 10, 20, true),
            (std::vector<Triangle>{{P{{{10, 20}, {13, 23}, {13, 17}}}, 0x000000}}));
  EXPECT_EQ(ArrowPlan(ArrowDirection::Right, 10, 20, true),
            (std::vector<Triangle>{{P{{{10, 20}, {10, 26}, {13, 23}}}, 0x000000}}));
}

TEST(ArrowPlan, DisabledArrowsAreGreyOverAWhiteShadow) {
  using P = std::array<Point, 3>;
  EXPECT_EQ(ArrowPlan(ArrowDirection::Right, 10, 20, false),
            (std::vector<Triangle>{{P{{{11, 21}, {11, 27}, {14, 24}}}, 0xFFFFFF},
                                   {P{{{10, 20}, {10, 26}, {13, 23}}}, 0x808080}}));
}

}  // namespace
}  // namespace skin
