#include "explorer/core/DateText.h"

#include <gtest/gtest.h>

namespace explorer {
namespace {

// 100-nanosecond ticks from 1601-01-01 to a moment of 2024-02-29.
constexpr std::uint64_t kTicksPerSecond = 10000000ULL;
constexpr std::uint64_t kLeapDay = 13353638400ULL * kTicksPerSecond;  // 2024-02-29 00:00:00

TEST(DateTextTest, FileTimesBecomeCalendarDates) {
  struct Case {
    std::uint64_t ticks;
    TCalendarTime time;
  };
  for (const Case& c : {
           Case{0, {1601, 1, 1, 0, 0, 0, 0}},
           Case{kLeapDay - kTicksPerSecond, {2024, 2, 28, 23, 59, 59, 0}},
           Case{kLeapDay + 45296789ULL * 10000, {2024, 2, 29, 12, 34, 56, 789}},
           Case{kLeapDay + 86400 * kTicksPerSecond, {2024, 3, 1, 0, 0, 0, 0}},
       }) {
    const TCalendarTime t = CalendarTime(c.ticks);
    EXPECT_EQ(std::vector<int>({t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second, t.Millisecond}),
              std::vector<int>({c.time.Year, c.time.Month, c.time.Day, c.time.Hour, c.time.Minute,
                                c.time.Second, c.time.Millisecond}))
        << c.ticks;
  }
}

TEST(DateTextTest, Patterns) {
  const TCalendarTime morning{2024, 3, 5, 9, 7, 3, 45};
  const TCalendarTime midnight{2024, 3, 5, 0, 0, 0, 0};
  const TCalendarTime afternoon{1999, 12, 31, 13, 30, 0, 0};
  struct Case {
    std::string pattern;
    TCalendarTime time;
    std::string text;
  };
  for (const Case& c : {
           Case{"d/m/yy", morning, "5/3/24"},
           Case{"dd.mm.yyyy", morning, "05.03.2024"},
           Case{"ddd dddd mmm mmmm", morning, "Tue Tuesday Mar March"},
           Case{"hh:mm:ss", morning, "09:07:03"},  // m after the hour is minutes
           Case{"h:n:s.zzz", morning, "9:7:3.045"},
           Case{"hh:nn AM/PM", midnight, "12:00 AM"},
           Case{"h:nn am/pm", afternoon, "1:30 pm"},
           Case{"hh:nn ampm", afternoon, "01:30 pm"},
           Case{"hh:nn", afternoon, "13:30"},
           Case{"yyyy 'at' hh", afternoon, "1999 at 13"},
           Case{"\"d\" d", afternoon, "d 31"},
       })
    EXPECT_EQ(FormatDateTime(c.pattern, c.time), c.text) << c.pattern;
}

TEST(DateTextTest, SlashAndColonAreTheLocalesSeparators) {
  const TCalendarTime morning{2024, 3, 5, 9, 7, 3, 45};
  const TLocaleSeparators german{".", ",", ".", "."};
  struct Case {
    std::string pattern;
    std::string text;
  };
  for (const Case& c : {
           Case{"dd/mm/yyyy", "05.03.2024"},
           Case{"hh:mm:ss", "09.07.03"},  // m after the hour and its separator is still minutes
           Case{"hh:nn AM/PM", "09.07 AM"},
           Case{"yyyy-mm-dd 'at' h:nn", "2024-03-05 at 9.07"},  // other characters and quoted text stay
       })
    EXPECT_EQ(FormatDateTime(c.pattern, morning, german), c.text) << c.pattern;
  EXPECT_EQ(FormatDateTime("d/m h:nn", morning, {",", ".", "-", "h"}), "5-3 9h07");
}

TEST(DateTextTest, FileTimesShowInLocalTime) {
  const auto plusTwoHours = [](std::uint64_t t) { return t + 7200 * kTicksPerSecond; };
  EXPECT_EQ(FileTimeToText(kLeapDay - kTicksPerSecond, "dd/mm/yyyy", "hh:nn:ss", plusTwoHours),
            "29/02/2024 01:59:59");
}

}  // namespace
}  // namespace explorer
