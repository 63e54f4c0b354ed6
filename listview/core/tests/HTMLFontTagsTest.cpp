// Font styles, sizes and colours of the mark-up, seen on the run "x".
#include <gtest/gtest.h>

#include "listview/core/tests/HTMLFakeCanvas.h"

namespace listview {
namespace {

const TDrawnText* RunOf(const TFakeCanvas& canvas, const std::string& text) {
  for (const TDrawnText& t : canvas.Texts)
    if (t.Text == text) return &t;
  return nullptr;
}

TEST(FontTagsTest, SizesReadQuotedUnquotedAndWithUnits) {
  struct Case {
    const char* markup;
    int points;
  };
  for (const Case& c : {
           Case{"<FONT SIZE=\"3\">x", 12},
           Case{"<FONT SIZE=3>x", 12},
           Case{"<FONT SIZE=\"3pt\">x", 12},
           Case{"<font size=\"1\">x", 8},
           Case{"<FONT SIZE=\"5\">x", 16},
           Case{"<FONT SIZE=\"7\">x", 7},  // beyond the steps: points
           Case{"<FONT SIZE=3 COLOR=\"clred\">x", 12},  // a later quoted value is not the size
           Case{"<FONT SIZE=\"7\">y</FONT>x", 8},       // back to the base font
       }) {
    TRender r(c.markup);
    r.Run();
    ASSERT_NE(RunOf(r.Canvas, "x"), nullptr) << c.markup;
    EXPECT_EQ(RunOf(r.Canvas, "x")->Font.Size, c.points) << c.markup;
  }
}

TEST(FontTagsTest, ColoursApplyUnlessSelectedAndHighlightAlways) {
  struct Case {
    const char* markup;
    bool selected;
    TColor text;
    TColor back;
  };
  for (const Case& c : {
           Case{"<FONT COLOR=\"#FF0000\">x", false, 0x0000FF, clNone},
           Case{"<FONT COLOR=\"CLRED\">x", false, 0x0000FF, clNone},   // names in any case
           Case{"<FONT COLOR=\"clpink\">x", false, clBlack, clNone},   // unknown names: black
           Case{"<FONT BGCOLOR=\"clyellow\">x", false, clBlack, 0x00FFFF},
           Case{"<FONT COLOR=\"clred\" BGCOLOR=\"clyellow\">x", true, clBlack, clNone},
           Case{"<FONT BGCOLOR=\"clyellow\">y</FONT>x", false, clBlack, clNone},
           Case{"<HI>x", false, clHighlightText, clHighlight},
           Case{"<HI>x", true, clHighlightText, clHighlight},
           Case{"<HI>y</HI>x", false, clBlack, clNone},
           Case{"<FONT COLOR=\"clred\">y</BLINK>x", false, clBlack, clNone},  // "</B…" resets it
           Case{"<A href=\"t\">x", false, 0xFF0000, clNone},                   // the anchor colour
           Case{"<A href=\"t\">x", true, clBlack, clNone},
       }) {
    TRender r(c.markup);
    r.Params.Selected = c.selected;
    r.Run();
    const TDrawnText* x = RunOf(r.Canvas, "x");
    ASSERT_NE(x, nullptr) << c.markup;
    EXPECT_EQ(x->Font.Color, c.text) << c.markup << " selected " << c.selected;
    EXPECT_EQ(x->Brush, c.back) << c.markup << " selected " << c.selected;
  }
}

TEST(FontTagsTest, StylesGoOnAndOffAndTheCanvasGetsItsOwnBack) {
  TRender r("<B>b</B><I>i</I><U>u</U><S>s</S><FONT FACE=\"Arial\">f</FONT>n<A href=\"t\">a</A>");
  r.Run();
  struct Case {
    const char* run;
    bool bold, italic, underline, strike;
    const char* face;
  };
  for (const Case& c : {
           Case{"b", true, false, false, false, "Tahoma"},
           Case{"i", false, true, false, false, "Tahoma"},
           Case{"u", false, false, true, false, "Tahoma"},
           Case{"s", false, false, false, true, "Tahoma"},
           Case{"f", false, false, false, false, "ARIAL"},  // attributes are upper-cased
           Case{"n", false, false, false, false, "Tahoma"},
           Case{"a", false, false, true, false, "Tahoma"},  // anchors are underlined
       }) {
    const TDrawnText* t = RunOf(r.Canvas, c.run);
    ASSERT_NE(t, nullptr) << c.run;
    EXPECT_EQ(t->Font.Bold, c.bold) << c.run;
    EXPECT_EQ(t->Font.Italic, c.italic) << c.run;
    EXPECT_EQ(t->Font.Underline, c.underline) << c.run;
    EXPECT_EQ(t->Font.StrikeOut, c.strike) << c.run;
    EXPECT_EQ(t->Font.Name, c.face) << c.run;
  }
  EXPECT_EQ(r.Canvas.BrushColor(), 0xFFFFFFu);
  EXPECT_FALSE(r.Canvas.Font().Underline);
  EXPECT_EQ(r.Canvas.Font().Color, clBlack);
}

TEST(FontTagsTest, BlinkingTextTakesTheEntryBackgroundWhenHidden) {
  for (bool visible : {true, false}) {
    TRender r("<BLINK>x");
    r.Params.BlinkVisible = visible;
    r.Run();
    EXPECT_EQ(RunOf(r.Canvas, "x")->Font.Color, visible ? clBlack : 0xFFFFFF) << visible;
  }
}

}  // namespace
}  // namespace listview
