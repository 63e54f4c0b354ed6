#include "skin/core/frame_metrics.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(SkinColors, TheSkinsOwnEntryWinsElseTheFamilyDecides) {
  struct Case {
    std::int32_t Own, Family;
    Color MenuBar, TitleFont;
  };
  constexpr std::int32_t kForm = 0xEFEFEF;
  for (const Case& c : {
           Case{0x123456, 0x20000, 0x123456, 0x123456},  // own entries
           Case{0, 0x20000, 0, 0},                        // an own black is still own
           Case{-1, 0x10000, kForm, 0x000000},
           Case{-1, 0x20000, 0xAC5B3B, 0xFFFFFF},
           Case{-1, 0x30000, 0x996733, 0x000000},
           Case{-1, 0x40000, kForm, 0x000000},
           Case{-1, 0x50000, 0xAC5B3B, 0x000000},
           Case{-1, 0x585858, kForm, 0xFFFFFF},           // the built-in skin's font colour
           Case{-1, -1, kForm, 0xFFFFFF},                  // no family at all
       }) {
    EXPECT_EQ(MenuBarColorOf(c.Own, c.Family, kForm), c.MenuBar) << std::hex << c.Own << " " << c.Family;
    EXPECT_EQ(TitleFontColorOf(c.Own, c.Family), c.TitleFont) << std::hex << c.Own << " " << c.Family;
  }
}

TEST(FrameMetrics, OfTheBuiltInSkinAreTitle28Border4AndNoBottomImage) {
  TkivSkinReader reader(BUILTIN_SKIN_FILE);
  ASSERT_TRUE(reader.Ready());
  EXPECT_EQ(ReadFrameMetrics(reader), (FrameMetrics{28, 4, 0}));
  EXPECT_EQ(ReadFrameMetrics(TkivSkinReader()), (FrameMetrics{0, -1, 0}));  // nothing loaded
}

TEST(FrameMetrics, SkinnedClientRectTakesTitleBordersAndBottomFromTheSkin) {
  const Rect window{100, 50, 500, 350};
  const Rect proposed{103, 72, 497, 347};  // what the platform's own frame leaves
  struct Case {
    const char* Note;
    FrameMetrics Metrics;
    FrameShape Shape;
    Rect Client;
  };
  for (const Case& c : {
           Case{"title above the measured frame", {28, 4, 0}, {28, 25, true}, {104, 78, 496, 346}},
           Case{"measured frame above the title", {20, 4, 0}, {20, 25, true}, {104, 75, 496, 346}},
           Case{"thin border widened to 4", {28, 1, 0}, {28, 25, true}, {104, 78, 496, 346}},
           Case{"wide border, bottom image", {28, 6, 9}, {28, 25, true}, {106, 78, 494, 341}},
           Case{"no border", {28, 4, 0}, {28, 25, false}, {100, 78, 500, 350}},
           Case{"no title", {28, 4, 0}, {0, 25, true}, {104, 50, 496, 346}},
           Case{"not measured yet: top and bottom stay", {28, 4, 0}, {28, 0, true}, {104, 72, 496, 347}},
           Case{"maximised MDI child: the parent's top", {28, 4, 0}, {28, 25, true, true}, {104, 0, 496, 346}},
           Case{"maximised MDI child without title", {28, 4, 0}, {0, 25, true, true}, {104, 0, 496, 346}},
       })
    EXPECT_EQ(SkinnedClientRect(window, proposed, c.Metrics, c.Shape), c.Client) << c.Note;
}

TEST(FrameMetrics, UnskinnedFrameHeightLeavesOutTheMenuBarAndNeverFallsBelow23) {
  EXPECT_EQ(UnskinnedFrameHeight(300, 271, false), 25);
  EXPECT_EQ(UnskinnedFrameHeight(300, 251, true), 25);
  EXPECT_EQ(UnskinnedFrameHeight(300, 273, false), 23);  // the boundary itself
  EXPECT_EQ(UnskinnedFrameHeight(300, 300, false), 23);  // a frameless window
}

TEST(FrameMetrics, SizeLimitsOnlyRaiseTheFormsOwn) {
  struct Case {
    const char* Note;
    SizeLimits Own;
    int MenuBar, Corner;
    bool Dialog;
    SizeLimits Skinned;
  };
  for (const Case& c : {
           Case{"none of its own", {0, 0}, 0, 11, false, {200, 66}},
           Case{"tall menu bar", {0, 0}, 61, 11, false, {200, 67}},
           Case{"square corners", {0, 0}, 19, 0, false, {200, 25}},
           Case{"its own are larger", {350, 120}, 19, 11, false, {350, 120}},
           Case{"its own are smaller", {150, 40}, 19, 11, false, {200, 66}},
           Case{"a dialog keeps its width", {0, 0}, 0, 11, true, {0, 66}},
       })
    EXPECT_EQ(SkinnedSizeLimits(c.Own, c.MenuBar, 200, c.Corner, c.Dialog), c.Skinned) << c.Note;
}

TEST(FrameMetrics, ShiftForMenuBarMovesAllButBottomAnchoredControls) {
  struct Case {
    bool Top, Bottom;
    int ShiftedTop, ShiftedHeight;
  };
  for (const Case& c : {Case{true, false, 30, 50}, Case{false, false, 30, 50},
                        Case{true, true, 30, 30}, Case{false, true, 10, 50}}) {
    int top = 10, height = 50;
    ShiftForMenuBar(c.Top, c.Bottom, 20, top, height);
    EXPECT_EQ(top, c.ShiftedTop) << c.Top << c.Bottom;
    EXPECT_EQ(height, c.ShiftedHeight) << c.Top << c.Bottom;
    ShiftForMenuBar(c.Top, c.Bottom, -20, top, height);
    EXPECT_EQ(top, 10) << "back " << c.Top << c.Bottom;
    EXPECT_EQ(height, 50) << "back " << c.Top << c.Bottom;
  }
}

}  // namespace
}  // namespace skin
