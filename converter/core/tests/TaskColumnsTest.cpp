#include "converter/core/TaskColumns.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

using Widths = std::array<int, 4>;

TEST(ResizedColumnWidthsTest, SpreadsTheChangeOverTheColumnsByTheirShares) {
  EXPECT_EQ(ResizedColumnWidths({260, 90, 80, 100}, 100), (Widths{309, 107, 95, 119}));
  EXPECT_EQ(ResizedColumnWidths({309, 107, 95, 119}, -100), (Widths{260, 90, 80, 100}));
}

TEST(ResizedColumnWidthsTest, EachShareIsRoundedOnItsOwn) {
  // 10 px: 4.9, 1.7, 1.5 and 1.9; the half goes to the even number.
  EXPECT_EQ(ResizedColumnWidths({0, 0, 0, 0}, 10), (Widths{5, 2, 2, 2}));
  EXPECT_EQ(ResizedColumnWidths({0, 0, 0, 0}, 30), (Widths{15, 5, 4, 6}));
}

}  // namespace
}  // namespace converter
