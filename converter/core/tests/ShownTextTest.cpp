#include "converter/core/ShownText.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

TEST(ShownTextTest, TextTheListWouldNotDrawAsItIsBecomesEscapedMarkup) {
  struct Case {
    std::string text;
    std::string shown;
  };
  for (const Case& c : {
           Case{"00:00:02.02", "00:00:02.02"},
           Case{R"(C:\Films\Tom & Jerry {1}.avi)", R"(C:\Films\Tom & Jerry {1}.avi)"},
           Case{"a < b > c", "a < b > c"},  // no "</": drawn as plain text already
           Case{"<b>99:99:99</b>", "<B></B>&lt;b&gt;99:99:99&lt;/b&gt;"},
           Case{"<u>1x1</u> & more", "<B></B>&lt;u&gt;1x1&lt;/u&gt; &amp; more"},
           Case{R"({\rtf1 x})", R"(<B></B>{\rtf1 x})"},
           Case{"{|50}", "<B></B>{|50}"},
       })
    EXPECT_EQ(ListCellText(c.text), c.shown) << c.text;
}

TEST(ShownTextTest, AHintKeepsTheTextAfterABar) {
  EXPECT_EQ(HintText("a|b|c"), "a\xA6" "b\xA6" "c");
  EXPECT_EQ(HintText("no bar"), "no bar");
}

}  // namespace
}  // namespace converter
