#include "converter/core/Profiles.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

using Items = std::vector<std::string>;

TEST(SplitCommaListTest, EveryItemEndsWithAComma) {
  EXPECT_EQ(SplitCommaList("a,b,c,"), (Items{"a", "b", "c"}));
}

TEST(SplitCommaListTest, TextAfterTheLastCommaIsNoItem) {
  EXPECT_EQ(SplitCommaList("a,b,c"), (Items{"a", "b"}));
  EXPECT_TRUE(SplitCommaList("abc").empty());
  EXPECT_TRUE(SplitCommaList("").empty());
}

TEST(SplitCommaListTest, EmptyItemsCountAndItemsAreNotTrimmed) {
  EXPECT_EQ(SplitCommaList("a,,b,"), (Items{"a", "", "b"}));
  EXPECT_EQ(SplitCommaList(",, x ,"), (Items{"", "", " x "}));
}

}  // namespace
}  // namespace converter
