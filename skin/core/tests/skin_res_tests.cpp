#include "skin/core/skin_res.h"

#include <gtest/gtest.h>

#include "skin/core/bitmap_ops.h"
#include "skin/core/tests/skin_test_data.h"

namespace skin {
namespace {

using test::Numbered;

Image Turned(Image image, void (*turn)(Image&)) {
  turn(image);
  return image;
}

// A skin of the scroll-bar and tab bitmaps only, with pixels that show every misplacement.
TkivSkinReader CacheSkin() {
  TkivSkinReader reader;
  EXPECT_TRUE(reader.LoadFromMemory(
      test::BuildContainer({{"ScrollBarButtonImage", 0, test::BmpFile(Numbered(90, 16), 24)},
                            {"ScrollBarSliderImage", 0, test::BmpFile(Numbered(57, 15), 24)},
                            {"TabControlTabImage", 0, test::BmpFile(Numbered(56, 19), 24)},
                            {"TabControlBarImage", 0, test::BmpFile(Numbered(12, 2), 24)}})
          .Data));
  return reader;
}

TEST(SkinScrollBtnRes, CutsSixButtonsAndTurnsThemForTheHorizontalBar) {
  const TkivSkinReader reader = CacheSkin();
  TkivSkinScrollBtnRes res;
  res.SetReader(&reader);
  const Image strip = Numbered(90, 16), slider = Numbered(57, 15);
  for (int kind = 1; kind <= 6; ++kind) {
    const Image frame = ExtractFrameBitmap(strip, 6, kind);
    ASSERT_TRUE(res.VertButton(kind));
    ASSERT_TRUE(res.HorzButton(kind));
    EXPECT_EQ(*res.VertButton(kind), frame) << kind;
    EXPECT_EQ(*res.HorzButton(kind), Turned(frame, RotateBitmapLeft)) << kind;
  }
  EXPECT_FALSE(res.VertButton(0));
  EXPECT_FALSE(res.HorzButton(7));
  ASSERT_TRUE(res.HorzSlider() && res.VertSlider());
  EXPECT_EQ(*res.HorzSlider(), slider);
  EXPECT_EQ(*res.VertSlider(), Turned(slider, RotateBitmapRight));
}

TEST(SkinTabRes, TurnsTheBarAndBothTabsToEverySide) {
  const TkivSkinReader reader = CacheSkin();
  TkivSkinTabRes res;
  res.SetReader(&reader);
  const Image bar = Numbered(12, 2);
  const Image selected = ExtractFrameBitmap(Numbered(56, 19), 2, 1);
  const Image other = ExtractFrameBitmap(Numbered(56, 19), 2, 2);
  struct Side {
    TabSide Side;
    void (*Turn)(Image&);
  };
  for (const Side& s : {Side{TabSide::Left, RotateBitmapLeft}, Side{TabSide::Bottom, RotateBitmap180},
                        Side{TabSide::Right, RotateBitmapRight}}) {
    EXPECT_EQ(*res.Bar(s.Side), Turned(bar, s.Turn));
    EXPECT_EQ(*res.Tab(true, s.Side), Turned(selected, s.Turn));
    EXPECT_EQ(*res.Tab(false, s.Side), Turned(other, s.Turn));
  }
  EXPECT_EQ(*res.Bar(TabSide::Top), bar);
  EXPECT_EQ(*res.Tab(true, TabSide::Top), selected);
  EXPECT_EQ(*res.Tab(false, TabSide::Top), other);
}

TEST(SkinRes, HoldsNothingWithoutAReadySkin) {
  TkivSkinReader reader = CacheSkin();
  TkivSkinScrollBtnRes scroll;
  TkivSkinTabRes tabs;
  scroll.SetReader(&reader);
  tabs.SetReader(&reader);
  ASSERT_TRUE(scroll.VertButton(1) && tabs.Bar(TabSide::Top));

  reader.Load("/nonexistent/skin.kiv");
  scroll.Reload();
  tabs.Reload();
  EXPECT_FALSE(scroll.VertButton(1) || scroll.HorzSlider() || scroll.VertSlider());
  EXPECT_FALSE(tabs.Bar(TabSide::Top) || tabs.Tab(true, TabSide::Left));

  scroll.SetReader(nullptr);
  EXPECT_FALSE(scroll.HorzButton(1));
}

}  // namespace
}  // namespace skin
