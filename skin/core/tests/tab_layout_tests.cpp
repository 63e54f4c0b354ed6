#include "skin/core/tab_layout.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(TabPage, EdgeLineAndBarLieOnTheTabsSideForEveryPosition) {
  struct Case {
    TabSide side;
    Rect display;
    TabPagePlan plan;
  };
  for (const Case& c : {
           Case{TabSide::Top, {4, 24, 196, 146}, {{2, 22, 198, 148}, {{3, 22}, {197, 22}}, {2, 21, 198, 25}}},
           Case{TabSide::Bottom, {4, 4, 196, 126}, {{2, 2, 198, 128}, {{3, 127}, {197, 127}}, {2, 125, 198, 129}}},
           Case{TabSide::Left, {24, 4, 196, 146}, {{22, 2, 198, 148}, {{22, 3}, {22, 147}}, {21, 2, 25, 148}}},
           Case{TabSide::Right, {4, 4, 176, 146}, {{2, 2, 178, 148}, {{177, 3}, {177, 147}}, {175, 2, 179, 148}}},
       }) {
    const bool across = c.side == TabSide::Left || c.side == TabSide::Right;
    EXPECT_EQ(TabPage(c.display, c.side, across ? 4 : 200, across ? 200 : 4), c.plan) << int(c.side);
  }
}

TEST(TabFaceOf, FaceIsUprightWithTheCaptionCentredAndTheIconBeforeIt) {
  const Size caption{30, 13}, icon{16, 16};
  struct Case {
    const char* note;
    Rect tab;
    TabSide side;
    int imageHeight;
    std::optional<Size> icon;
    TabFace face;
  };
  for (const Case& c : {
           Case{"image as high as the face", {2, 2, 62, 22}, TabSide::Top, 19, {}, {{60, 20}, {{0, 0, 60, 20}}, {15, 2, 60, 20}, {}}},
           Case{"lower image also on the bottom", {2, 2, 62, 22}, TabSide::Top, 16, {}, {{60, 20}, {{0, 3, 60, 20}, {0, 0, 60, 20}}, {15, 2, 60, 20}, {}}},
           Case{"left side exchanges the face's sides", {2, 2, 22, 62}, TabSide::Left, 19, {}, {{60, 20}, {{0, 0, 60, 20}}, {15, 2, 60, 20}, {}}},
           Case{"icon before the caption", {0, 0, 60, 20}, TabSide::Top, 19, icon, {{60, 20}, {{0, 0, 60, 20}}, {25, 2, 60, 20}, Point{5, 3}}},
           Case{"icon on the bottom side", {0, 0, 60, 20}, TabSide::Bottom, 19, icon, {{60, 20}, {{0, 0, 60, 20}}, {25, 2, 60, 20}, Point{5, 2}}},
           Case{"icon higher than the tab", {0, 0, 60, 14}, TabSide::Top, 19, icon, {{60, 14}, {{0, 0, 60, 14}}, {25, 2, 60, 14}, Point{5, 1}}},
           Case{"icon higher, bottom side", {0, 0, 60, 14}, TabSide::Bottom, 19, icon, {{60, 14}, {{0, 0, 60, 14}}, {25, 2, 60, 14}, Point{5, 1}}},
       }) {
    EXPECT_EQ(TabFaceOf(c.tab, c.side, c.imageHeight, caption, c.icon), c.face) << c.note;
  }
}

}  // namespace
}  // namespace skin
