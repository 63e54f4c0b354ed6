#include "skin/core/glyph_layout.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(PlaceGlyph, AutomaticMarginAndSpacingShareTheFreeRoom) {
  const Rect button{0, 0, 75, 23};
  const Size glyph{16, 16}, text{40, 13};
  struct Case {
    const char* note;
    Rect client;
    Size text;
    GlyphSide side;
    int margin, spacing;
    GlyphPlacement expected;
  };
  for (const Case& c : {
           Case{"both automatic, glyph left", button, text, GlyphSide::Left, -1, -1, {{6, 4}, {28, 5, 68, 18}}},
           Case{"both automatic, glyph right", button, text, GlyphSide::Right, -1, -1, {{53, 4}, {7, 5, 47, 18}}},
           Case{"margin automatic", button, text, GlyphSide::Left, -1, 4, {{8, 4}, {28, 5, 68, 18}}},
           Case{"spacing automatic", button, text, GlyphSide::Left, 2, -1, {{2, 4}, {26, 5, 66, 18}}},
           Case{"both set", button, text, GlyphSide::Left, 0, 0, {{0, 4}, {16, 5, 56, 18}}},
           Case{"glyph on top", {0, 0, 40, 60}, {30, 13}, GlyphSide::Top, -1, -1, {{12, 10}, {5, 36, 35, 49}}},
           Case{"glyph at the bottom", {0, 0, 40, 60}, {30, 13}, GlyphSide::Bottom, -1, -1, {{12, 34}, {5, 11, 35, 24}}},
           Case{"client not at the origin", {2, 3, 77, 26}, text, GlyphSide::Left, -1, -1, {{8, 7}, {30, 8, 70, 21}}},
           Case{"no caption", button, {0, 0}, GlyphSide::Left, -1, -1, {{19, 4}, {54, 12, 54, 12}}},
       }) {
    EXPECT_EQ(PlaceGlyph(c.client, glyph, c.text, c.side, c.margin, c.spacing), c.expected) << c.note;
  }
}

}  // namespace
}  // namespace skin
