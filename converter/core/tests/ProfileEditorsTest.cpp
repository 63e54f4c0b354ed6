#include "converter/core/ProfileEditors.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

TEST(EditorGroupTest, LoadedEditorIsEighteenPixelsPerRow) {
  EXPECT_EQ(LoadedEditorHeight(4), 72);
  EXPECT_EQ(LoadedEditorHeight(0), 0);
}

TEST(EditorGroupTest, PressingTwiceCollapsesThenExpandsWithGridLines) {
  const TEditorGroupState collapsed = ToggleEditorGroup("-", 4);
  EXPECT_EQ(collapsed.Height, 1);
  EXPECT_EQ(collapsed.Caption, "+");
  const TEditorGroupState expanded = ToggleEditorGroup(collapsed.Caption, 4);
  EXPECT_EQ(expanded.Height, 4 * 18 + 1);
  EXPECT_EQ(expanded.Caption, "-");
}

TEST(EditorGroupTest, AnyCaptionButPlusCollapses) {
  EXPECT_EQ(ToggleEditorGroup("", 3).Caption, "+");
}

TEST(CustomSizeTest, OnlyAnExactCustomSizeOfTheVideoSizeRowOpensTheDialog) {
  EXPECT_TRUE(OpensCustomSize("Video Size", "Custom Size"));
  EXPECT_FALSE(OpensCustomSize("video size", "Custom Size"));
  EXPECT_FALSE(OpensCustomSize("Video Size", "custom size"));
  EXPECT_FALSE(OpensCustomSize("Frame Rate", "Custom Size"));
}

TEST(CustomSizeTest, BothIntegersGiveTheSizeAsTyped) {
  const TCustomSize size = CheckCustomSize("640", "480");
  EXPECT_TRUE(size.WidthValid);
  EXPECT_TRUE(size.HeightValid);
  EXPECT_EQ(size.Size, "640x480");
  EXPECT_EQ(CheckCustomSize("-2", "0").Size, "-2x0");
}

TEST(CustomSizeTest, EachTextThatIsNoIntegerIsReported) {
  const TCustomSize badWidth = CheckCustomSize("wide", "480");
  EXPECT_FALSE(badWidth.WidthValid);
  EXPECT_TRUE(badWidth.HeightValid);
  EXPECT_EQ(badWidth.Size, "");
  const TCustomSize badBoth = CheckCustomSize("", "4.5");
  EXPECT_FALSE(badBoth.WidthValid);
  EXPECT_FALSE(badBoth.HeightValid);
}

TEST(CustomSizeTest, ClosingWithoutASizeFallsBackToTheOriginalSize) {
  EXPECT_EQ(SizeAfterDialog("Custom Size"), "Original Size");
  EXPECT_EQ(SizeAfterDialog("640x480"), "640x480");
}

}  // namespace
}  // namespace converter
