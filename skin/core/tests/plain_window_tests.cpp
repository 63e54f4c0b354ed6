#include "skin/core/plain_window.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(WndButtonKind, ComesFromTheButtonTypeWhateverTheHighStyleBits) {
  using K = WndButtonKind;
  const K kinds[16] = {K::PushButton, K::PushButton, K::CheckBox,    K::CheckBox,
                       K::RadioButton, K::CheckBox,  K::CheckBox,    K::None,  // group box
                       K::PushButton, K::RadioButton, K::None,       K::None,  // owner-draw
                       K::None,       K::None,       K::None,        K::None};  // split, link
  for (std::uint32_t high : {0x0u, 0x50010000u, 0xFFFFFFF0u})  // WS_CHILD|WS_VISIBLE|WS_TABSTOP, all
    for (std::uint32_t type = 0; type < 16; ++type)
      EXPECT_EQ(WndButtonKindOf(high | type), kinds[type]) << std::hex << (high | type);
}

TEST(PlainWindowSize, GrowsAndShrinksByTheSkinnedFrameSoTheClientAreaStays) {
  struct Case {
    const char* Note;
    PlainFrame Frame;
    Size Unskinned, Skinned;
  };
  for (const Case& c : {
           // Built-in skin: no bottom image, so the bottom takes the 4 pixels of a side.
           Case{"message box", {{28, 4, 0}, 28, 25}, {300, 125}, {308, 132}},
           Case{"bottom image", {{28, 4, 9}, 28, 25}, {300, 125}, {308, 137}},
           Case{"thin border widened", {{28, 1, 0}, 28, 25}, {300, 125}, {308, 132}},
           Case{"wide border", {{28, 6, 0}, 28, 25}, {300, 125}, {312, 134}},
           Case{"title below the old frame", {{20, 4, 0}, 20, 25}, {300, 125}, {308, 129}},
           Case{"title equal to the old frame", {{25, 4, 0}, 25, 25}, {300, 125}, {308, 129}},
           Case{"no title", {{0, 4, 0}, 0, 25}, {300, 125}, {308, 104}},
       }) {
    EXPECT_EQ(GrownWindowSize(c.Unskinned, c.Frame), c.Skinned) << c.Note;
    EXPECT_EQ(ShrunkWindowSize(c.Skinned, c.Frame), c.Unskinned) << c.Note;
    // The skinned frame's client height equals the platform's.
    const int top = c.Frame.TitleHeight == 0
                        ? 0
                        : std::max(c.Frame.TitleHeight, c.Frame.UnskinnedFrameHeight);
    EXPECT_EQ(c.Skinned.Height - top - BottomBorderWidth(c.Frame.Metrics),
              c.Unskinned.Height - c.Frame.UnskinnedFrameHeight)
        << c.Note;
  }
}

TEST(PlainWindowSize, RefitsOnlyALowerAndMuchWiderClientByTheSameExtraHeight) {
  const Size saved{200, 100};
  struct Case {
    Size Client;
    bool Refit;
  };
  for (const Case& c : {
           Case{{301, 99}, true},
           Case{{300, 99}, false},   // exactly 1.5 times as wide
           Case{{301, 100}, false},  // as high as before
           Case{{400, 120}, false},
           Case{{200, 50}, false},
       })
    EXPECT_EQ(NeedsRefit(c.Client, saved), c.Refit) << c.Client.Width << "x" << c.Client.Height;
  EXPECT_EQ(RefitHeight(125, {{28, 4, 0}, 28, 25}), 132);
}

}  // namespace
}  // namespace skin
