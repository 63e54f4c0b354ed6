#include "converter/core/TimeText.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

TEST(FormatSecondsTest, WritesTwoDigitFieldsAndTenthsOnlyWhenPresent) {
  EXPECT_EQ(FormatSeconds(0), "00:00:00");
  EXPECT_EQ(FormatSeconds(3725), "01:02:05");
  EXPECT_EQ(FormatSeconds(12.5), "00:00:12.5");
  EXPECT_EQ(FormatSeconds(59.04), "00:00:59");
  EXPECT_EQ(FormatSeconds(39.7), "00:00:39.7");
}

TEST(FormatSecondsTest, HoursGrowBeyondTwoDigits) {
  EXPECT_EQ(FormatSeconds(360000), "100:00:00");
}

TEST(FormatSecondsTest, TenthsRoundHalfToEven) {
  EXPECT_EQ(FormatSeconds(1.25), "00:00:01.2");
  EXPECT_EQ(FormatSeconds(1.75), "00:00:01.8");
}

TEST(FormatSecondsTest, TenthsThatRoundToTenCarryIntoTheSeconds) {
  EXPECT_EQ(FormatSeconds(61.96), "00:01:02");
  EXPECT_EQ(FormatSeconds(59.97), "00:01:00");
  EXPECT_EQ(FormatSeconds(3599.99), "01:00:00");
}

TEST(ParseTimeTextTest, ReadsHoursMinutesAndFractionalSeconds) {
  EXPECT_DOUBLE_EQ(ParseTimeText("00:01:02.34"), 62.34);
  EXPECT_DOUBLE_EQ(ParseTimeText("1:2:3"), 3723);
  EXPECT_DOUBLE_EQ(ParseTimeText("100:00:00"), 360000);
  EXPECT_DOUBLE_EQ(ParseTimeText("00:00:00.0"), 0);
}

TEST(ParseTimeTextTest, MalformedTextGivesMinusOne) {
  for (const char* text : {"62.34", "00:01", "00:01:.5", "a:01:02", "00:b:02", "00:01:x", "00:01:", ":01:02",
                           "", "1:2:3:4", "N/A", "00:01:02,5"})
    EXPECT_EQ(ParseTimeText(text), -1) << text;
}

TEST(ParseTimeTextTest, PointIsAcceptedBesideTheUsersSeparator) {
  EXPECT_DOUBLE_EQ(ParseTimeText("00:00:12.5", ','), 12.5);
  EXPECT_DOUBLE_EQ(ParseTimeText("00:00:12,5", ','), 12.5);
  EXPECT_EQ(ParseTimeText("00:00:,5", ','), -1);
}

TEST(TimeTextTest, WrittenTextReadsBack) {
  for (double seconds : {0.0, 0.5, 10.0, 62.3, 3723.0, 86399.9})
    EXPECT_NEAR(ParseTimeText(FormatSeconds(seconds)), seconds, 1e-9) << seconds;
}

}  // namespace
}  // namespace converter
