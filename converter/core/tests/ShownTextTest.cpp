#include "converter/core/ShownText.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

TEST(ShownTextTest, AHintKeepsTheTextAfterABar) {
  EXPECT_EQ(HintText("a|b|c"), "a\xA6" "b\xA6" "c");
  EXPECT_EQ(HintText("no bar"), "no bar");
}

TEST(ShownTextTest, AListShowsItsFirstFewLinesThenCountsTheRest) {
  struct Case {
    std::vector<std::string> lines;
    std::string text;
  };
  for (const Case& c : {
           Case{{}, ""},
           Case{{"a"}, "a"},
           Case{{"a", "b", "c", "d", "e"}, "a\nb\nc\nd\ne"},
           Case{{"a", "b", "c", "d", "e", "f", "g"}, "a\nb\nc\nd\ne\nand 2 more."},
       })
    EXPECT_EQ(FirstFewLines(c.lines), c.text) << c.lines.size() << " lines";
}

}  // namespace
}  // namespace converter
