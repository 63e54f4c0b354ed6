#include "skin/core/track_marks.h"

#include <gtest/gtest.h>

#include <vector>

namespace skin {
namespace {

TEST(TrackChannel, NarrowsToTheBarImageAndTurnsAVerticalReport) {
  EXPECT_EQ(TrackChannel({8, 10, 142, 14}, false, 30, 6), (Rect{8, 9, 142, 15}));
  EXPECT_EQ(TrackChannel({8, 10, 142, 14}, true, 6, 30), (Rect{11, 8, 17, 142}));
  EXPECT_EQ(TrackMarkFrame({8, 9, 142, 15}, {70, 2, 81, 22}, false), (Rect{4, 0, 146, 24}));
  EXPECT_EQ(TrackMarkFrame({11, 8, 17, 142}, {2, 70, 22, 81}, true), (Rect{0, 4, 24, 146}));
}

TEST(TrackTicks, ElevenTicksGiveNineInnerMarksAndTwoEndMarksEightIn) {
  const Rect frame{4, 0, 146, 24};
  std::vector<int> asked;
  auto position = [&](int index) {
    asked.push_back(index);
    return 20 + 10 * index;
  };
  const std::vector<Line> below = TrackTicks(frame, false, TickSides::BottomRight, 11, position);
  EXPECT_EQ(asked, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
  ASSERT_EQ(below.size(), 11u);
  EXPECT_EQ(below[0], (Line{{20, 24}, {20, 27}}));
  EXPECT_EQ(below[8], (Line{{100, 24}, {100, 27}}));
  EXPECT_EQ(below[9], (Line{{12, 24}, {12, 27}}));
  EXPECT_EQ(below[10], (Line{{138, 24}, {138, 27}}));

  const std::vector<Line> above = TrackTicks(frame, false, TickSides::TopLeft, 2, position);
  EXPECT_EQ(above, (std::vector<Line>{{{12, -1}, {12, -4}}, {{138, -1}, {138, -4}}}));
  EXPECT_EQ(TrackTicks(frame, false, TickSides::Both, 11, position).size(), 22u);

  const std::vector<Line> left = TrackTicks({0, 4, 24, 146}, true, TickSides::TopLeft, 3, position);
  EXPECT_EQ(left, (std::vector<Line>{{{-1, 20}, {-4, 20}}, {{-1, 12}, {-4, 12}}, {{-1, 138}, {-4, 138}}}));
}

}  // namespace
}  // namespace skin
