#include "skin/core/text.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

// Narrow and wide letters, as a proportional font has them.
int Measure(const std::string& text) {
  int width = 0;
  for (char c : text)
    width += c == 'i' || c == '.' ? 2 : c == 'W' ? 9 : 5;
  return width;
}

TEST(EllipsisText, KeepsATextThatFits) {
  EXPECT_EQ(EllipsisText("Wide", Measure("Wide"), Measure), "Wide");
  EXPECT_EQ(EllipsisText("W", 100, Measure), "W");
  EXPECT_EQ(EllipsisText("", 0, Measure), "");
}

TEST(EllipsisText, TakesTheLongestShortenedTextThatFits) {
  // "Window" is 9+2+5+5+5+5 = 31 wide; "..." is 6, so "Windo..." is 32 and "Wind..." 27.
  EXPECT_EQ(EllipsisText("Window", 30, Measure), "Wind...");
  EXPECT_EQ(EllipsisText("Window", 27, Measure), "Wind...");
  EXPECT_EQ(EllipsisText("Window", 26, Measure), "Win...");
  EXPECT_EQ(EllipsisText("Window", 6, Measure), "...");
  EXPECT_EQ(EllipsisText("Window", 5, Measure), "");
  EXPECT_EQ(EllipsisText("W", 8, Measure), "...");
}

TEST(EllipsisText, IsNeverWiderThanTheLimitAndNothingLongerWouldFit) {
  const std::string title = "Tessark - iWWi.avi";
  for (int limit = 0; limit <= Measure(title) + 1; ++limit) {
    const std::string shown = EllipsisText(title, limit, Measure);
    EXPECT_LE(Measure(shown), limit) << limit;
    if (shown == title)
      continue;
    const std::size_t kept = shown.empty() ? 0 : shown.size() - 3;
    for (std::size_t longer = kept + 1; longer < title.size(); ++longer)
      EXPECT_GT(Measure(title.substr(0, longer) + "..."), limit) << limit;
  }
}

TEST(ReplaceText, ReplacesEveryOccurrenceInOnePass) {
  EXPECT_EQ(ReplaceText("a-b-c", "-", "+"), "a+b+c");
  EXPECT_EQ(ReplaceText("a-b-c", "-", ""), "abc");
  EXPECT_EQ(ReplaceText("aaa", "aa", "b"), "ba");
  // Replaced text is not searched again, so a replacement may contain what it replaces.
  EXPECT_EQ(ReplaceText("a&b", "&", "&&"), "a&&b");
  EXPECT_EQ(ReplaceText("aab", "ab", "b"), "ab");
  EXPECT_EQ(ReplaceText("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceText("abc", "x", "y"), "abc");
}

TEST(StripAmpersands, RemovesEveryAccelerator) {
  EXPECT_EQ(StripAmpersands("&Copy to PSP -->"), "Copy to PSP -->");
  EXPECT_EQ(StripAmpersands("Save&&E&xit"), "SaveExit");
}

TEST(SameText, IgnoresTheCaseOfLetters) {
  EXPECT_TRUE(SameText("ButtonImage", "BUTTONimage"));
  EXPECT_FALSE(SameText("ButtonImage", "ButtonImages"));
  EXPECT_FALSE(SameText("A_", "a-"));
}

}  // namespace
}  // namespace skin
