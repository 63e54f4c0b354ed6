#include "converter/core/TextLines.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

using Lines = std::vector<std::string>;

TEST(TextLinesTest, BreaksAtEveryKindOfLineEnd) {
  EXPECT_EQ(TextLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(TextLines("a\r\n\r\nb\n"), (Lines{"a", "", "b"}));
  EXPECT_EQ(TextLines("a\n\r"), (Lines{"a", ""}));
  EXPECT_EQ(TextLines(""), Lines{});
}

}  // namespace
}  // namespace converter
