#include "skin/core/mdi_layout.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(MdiLayout, CascadeSteps22FromTheCornerAt80By60PercentRounded) {
  EXPECT_TRUE(CascadeRects(0, 500, 400).empty());
  EXPECT_EQ(CascadeRects(1, 500, 400), (std::vector<Rect>{{0, 0, 400, 240}}));
  EXPECT_EQ(CascadeRects(3, 503, 401),  // 402.4 and 240.6
            (std::vector<Rect>{{0, 0, 402, 241}, {22, 22, 424, 263}, {44, 44, 446, 285}}));
}

TEST(MdiLayout, TileSharesTheClientAreaAndKeepsARowForMinimisedChildren) {
  struct Case {
    const char* Note;
    TileInput In;
    std::vector<Rect> Rects;
  };
  for (const Case& c : {
           Case{"none", {0, false, 600, 400, true}, {}},
           Case{"one, horizontal", {1, false, 600, 400, true}, {{0, 0, 596, 396}}},
           Case{"one, vertical", {1, false, 600, 400, false}, {{0, 0, 596, 396}}},
           Case{"three stacked", {3, false, 600, 400, true},
                {{0, 0, 596, 131}, {0, 133, 596, 264}, {0, 266, 596, 397}}},
           Case{"two side by side", {2, false, 600, 400, false},
                {{0, 0, 298, 396}, {300, 0, 598, 396}}},
           Case{"two stacked, some minimised", {2, true, 600, 425, true},
                {{0, 0, 596, 198}, {0, 200, 596, 398}}},
           Case{"two side by side, some minimised", {2, true, 600, 425, false},
                {{0, 0, 298, 396}, {300, 0, 598, 396}}},
       })
    EXPECT_EQ(TileRects(c.In), c.Rects) << c.Note;
}

}  // namespace
}  // namespace skin
