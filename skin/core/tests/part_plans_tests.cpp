#include "skin/core/part_plans.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

using Plan = std::vector<Piece>;
constexpr Masking M = Masking::Magenta;
constexpr Masking O = Masking::Opaque;

// A push-button frame of the built-in skin: 73 x 19.
constexpr int kBw = 73, kBh = 19;

TEST(NinePartPlan, KeepsCornersAtNaturalSizeAndStretchesTheStripsBetween) {
  EXPECT_EQ(NinePartPlan(kBw, kBh, {0, 0, 120, 30}, false),
            (Plan{{{0, 0, 36, 9}, {0, 0, 36, 9}, O},           // top-left
                  {{0, 11, 36, 19}, {0, 22, 36, 30}, O},       // bottom-left
                  {{0, 9, 36, 10}, {0, 9, 36, 22}, M},         // left edge
                  {{38, 0, 73, 9}, {85, 0, 120, 9}, O},        // top-right
                  {{38, 11, 73, 19}, {85, 22, 120, 30}, O},    // bottom-right
                  {{38, 10, 73, 11}, {85, 9, 120, 22}, M},     // right edge
                  {{36, 0, 38, 9}, {36, 0, 85, 9}, M},         // top edge
                  {{36, 9, 38, 10}, {36, 9, 85, 21}, M},       // centre
                  {{36, 10, 38, 19}, {35, 21, 85, 30}, M}}));  // bottom edge
}

TEST(NinePartPlan, AtTheBitmapsOwnSizePutsEveryCornerWhereItWas) {
  const Plan plan = NinePartPlan(kBw, kBh, {0, 0, kBw, kBh}, true);
  ASSERT_EQ(plan.size(), 9u);
  for (int corner : {0, 1, 3, 4}) {
    EXPECT_EQ(plan[corner].Source, plan[corner].Dest) << corner;
    EXPECT_EQ(plan[corner].Mask, M) << corner;
  }
}

TEST(NinePartPlan, CutsCornersAndEdgesToTheirOuterSidesInASmallRect) {
  EXPECT_EQ(NinePartPlan(kBw, kBh, {0, 0, 20, 10}, true),
            (Plan{{{0, 0, 10, 5}, {0, 0, 10, 5}, M},
                  {{0, 15, 10, 19}, {0, 6, 10, 10}, M},
                  {{0, 9, 10, 10}, {0, 5, 10, 6}, M},
                  {{64, 0, 73, 5}, {11, 0, 20, 5}, M},
                  {{64, 15, 73, 19}, {11, 6, 20, 10}, M},
                  {{64, 10, 73, 11}, {11, 5, 20, 6}, M},
                  {{36, 0, 38, 5}, {10, 0, 11, 5}, M},
                  // the centre has no height left
                  {{36, 14, 38, 19}, {9, 5, 11, 10}, M}}));
}

TEST(NinePartPlan, DrawsOnlyTheTopLeftCornerIntoALowRect) {
  EXPECT_EQ(NinePartPlan(kBw, kBh, {0, 0, 100, 3}, false),
            (Plan{{{0, 0, 36, 1}, {0, 0, 36, 1}, O}}));
  EXPECT_TRUE(NinePartPlan(kBw, kBh, {0, 0, 100, 1}, false).empty());
  EXPECT_TRUE(NinePartPlan(kBw, kBh, {0, 5, 100, 5}, false).empty());
}

TEST(HorzThreePartPlan, SpreadsTheMiddleFrameBetweenTheCaps) {
  // A tab frame: three 9-pixel parts and a spare column.
  EXPECT_EQ(HorzThreePartPlan(28, 19, {5, 2, 65, 30}, true),
            (Plan{{{0, 0, 9, 19}, {5, 2, 14, 21}, Masking::CornerColor},
                  {{18, 0, 27, 19}, {56, 2, 65, 21}, Masking::CornerColor},
                  {{9, 0, 18, 19}, {14, 2, 56, 21}, Masking::CornerColor}}));
  EXPECT_EQ(HorzThreePartPlan(28, 19, {5, 2, 12, 30}, false),
            (Plan{{{0, 0, 7, 19}, {5, 2, 12, 21}, M}}));
  // Exactly one frame wide: both caps over the same place, no room for the middle.
  EXPECT_EQ(HorzThreePartPlan(28, 19, {5, 2, 14, 30}, false),
            (Plan{{{0, 0, 9, 19}, {5, 2, 14, 21}, M}, {{18, 0, 27, 19}, {5, 2, 14, 21}, M}}));
}

TEST(VertThreePartPlan, StretchesEachPartAcrossAndTheMiddleDown) {
  // A slider turned upright: 15 wide, three 19-pixel parts.
  EXPECT_EQ(VertThreePartPlan(15, 57, {0, 20, 16, 100}, false),
            (Plan{{{0, 0, 15, 19}, {0, 20, 16, 39}, O},
                  {{0, 38, 15, 57}, {0, 81, 16, 100}, O},
                  {{0, 19, 15, 38}, {0, 39, 16, 81}, O}}));
  EXPECT_EQ(VertThreePartPlan(15, 57, {0, 20, 16, 30}, true),
            (Plan{{{0, 0, 15, 10}, {0, 20, 16, 30}, M}}));
  // Exactly one part high: both caps, no middle.
  EXPECT_EQ(VertThreePartPlan(15, 57, {0, 20, 16, 39}, false),
            (Plan{{{0, 0, 15, 19}, {0, 20, 16, 39}, O}, {{0, 38, 15, 57}, {0, 20, 16, 39}, O}}));
  EXPECT_TRUE(VertThreePartPlan(15, 57, {-1, 20, 16, 100}, false).empty());
}

}  // namespace
}  // namespace skin
