// How runs fill lines: heights, widths, breaks, the drop rules, lists and paragraphs.
#include <gtest/gtest.h>

#include "listview/core/tests/HTMLFakeCanvas.h"

namespace listview {
namespace {

// The drawn runs as "text@left,top-bottom", joined by "|".
std::string Placed(const TFakeCanvas& canvas) {
  std::string all;
  for (const TDrawnText& t : canvas.Texts)
    all += (all.empty() ? "" : "|") + t.Text + "@" + std::to_string(t.Rect.Left) + "," +
           std::to_string(t.Rect.Top) + "-" + std::to_string(t.Rect.Bottom);
  return all;
}

TEST(LineLayoutTest, SizesAndPlacesLinesAndScripts) {
  struct Case {
    const char* markup;
    int width, height;
    const char* placed;
  };
  for (const Case& c : {
           Case{"", 0, 16, ""},  // an empty text is one "gh" high
           Case{"ab \r\ncd", 20, 32, "ab @1,0-16|cd@1,16-32"},  // trailing space not counted
           Case{"a<SUB>b</SUB>", 20, 20, "a@1,0-16|b@11,0-20"},
           Case{"a<SUP>b</SUP>", 20, 20, "a@1,0-20|b@11,0-16"},
           Case{"a<SUB>b</SUB><SUP>c</SUP>", 30, 24, "a@1,0-20|b@11,0-24|c@21,0-16"},
           Case{"<P ALIGN=\"right\">xx</P>", 20, 16, "xx@180,0-16"},
           Case{"<P ALIGN=\"center\">xx</P>", 20, 16, "xx@90,0-16"},
           Case{"<P INDENT=\"15\">x<BR>y", 10, 32, "x@16,0-16|y@16,16-32"},  // indent carries on
           Case{"<Z>hidden</Z>x", 10, 16, "x@1,0-16"},
       }) {
    TRender r(c.markup);
    r.Run();
    EXPECT_EQ(r.Output.LaidWidth, c.width) << c.markup;
    EXPECT_EQ(r.Output.LaidHeight, c.height) << c.markup;
    EXPECT_EQ(Placed(r.Canvas), c.placed) << c.markup;
  }
}

TEST(LineLayoutTest, BreaksAndDropsAsWordWrapSays) {
  struct Case {
    const char* markup;
    bool wordWrap;
    int rectWidth;
    int rectHeight;
    bool measureOnly;
    const char* placedOrPlain;
  };
  for (const Case& c : {
           // Without word wrap the run after a space that overflows is the line's last text.
           Case{"aaaaaaaaaa <B>bbbbbbbbbbbb</B> ccc\rnext", false, 200, 100, false,
                "aaaaaaaaaa @1,0-16|bbbbbbbbbbbb@111,0-16"},
           Case{"aaaaaaaaaaaaaaa<B>bbbbbbb</B> ccc", false, 200, 100, false,
                "aaaaaaaaaaaaaaa@1,0-16|bbbbbbb@151,0-16| ccc@200,0-16"},  // cut at the edge
           Case{"<B>" "aaaaaaaaaaaaaaaaaaaaaaaaa", false, 200, 100, false,
                "aaaaaaaaaaaaaaaaaaaaaaaaa@1,0-16"},  // a first run stays, however wide
           // With word wrap a word split by a tag stays in one piece.
           Case{"xxxxx abc<B>def </B>yy", true, 100, 100, false,
                "xxxxx @1,0-16|abc@61,0-16|def @91,0-16|yy@1,16-32"},
           Case{"xxxxx abcdef yy", true, 100, 100, false,
                "xxxxx @1,0-16|abcdef @1,16-32|yy@71,16-32"},
           // Painting ends after the last whole line; measuring lays everything out.
           Case{"a\rb\rc", false, 200, 40, false, "a@1,0-16|b@1,16-32"},
           Case{"a\rb\rc", false, 200, 40, true, "a\rb\rc"},
       }) {
    TRender r(c.markup);
    r.Params.WordWrap = c.wordWrap;
    r.Params.MeasureOnly = c.measureOnly;
    r.Params.Rect = {0, 0, c.rectWidth, c.rectHeight};
    r.Run();
    EXPECT_EQ(c.measureOnly ? r.Output.PlainText : Placed(r.Canvas), c.placedOrPlain) << c.markup;
  }
}

TEST(ListTest, IndentsItemsAndPicksBulletsByLevel) {
  TRender r("<UL><LI>one<UL><LI>two</UL></UL><LI>top");
  r.Run();
  EXPECT_EQ(Placed(r.Canvas),
            "\xB7@1,16-32|one@13,16-32|o@13,32-48|two@25,32-48|o@-11,48-64|top@1,48-64");
  for (const TDrawnText& t : r.Canvas.Texts)
    EXPECT_EQ(t.Font.Name, t.Text.size() == 1 ? "Symbol" : "Tahoma") << t.Text;
  // A second item measured in the same line widens it by the level's indent.
  TRender measure("<UL><LI>ab<LI>cd");
  measure.Params.MeasureOnly = true;
  measure.Run();
  EXPECT_EQ(measure.Output.LaidWidth, 12 + 20 + 12);
}

TEST(ErrorMarkTest, ZigZagsUnderTheRunFromAnEvenX) {
  struct Case {
    int rectLeft;
    std::vector<std::pair<int, int>> start;  // the first two points
    std::pair<int, int> last;
  };
  for (const Case& c : {
           Case{0, {{0, 17}, {2, 15}}, {22, 15}},  // run 1..21: x 0 is a multiple of 4
           Case{1, {{2, 15}, {4, 17}}, {22, 15}},  // run 2..22
           Case{4, {{4, 17}, {6, 15}}, {26, 15}},  // run 5..25
       }) {
    TRender r("<E>ab</E>");
    r.Params.Rect = {c.rectLeft, 0, 200, 100};
    r.Run();
    ASSERT_EQ(r.Canvas.Lines.size(), 1u) << c.rectLeft;
    const auto& points = r.Canvas.Lines[0];
    const std::vector<std::pair<int, int>> start(points.begin(), points.begin() + 2);
    EXPECT_EQ(start, c.start) << c.rectLeft;
    EXPECT_EQ(points.back(), c.last) << c.rectLeft;
  }
}

TEST(BackgroundTest, ParagraphAndBodyFillWithColoursAndGradients) {
  {
    TRender r("<P BGCOLOR=\"clred\">x</P>y");
    r.Run();
    ASSERT_EQ(r.Canvas.Rects.size(), 1u);
    EXPECT_EQ(r.Canvas.Rects[0].Rect, (TRect{0, 0, 200, 16}));
    EXPECT_EQ(r.Canvas.Rects[0].Brush, 0x0000FFu);
    EXPECT_EQ(r.Canvas.Texts[0].Brush, 0x0000FFu);
    EXPECT_EQ(r.Canvas.Texts[1].Brush, clNone);  // the paragraph's end clears it
  }
  struct Case {
    const char* markup;
    bool horizontal;
    TRect rect;
  };
  for (const Case& c : {
           Case{"<P BGCOLOR=\"clred\" BGCOLORTO=\"clblue\">x", true, {0, 0, 200, 18}},
           Case{"<BODY BGCOLOR=\"clred\" BGCOLORTO=\"clblue\">x", true, {0, 0, 200, 100}},
           Case{"<BODY BGCOLOR=\"clred\" BGCOLORTO=\"clblue\" DIR=\"V\">x", false, {0, 0, 200, 100}},
       }) {
    TRender r(c.markup);
    r.Run();
    ASSERT_EQ(r.Canvas.Gradients.size(), 1u) << c.markup;
    const TGradient& g = r.Canvas.Gradients[0];
    EXPECT_EQ(g.From, 0x0000FFu) << c.markup;
    EXPECT_EQ(g.To, 0xFF0000u) << c.markup;
    EXPECT_EQ(g.Horizontal, c.horizontal) << c.markup;
    EXPECT_EQ(g.Rect, c.rect) << c.markup;
    EXPECT_EQ(r.Canvas.Texts[0].Brush, clNone) << c.markup;  // text is drawn on the gradient
  }
}

TEST(RotatedTextTest, OneRotatedFontAtATimeAndNoneLeftOpen) {
  for (const char* markup : {"<R a=\"90\">x", "<R a=\"90\">x<R a=\"45\">y", "<R a=\"90\">x</R>y"}) {
    TRender r(markup);
    r.Params.MeasureOnly = true;
    r.Run();
    EXPECT_EQ(r.Canvas.Rotations.front(), 900) << markup;
    EXPECT_EQ(r.Canvas.MostRotatedOpen, 1) << markup;
    EXPECT_EQ(r.Canvas.RotatedOpen, 0) << markup;
  }
}

// Numbers too large for the layout once overflowed when turned into tenths of a degree or
// added to a place; they now count as no number.
TEST(TagNumberTest, NumbersTooLargeCountAsNone) {
  struct Case {
    const char* markup;
    int rotation;  // tenths of a degree, -1 for none
    int width;
  };
  for (const Case& c : {
           Case{"<R a=\"9077777777777777777777\">x", 0, 10},
           Case{"<R a=\"-2147483648\">x", 0, 10},
           Case{"<R a=\"3276\">x", 32760, 10},
           Case{"<IND x=\"2147483647\">x", -1, 10},
           Case{"<P INDENT=\"2147483647\">x", -1, 10},
       }) {
    TRender r(c.markup);
    r.Run();
    EXPECT_EQ(r.Canvas.Rotations.empty() ? -1 : r.Canvas.Rotations.front(), c.rotation) << c.markup;
    EXPECT_EQ(r.Output.LaidWidth, c.width) << c.markup;
  }
}

}  // namespace
}  // namespace listview
