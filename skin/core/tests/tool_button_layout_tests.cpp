#include "skin/core/tool_button_layout.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(ToolButtonLayout, ImageAndCaptionUnderOrBesideEachOther) {
  const Rect r{0, 0, 60, 36};
  auto facts = [](bool list, bool dropDown, bool pressed, bool hasImages, bool valid) {
    ToolButtonFacts f;
    f.List = list;
    f.DropDown = dropDown;
    f.Pressed = pressed;
    f.HasImages = hasImages;
    f.ImageValid = valid;
    f.Image = {16, 16};
    f.CaptionWidth = 30;
    return f;
  };
  struct Case {
    const char* note;
    ToolButtonFacts facts;
    ToolButtonPlan plan;
  };
  for (const Case& c : {
           Case{"raised, under the image", facts(false, false, false, true, true), {Point{22, 3}, {15, 20, 60, 36}}},
           Case{"drop-down leaves its arrow free", facts(false, true, false, true, true), {Point{15, 3}, {8, 20, 46, 36}}},
           Case{"raised without a valid image", facts(false, false, false, true, false), {{}, {15, 20, 60, 36}}},
           Case{"pressed draws any image", facts(false, false, true, true, false), {Point{22, 3}, {15, 20, 60, 36}}},
           Case{"raised without images", facts(false, false, false, false, false), {{}, {15, 4, 60, 36}}},
           Case{"pressed without images", facts(false, false, true, false, false), {{}, {15, 5, 60, 36}}},
           Case{"list", facts(true, false, false, true, true), {Point{5, 3}, {23, 4, 60, 36}}},
           Case{"list without images", facts(true, false, true, false, false), {{}, {8, 3, 60, 36}}},
           Case{"list, raised without a valid image", facts(true, false, false, true, false), {{}, {5, 4, 60, 36}}},
       }) {
    EXPECT_EQ(ToolButtonLayout(r, c.facts), c.plan) << c.note;
  }
}

TEST(DropDownMarkOf, ArrowAndDividerTakeTheLastFourteenPixels) {
  const DropDownMark mark = DropDownMarkOf({0, 0, 60, 22});
  EXPECT_EQ(mark.Arrow[0], (std::array<Point, 3>{{{51, 11}, {55, 11}, {53, 13}}}));
  EXPECT_EQ(mark.Arrow[1], (std::array<Point, 3>{{{52, 11}, {54, 11}, {53, 12}}}));
  EXPECT_EQ(mark.Divider, (Line{{46, 0}, {46, 22}}));
}

}  // namespace
}  // namespace skin
