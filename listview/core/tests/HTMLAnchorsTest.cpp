// Anchors: hit tests, targets, counts, the rectangle of the anchor hit and the focus rectangle.
#include <gtest/gtest.h>

#include "listview/core/tests/HTMLFakeCanvas.h"

namespace listview {
namespace {

// "go " takes x 1..31 and the anchor's text "here" 31..71 of the line 0..16.
const char* const kAnchorLine = "go <A href=\"t1\" title=\"no\">here</A> now";

TEST(AnchorHitTest, OnlyAHitTestingCallReportsTextHits) {
  struct Case {
    int x, y;
    bool hitTestOnly, measureOnly;
    bool result;
    const char* anchor;  // HitAnchor, "-" as the caller left it
  };
  for (const Case& c : {
           Case{50, 8, true, false, true, "t1"},
           Case{31, 8, true, false, true, "t1"},   // both ends of the text count
           Case{71, 8, true, false, true, "t1"},
           Case{72, 8, true, false, false, "-"},
           Case{20, 8, true, false, false, "-"},   // on plain text
           Case{50, 16, true, false, false, "t1"},  // below the text: found, but no hit
           Case{50, 0, true, false, false, "-"},    // on the line's top edge
           Case{50, 8, false, true, false, "t1"},   // measuring: the first pass finds it only
           Case{50, 8, false, false, false, "t1"},  // painting: text is not hit-tested
       }) {
    TRender r(kAnchorLine);
    r.Params.HitX = c.x;
    r.Params.HitY = c.y;
    r.Params.HitTestOnly = c.hitTestOnly;
    r.Params.MeasureOnly = c.measureOnly;
    r.Output.HitAnchor = "-";
    EXPECT_EQ(r.Run(), c.result) << c.x << "," << c.y << " measure " << c.measureOnly;
    EXPECT_EQ(r.Output.HitAnchor, c.anchor) << c.x << "," << c.y << " measure " << c.measureOnly;
    EXPECT_EQ(r.Output.AnchorCount, 1);
  }
}

TEST(AnchorHitTest, ReportsTheNumberAndRectangleOfTheAnchorHit) {
  struct Case {
    const char* markup;
    int x, y;
    bool wordWrap;
    int index;
    TRect rect;
  };
  for (const Case& c : {
           Case{kAnchorLine, 50, 8, false, 1, {31, 0, 71, 16}},
           Case{"<A href=\"1\">one</A> <A href=\"2\">two</A>", 60, 8, false, 2, {41, 0, 71, 16}},
           // Wrapped after "aaaaaa ": the hit on the second line starts at that line's left.
           Case{"aaaaaa <A href=\"w\">bbbb cccc</A>", 20, 24, true, 1, {1, 16, 91, 32}},
       }) {
    TRender r(c.markup);
    r.Params.Rect = {0, 0, 100, 100};
    r.Params.WordWrap = c.wordWrap;
    r.Params.HitX = c.x;
    r.Params.HitY = c.y;
    r.Params.HitTestOnly = true;
    EXPECT_TRUE(r.Run()) << c.markup;
    EXPECT_EQ(r.Output.HitAnchorIndex, c.index) << c.markup;
    EXPECT_EQ(r.Output.HitAnchorRect, c.rect) << c.markup;
  }
}

TEST(AnchorTargetTest, IsTheTextBetweenTheFirstTwoQuotes) {
  struct Case {
    const char* markup;
    const char* target;
  };
  for (const Case& c : {
           Case{"<A href=\"t1\" title=\"no\">x</A>", "t1"},
           Case{"<a name='n' id=\"t2\">x</a>", "t2"},  // any attribute
           Case{"<A HREF=t3>x</A>", ""},
           Case{"<A>x</A>", ""},
       }) {
    TRender r(c.markup);
    r.Params.HitX = 5;
    r.Params.HitY = 8;
    r.Params.HitTestOnly = true;
    EXPECT_TRUE(r.Run()) << c.markup;
    EXPECT_EQ(r.Output.HitAnchor, c.target) << c.markup;
  }
}

TEST(AnchorFocusTest, FramesTheFocusedAnchorOnePixelWiderOnEverySideLine) {
  struct Case {
    const char* markup;
    int focus;
    std::vector<TRect> frames;
    const char* focused;
  };
  for (const Case& c : {
           Case{kAnchorLine, 0, {{30, 0, 72, 16}}, "t1"},
           Case{kAnchorLine, 1, {}, ""},
           Case{"<A href=\"a\">x</A> <A href=\"b\">yy</A>", 1, {{20, 0, 42, 16}}, "b"},
           Case{"aaaaaa <A href=\"w\">bbbb cccc</A>", 0, {{70, 0, 72, 16}, {0, 16, 92, 32}}, "w"},
       }) {
    TRender r(c.markup);
    r.Params.Rect = {0, 0, 100, 100};
    r.Params.WordWrap = true;
    r.Params.FocusAnchorIndex = c.focus;
    r.Run();
    EXPECT_EQ(r.Canvas.FocusRects, c.frames) << c.markup;
    EXPECT_EQ(r.Output.FocusedAnchor, c.focused) << c.markup;
  }
}

TEST(AnchorHoverTest, HoverLooksGoToTheHoveredAnchorOnly) {
  TRender r("<A href=\"a\">x</A><A href=\"b\">y</A>");
  r.Params.HoverOnlyUnderline = true;
  r.Params.HoverAnchorIndex = 2;
  r.Params.HoverBackColor = 0x00FFFF;
  r.Params.HoverTextColor = 0x00FF00;
  r.Run();
  ASSERT_EQ(r.Canvas.Texts.size(), 2u);
  const TDrawnText& x = r.Canvas.Texts[0];
  const TDrawnText& y = r.Canvas.Texts[1];
  EXPECT_FALSE(x.Font.Underline);
  EXPECT_EQ(x.Font.Color, 0xFF0000u);
  EXPECT_EQ(x.Brush, clNone);
  EXPECT_TRUE(y.Font.Underline);
  EXPECT_EQ(y.Font.Color, 0x00FF00u);
  EXPECT_EQ(y.Brush, 0x00FFFFu);
}

}  // namespace
}  // namespace listview
