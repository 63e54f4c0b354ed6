#include "listview/core/HTMLText.h"

#include <gtest/gtest.h>

#include "listview/core/tests/HTMLFakeCanvas.h"

namespace listview {
namespace {

TEST(IntOfTextTest, ReadsAsFarAsThereAreDigits) {
  struct Case {
    const char* text;
    int value;
  };
  for (const Case& c : {
           Case{"12", 12},
           Case{"  -7px", -7},   // leading blanks and a sign
           Case{"+3pt", 3},
           Case{"$1F", 31},      // hexadecimal
           Case{"0x10", 16},
           Case{"pt3", 0},       // no leading digit
           Case{"", 0},
       })
    EXPECT_EQ(IntOfText(c.text), c.value) << c.text;
  EXPECT_TRUE(IsIntText("-12"));
  EXPECT_TRUE(IsIntText("-32767"));
  EXPECT_FALSE(IsIntText("12px"));
  EXPECT_FALSE(IsIntText(""));
}

// A number no screen place or size reaches is refused, never wrapped into another one.
TEST(IntOfTextTest, NumbersBeyondTheLargestAreRefused) {
  for (const char* text : {"32768", "-32768", "9077777777777777777777", "4294967296", "$FFFFFFFF",
                           "0x80000000", "99999999999999999999px"}) {
    EXPECT_EQ(IntOfText(text), 0) << text;
    EXPECT_FALSE(IsIntText(text)) << text;
  }
  EXPECT_EQ(IntOfText("32767"), 32767);
  EXPECT_EQ(IntOfText("$7FFF"), 32767);
}

TEST(NoCaseTest, FindsAndReplacesTheFirstOccurrenceOnly) {
  EXPECT_EQ(PosNoCase("bC", "aBcbc"), 2);
  EXPECT_EQ(PosNoCase("x", "abc"), 0);
  std::string text = "a&AMP;b&amp;";
  EXPECT_TRUE(ReplaceFirstNoCase("&amp;", "+", text));
  EXPECT_EQ(text, "a+b&amp;");
  EXPECT_FALSE(ReplaceFirstNoCase("&lt;", "<", text));
}

TEST(RoundingTest, TiesGoToTheEvenNumber) {
  EXPECT_EQ(RoundToEven(2.5), 2);
  EXPECT_EQ(RoundToEven(3.5), 4);
  EXPECT_EQ(RoundToEven(-2.5), -2);
  EXPECT_EQ(MulDiv(16, 120, 96), 20);
  EXPECT_EQ(MulDiv(1, 144, 96), 2);  // 1.5 rounds away from zero
}

// What the text becomes before layout, seen as the plain text of one measuring call and as
// the runs a painting call draws.
TEST(LineBreaksToHTMLTest, CarriageReturnsBreakOrGoAndLineFeedsGo) {
  EXPECT_EQ(LineBreaksToHTML("a\r\nb\rc\n", true), "a<BR>b<BR>c");
  EXPECT_EQ(LineBreaksToHTML("a\r\nb\rc\n", false), "abc");
}

TEST(MarkupPreparationTest, SweepsEntitiesUnwrapsHashTagsAndBreaksLines) {
  struct Case {
    const char* markup;
    const char* plain;
    const char* drawn;
  };
  for (const Case& c : {
           Case{"a &amp; b", "a && b", "a && b"},  // the canvas shows "a & b"
           Case{"&PERMIL;&sect;&euro;", "\x89\xA7\x80", "\x89\xA7\x80"},
           Case{"&quot;q&quot;", "\"q\"", "\"q\""},  // the second quote comes from a second sweep
           Case{"&amp;amp;", "&&&", "&&&"},         // the second sweep finds "&amp;" in "&&amp;"
           Case{"x<#y>z", "x#yz", "x#yz"},
           Case{"<#a><#b>", "#a", "#a"},              // only the first is unwrapped
           Case{"ab\r\ncd", "ab\rcd", "ab|cd"},
           Case{"a&lt;b&gt;&nbsp;", "a<b> ", "a<b> "},
       }) {
    TRender measure(c.markup);
    measure.Params.MeasureOnly = true;
    measure.Run();
    EXPECT_EQ(measure.Output.PlainText, c.plain) << c.markup;
    TRender paint(c.markup);
    paint.Run();
    EXPECT_EQ(paint.Canvas.Drawn(), c.drawn) << c.markup;
  }
}

}  // namespace
}  // namespace listview
