#include "skin/core/window_region.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(WindowRegion, RoundsTheTopCornersAndSquaresWhereTheHalvesMeet) {
  const RegionPlan plan = PlanWindowRegion(400, 300, 11, 0);
  EXPECT_EQ(plan.Upper, (RoundedPiece{{0, 0, 401, 151}, 11}));
  EXPECT_EQ(plan.Lower, (RoundedPiece{{0, 150, 401, 301}, 0}));
  EXPECT_EQ(plan.Squares, (std::vector<Rect>{{0, 145, 22, 150}, {378, 145, 400, 150},
                                              {0, 150, 0, 150}, {400, 150, 400, 150}}));
}

TEST(WindowRegion, RoundsTheBottomCornersWhenTheSkinHasThem) {
  const RegionPlan plan = PlanWindowRegion(201, 67, -1, 6);  // odd sizes; top corner absent
  EXPECT_EQ(plan.Upper, (RoundedPiece{{0, 0, 202, 34}, 0}));
  EXPECT_EQ(plan.Lower, (RoundedPiece{{0, 33, 202, 68}, 6}));
  EXPECT_EQ(plan.Squares, (std::vector<Rect>{{0, 33, 0, 33}, {201, 33, 201, 33},
                                              {0, 33, 12, 45}, {189, 33, 201, 45}}));
}

TEST(WindowRegion, TheLargestCornersAWindowHasStayWithinRange) {
  const RegionPlan plan = PlanWindowRegion(32767, 32767, 32767, 32767);
  EXPECT_EQ(plan.Upper, (RoundedPiece{{0, 0, 32768, 16384}, 32767}));
  EXPECT_EQ(plan.Squares.back(), (Rect{-32767, 16383, 32767, 81917}));
}

}  // namespace
}  // namespace skin
