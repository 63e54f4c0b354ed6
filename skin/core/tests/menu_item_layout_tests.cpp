#include "skin/core/menu_item_layout.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(MenuItemLayout, ItemsAre21HighSeparators5AndWideEnoughForCaptionAndShortcut) {
  EXPECT_EQ(MeasureMenuItemSize(false, 40, 25), (MenuItemSize{131, 21}));
  EXPECT_EQ(MeasureMenuItemSize(false, 0, 0), (MenuItemSize{66, 21}));
  EXPECT_EQ(MeasureMenuItemSize(true, 6, 0), (MenuItemSize{72, 5}));
}

TEST(MenuItemLayout, LeftToRightPutsGutterAndImagesLeftAndTheShortcutRight) {
  const MenuItemPlan plan = PlanMenuItem({10, 40, 160, 61}, true, 25);
  EXPECT_EQ(plan.Gutter, (Rect{10, 40, 36, 61}));
  EXPECT_EQ(plan.Rest, (Rect{36, 40, 160, 61}));
  EXPECT_EQ(plan.Text, (Rect{40, 44, 160, 61}));
  EXPECT_FALSE(plan.TextRightAligned);
  EXPECT_EQ(plan.Shortcut, (Point{119, 44}));
  EXPECT_EQ(plan.Image, (Rect{14, 43, 30, 59}));
  EXPECT_EQ(plan.ImageFrame, (Rect{12, 41, 31, 60}));
  EXPECT_EQ(plan.ImageFrameInside, (Rect{13, 42, 30, 59}));
}

TEST(MenuItemLayout, RightToLeftMirrorsEveryPartWithinTheItem) {
  const MenuItemPlan plan = PlanMenuItem({10, 40, 160, 61}, false, 25);
  EXPECT_EQ(plan.Gutter, (Rect{134, 40, 160, 61}));
  EXPECT_EQ(plan.Rest, (Rect{10, 40, 134, 61}));
  EXPECT_EQ(plan.Text, (Rect{10, 44, 130, 61}));
  EXPECT_TRUE(plan.TextRightAligned);
  EXPECT_EQ(plan.Shortcut, (Point{26, 44}));
  EXPECT_EQ(plan.Image, (Rect{140, 43, 156, 59}));
  EXPECT_EQ(plan.ImageFrame, (Rect{139, 41, 158, 60}));
}

}  // namespace
}  // namespace skin
