#include "skin/core/title_buttons.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

constexpr int W = 400;  // the title bitmap's width

// A normal window of the built-in skin with every button: frames 26x14, top 2, offsets 5, -5.
TitleButtonsInput BuiltIn() {
  TitleButtonsInput in;
  in.TitleWidth = W;
  in.ButtonWidth = 26;
  in.ButtonHeight = 14;
  in.ButtonTopInt = 2;
  in.LeftOffsetInt = 5;
  in.RightOffsetInt = -5;
  in.SystemIcon = in.Close = in.MaxRestore = in.Minimize = true;
  return in;
}

TEST(TitleButtons, StandRightToLeftFourPixelsDownWithTheTextBetweenIconAndButtons) {
  const TitleButtonsLayout layout = LayOutTitleButtons(BuiltIn());
  EXPECT_EQ(layout.Buttons, (std::vector<TitleButton>{
                                {TitleHit::Close, {W - 31, 4, W - 5, 18}, 16},
                                {TitleHit::MaxRestore, {W - 59, 4, W - 33, 18}, 7},
                                {TitleHit::Minimize, {W - 87, 4, W - 61, 18}, 13}}));
  EXPECT_EQ(layout.IconRect, (Rect{9, 4, 25, 20}));
  EXPECT_EQ(layout.TextLeft, 27);
  EXPECT_EQ(layout.TextRight, W - 87);
  EXPECT_EQ(layout.Hot, TitleHit::None);
}

TEST(TitleButtons, TopOfTheButtons) {
  struct Case {
    bool Minimized;
    int TopInt, Height, Top;
  };
  for (const Case& c : {
           Case{false, 2, 14, 4}, Case{false, 3, 14, 4},  // up to 3 becomes 4
           Case{false, 5, 14, 5},
           Case{true, 2, 14, 8},                          // centred in 26, then 2 lower
           Case{true, 2, 16, 7},                          // ends at 21: still 2 lower
           Case{true, 2, 18, 4},                          // ends at 22: centred only
           Case{true, 2, 30, 0},                          // taller than the bar
       }) {
    TitleButtonsInput in = BuiltIn();
    in.Minimized = c.Minimized;
    in.ButtonTopInt = c.TopInt;
    in.ButtonHeight = c.Height;
    EXPECT_EQ(LayOutTitleButtons(in).Top, c.Top) << c.Minimized << " " << c.TopInt << " " << c.Height;
  }
}

TEST(TitleButtons, MinimizedButtonsStartFivePixelsFromTheRight) {
  TitleButtonsInput in = BuiltIn();
  in.Minimized = true;
  in.RightOffsetInt = -20;  // not used when minimised
  EXPECT_EQ(LayOutTitleButtons(in).Buttons.front().Bounds, (Rect{W - 31, 8, W - 5, 22}));
}

TEST(TitleButtons, HotButtonAndItsFrameFollowTheCursorWithEdgesInside) {
  struct Case {
    const char* Note;
    Point Cursor;
    bool Pressed, Maximized;
    TitleHit Hot;
    int Frame;  // of the hot button
  };
  for (const Case& c : {
           Case{"close, left edge", {W - 31, 4}, false, false, TitleHit::Close, 17},
           Case{"close pressed, right bottom edge", {W - 5, 18}, true, false, TitleHit::Close, 18},
           Case{"maximise", {W - 40, 10}, false, false, TitleHit::MaxRestore, 8},
           Case{"restore", {W - 40, 10}, false, true, TitleHit::MaxRestore, 11},
           Case{"restore pressed", {W - 40, 10}, true, true, TitleHit::MaxRestore, 12},
           Case{"minimise pressed", {W - 61, 4}, true, false, TitleHit::Minimize, 15},
           Case{"the gap between two buttons", {W - 32, 10}, false, false, TitleHit::None, 0},
           Case{"below the buttons", {W - 20, 19}, false, false, TitleHit::None, 0},
           Case{"system icon", {25, 20}, false, false, TitleHit::SystemIcon, 0},
       }) {
    TitleButtonsInput in = BuiltIn();
    in.Cursor = c.Cursor;
    in.Pressed = c.Pressed;
    in.Maximized = c.Maximized;
    const TitleButtonsLayout layout = LayOutTitleButtons(in);
    EXPECT_EQ(layout.Hot, c.Hot) << c.Note;
    for (const TitleButton& b : layout.Buttons)
      if (b.Kind == c.Hot)
        EXPECT_EQ(b.Frame, c.Frame) << c.Note;
  }
}

TEST(TitleButtons, ShownButtonsAreOnlyThoseTheWindowHas) {
  TitleButtonsInput in = BuiltIn();
  in.SystemIcon = in.MaxRestore = in.Minimize = false;
  in.Help = true;
  const TitleButtonsLayout layout = LayOutTitleButtons(in);
  EXPECT_TRUE(layout.Shows(TitleHit::Close));
  EXPECT_FALSE(layout.Shows(TitleHit::MaxRestore));
  EXPECT_FALSE(layout.Shows(TitleHit::Minimize));
  ASSERT_EQ(layout.Buttons.size(), 2u);
  EXPECT_EQ(layout.Buttons[1], (TitleButton{TitleHit::Help, {W - 59, 4, W - 33, 18}, 4}));
  EXPECT_FALSE(layout.IconRect.has_value());
  EXPECT_EQ(layout.TextLeft, 5);
  EXPECT_EQ(layout.TextRight, W - 59);
}

// The largest numbers and bitmaps a skin may hold place the buttons without overflow.
TEST(TitleButtons, TheLargestSkinValuesStayWithinRange) {
  for (int sign : {1, -1}) {
    TitleButtonsInput in = BuiltIn();
    in.TitleWidth = in.ButtonHeight = 32767;
    in.ButtonWidth = 32767 / 18;
    in.ButtonTopInt = in.LeftOffsetInt = in.RightOffsetInt = sign * 32767;
    in.Cursor = {0, 0};
    for (bool minimized : {false, true}) {
      in.Minimized = minimized;
      const TitleButtonsLayout layout = LayOutTitleButtons(in);
      EXPECT_EQ(layout.Buttons.size(), 3u) << sign << minimized;
      EXPECT_LE(layout.TextRight, 2 * 32767) << sign << minimized;
    }
  }
}

}  // namespace
}  // namespace skin
