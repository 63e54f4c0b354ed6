#include "skin/core/box_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace skin {
namespace {

TEST(CheckBoxPlace, BoxGoesLeftOrOnePixelInFromTheRightAndCentredDown) {
  EXPECT_EQ(CheckBoxPlace(97, 17, 13, 13, true), (Point{0, 2}));
  EXPECT_EQ(CheckBoxPlace(97, 17, 13, 13, false), (Point{83, 2}));
  EXPECT_EQ(CheckBoxPlace(97, 12, 13, 13, true), (Point{0, 0}));  // lower than the box
}

TEST(UpDownHalves, SplitAroundTheMiddleRowWithEdgesInside) {
  const UpDownHalves vertical = UpDownHalvesOf(16, 22, true);
  EXPECT_EQ(vertical.First, (Rect{0, 0, 16, 11}));
  EXPECT_EQ(vertical.Second, (Rect{0, 12, 16, 22}));
  const UpDownHalves horizontal = UpDownHalvesOf(22, 16, false);
  EXPECT_EQ(horizontal.First, (Rect{0, 0, 11, 16}));
  EXPECT_EQ(horizontal.Second, (Rect{12, 0, 22, 16}));

  struct Case {
    Point at;
    int half;
  };
  for (const Case& c : {Case{{8, 0}, -1}, Case{{8, 11}, -1}, Case{{8, 12}, 1}, Case{{16, 22}, 1},
                        Case{{17, 5}, 0}, Case{{8, 23}, 0}})
    EXPECT_EQ(UpDownHalfAt(vertical, c.at), c.half) << c.at.X << "," << c.at.Y;

  EXPECT_EQ(UpDownArrow(vertical, true, false, false), (PlacedArrow{ArrowDirection::Up, {8, 3}}));
  EXPECT_EQ(UpDownArrow(vertical, true, true, false), (PlacedArrow{ArrowDirection::Down, {5, 15}}));
  EXPECT_EQ(UpDownArrow(vertical, true, true, true), (PlacedArrow{ArrowDirection::Down, {6, 16}}));
  EXPECT_EQ(UpDownArrow(horizontal, false, false, false), (PlacedArrow{ArrowDirection::Left, {4, 8}}));
  EXPECT_EQ(UpDownArrow(horizontal, false, true, false), (PlacedArrow{ArrowDirection::Right, {15, 5}}));
}

TEST(ProgressFill, FillsFromTheStartExactlyOverTheWhole32BitRange) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const Rect wide{0, 0, 200, 20}, tall{0, 0, 20, 200};
  struct Case {
    const char* note;
    Rect client;
    std::int32_t min, max, position;
    bool vertical;
    Rect fill;
  };
  for (const Case& c : {
           Case{"half way", wide, 0, 100, 50, false, {0, 0, 100, 20}},
           Case{"at the end", wide, 0, 100, 100, false, {0, 0, 200, 20}},
           Case{"at the start", wide, 0, 100, 0, false, {0, 0, 0, 20}},
           Case{"not at the origin", {3, 1, 203, 21}, 10, 20, 15, false, {3, 1, 103, 21}},
           Case{"vertical fills from the bottom", tall, 0, 100, 25, true, {0, 150, 20, 200}},
           Case{"vertical at the end", tall, 0, 100, 100, true, {0, 0, 20, 200}},
           Case{"min equal to max", wide, 5, 5, 5, false, {0, 0, 0, 20}},
           Case{"min above max", tall, 10, 5, 7, true, {0, 0, 0, 200}},
           Case{"whole range, middle", wide, kMin, kMax, 0, false, {0, 0, 100, 20}},
           Case{"whole range, end", wide, kMin, kMax, kMax, false, {0, 0, 200, 20}},
           Case{"large range, one short of the end", wide, 0, kMax, kMax - 1, false, {0, 0, 199, 20}},
       }) {
    EXPECT_EQ(ProgressFill(c.client, c.min, c.max, c.position, c.vertical), c.fill) << c.note;
  }
}

}  // namespace
}  // namespace skin
