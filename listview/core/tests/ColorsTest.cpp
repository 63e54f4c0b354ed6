#include "listview/core/Colors.h"

#include <gtest/gtest.h>

namespace listview {
namespace {

TEST(ColorFromHexTest, ReadsRedGreenBluePairs) {
  struct Case { const char* text; TColor color; };
  for (const Case& c : {
           Case{"#FF8000", 0x0080FF},   // red low, blue high
           Case{"#000000", 0x000000},
           Case{"#0A0B0C", 0x0C0B0A},   // letters after the digits
           Case{"#1234", 0x003412},     // blue missing
           Case{"#12345", 0x003412},    // blue one digit short
           Case{"#", 0},
           Case{"", 0},
           Case{"#-1FFFF", 0xFFFF01},   // a non-digit below "A" is worth 0
       })
    EXPECT_EQ(ColorFromHex(c.text), c.color) << c.text;
}

TEST(ColorFromNameTest, KnowsTheFortyNamesOnly) {
  struct Case { const char* name; TColor color; };
  for (const Case& c : {
           Case{"clred", 0x0000FF},
           Case{"clmaroon", 0x000080},
           Case{"clbackground", 0xFF000001},   // first system colour
           Case{"cl3ddkshadow", 0xFF000015},
           Case{"clinfobk", 0xFF000018},       // last
           Case{"clblack", 0},
           Case{"clRed", 0},                   // the caller lower-cases
           Case{"clhotlight", 0},
       })
    EXPECT_EQ(ColorFromName(c.name), c.color) << c.name;
}

TColor Identity(TColor c) { return c; }

TEST(GradientBandsTest, ZeroStepsIsOneBandOfTheFromColour) {
  const auto bands = GradientBands(0x0000FF, 0xFF0000, true, {10, 5, 50, 25}, 0, Identity);
  ASSERT_EQ(bands.size(), 1u);
  EXPECT_EQ(bands[0].Color, 0x0000FFu);
  EXPECT_EQ(bands[0].Rect, (TRect{10, 5, 50, 25}));
}

TEST(GradientBandsTest, RedToBlueAcrossStopsShortOfBlue) {
  const auto bands = GradientBands(0x0000FF, 0xFF0000, true, {0, 0, 100, 20}, 64, Identity);
  ASSERT_EQ(bands.size(), 64u);
  EXPECT_EQ(bands[0].Color, 0x0000FFu);
  EXPECT_EQ(bands[0].Rect, (TRect{0, 0, 2, 20}));    // 1.5625 wide: trunc + 1
  EXPECT_EQ(bands[1].Rect, (TRect{2, 0, 4, 20}));    // starts at 1.5625 rounded
  EXPECT_EQ(bands[63].Color, 0xFB0004u);             // 63/64 of the way: red 4, blue 251
  EXPECT_EQ(bands[63].Rect, (TRect{98, 0, 100, 20}));
}

TEST(GradientBandsTest, MoreStepsThanPixelsOverlapInsideTheRectangle) {
  const auto bands = GradientBands(0, 0xFFFFFF, false, {0, 10, 30, 14}, 6, Identity);
  ASSERT_EQ(bands.size(), 6u);
  const int tops[] = {10, 11, 11, 12, 13, 13};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(bands[i].Rect, (TRect{0, tops[i], 30, tops[i] + 1})) << "band " << i;
  }
  EXPECT_EQ(bands[1].Color, 0x2A2A2Au);   // 42.5 rounds to even
  EXPECT_EQ(bands[3].Color, 0x808080u);   // 127.5 too
}

TEST(GradientBandsTest, SystemColoursGoThroughTheResolver) {
  const auto bands = GradientBands(clBtnFace, 0x000000, true, {0, 0, 2, 2}, 2,
                                   [](TColor c) { return c == clBtnFace ? 0x202020u : c; });
  EXPECT_EQ(bands[0].Color, 0x202020u);
  EXPECT_EQ(bands[1].Color, 0x101010u);
}

}  // namespace
}  // namespace listview
