#include "converter/core/TimeText.h"

#include <gtest/gtest.h>

#include <cmath>

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

// Longer than any video, negative or not finite: a typed end time like these once reached
// FormatSeconds as a number too large for its integers.
TEST(ParseTimeTextTest, TimesNoVideoLastsAreMalformed) {
  for (const char* text : {"1:2:0888888888888888888888888.8",  // typed as an end time
                           "0:0:1e308",                        // a row's absurd duration
                           "0:0:inf", "0:0:nan", "1000:00:00.1", "0:60000:1", "999999999999:0:0",
                           "99999999999999999999:0:0", "-1:00:00", "0:-1:0", "0:0:-5"})
    EXPECT_EQ(ParseTimeText(text), -1) << text;
  EXPECT_DOUBLE_EQ(ParseTimeText("1000:00:00"), kMaxTimeSeconds);
  EXPECT_DOUBLE_EQ(ParseTimeText("0:0:3600000"), kMaxTimeSeconds);
}

TEST(FormatSecondsTest, SecondsBeyondTheLongestTimeAreWrittenAsIt) {
  for (double seconds : {1e300, 1e19, HUGE_VAL, 3600001.0})
    EXPECT_EQ(FormatSeconds(seconds), "1000:00:00") << seconds;
  EXPECT_EQ(FormatSeconds(-1e300), "-1000:00:00");
  EXPECT_EQ(FormatSeconds(std::nan("")), "00:00:00");
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
