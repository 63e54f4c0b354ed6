#include "converter/core/ShownText.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

TEST(ShownTextTest, AHintKeepsTheTextAfterABar) {
  EXPECT_EQ(HintText("a|b|c"), "a\xA6" "b\xA6" "c");
  EXPECT_EQ(HintText("no bar"), "no bar");
}

}  // namespace
}  // namespace converter
