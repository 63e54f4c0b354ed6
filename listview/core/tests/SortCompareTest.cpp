#include "listview/core/SortCompare.h"

#include <gtest/gtest.h>

namespace listview {
namespace {

const TNumberSeparators kPointLocale{".", ","};
const TNumberSeparators kCommaLocale{",", "."};

TEST(ShortDateTest, DayMonthYearAndMonthDayYearWithTheYearPivot) {
  struct Case { const char* text; bool eu; std::optional<double> date; const char* note; };
  for (const Case& c : {
           Case{"31/12/99", true, 36525, "day first"},
           Case{"12/31/99", false, 36525, "month first"},
           Case{"1.2.05", true, 38384, "points"},
           Case{"1-1-25", true, 45658, "25 is the last year of the 2000s"},
           Case{"1-1-26", true, 9498, "26 is the first of the 1900s"},
           Case{"1-1-0", true, 36526, "0 is 2000"},
           Case{"1/1/2005", true, 38353, "four digits stand as written, not 3905"},
           Case{"1/1/100", true, -657434, "from 100 on as written"},
           Case{"29/2/00", true, 36585, "leap day"},
           Case{"31-02-05", true, std::nullopt, "no such day"},
           Case{"1/13/05", true, std::nullopt, "month 13"},
           Case{"1/1/10000", true, std::nullopt, "past 9999"},
           Case{"x/1/05", true, std::nullopt, "a part that is no number reads 0"},
           Case{"31/12", true, std::nullopt, "one separator"},
           Case{"", true, std::nullopt, "empty"},
       }) {
    const auto date = c.eu ? ParseShortDateEU(c.text) : ParseShortDateUS(c.text);
    EXPECT_EQ(date, c.date) << c.note << ": " << c.text;
  }
}

TEST(CellNumberTest, MarksAffixesAndSeparators) {
  struct Case { const char* text; TSortFormat format; bool financial; TNumberSeparators sep;
                std::optional<double> number; };
  const TSortFormat plain{ssNumeric, "", ""};
  for (const Case& c : {
           Case{"1,234", plain, false, kCommaLocale, 1.234},
           Case{"1,234", plain, true, kPointLocale, 1234},
           Case{"1,234", plain, false, kPointLocale, std::nullopt},   // the comma is no number
           Case{"1.234,5", plain, true, kCommaLocale, 1234.5},
           Case{"1,234,567.25", plain, true, kPointLocale, 1234567.25},
           Case{"{|40", plain, false, kPointLocale, 40},
           Case{"$ 12 USD", {ssNumeric, "$", "USD"}, false, kPointLocale, 12},
           Case{"12 kB kB", {ssNumeric, "", "kB"}, false, kPointLocale, std::nullopt},  // only the first goes
           Case{"", plain, false, kPointLocale, 0},
           Case{" -2.5e1 ", plain, false, kPointLocale, -25},
           Case{"abc", plain, false, kPointLocale, std::nullopt},
           Case{"1.2.3", plain, false, kPointLocale, std::nullopt},
           Case{".", plain, false, kPointLocale, std::nullopt},
       })
    EXPECT_EQ(CellNumber(c.text, c.format, c.financial, c.sep), c.number) << c.text;
}

TEST(CompareCellTextsTest, EachStyleOrdersItsTexts) {
  struct Case { TSortStyle style; const char* a; const char* b; std::optional<int> r; const char* note; };
  for (const Case& c : {
           Case{ssAlphabetic, "B", "a", -1, "upper case before lower case"},
           Case{ssAlphaCase, "abc", "abc", 0, "equal"},
           Case{ssAlphabetic, "ab", "abc", -1, "a beginning is smaller"},
           Case{ssAlphabetic, "\xe9", "z", 1, "bytes compare unsigned"},
           Case{ssAlphaNoCase, "Hello", "hELLO", 0, "case blind"},
           Case{ssAlphaNoCase, "b", "A", 1, "case blind order"},
           Case{ssNumeric, "10", "9", 1, "numbers, not texts"},
           Case{ssNumeric, "abc", "5", 0, "a pair that does not convert is equal"},
           Case{ssNumeric, "", "-1", 1, "empty is 0"},
           Case{ssFinancial, "1,000", "999", 1, "thousands dropped"},
           Case{ssShortDateEU, "1/1/00", "31/12/99", 1, "across the century"},
           Case{ssShortDateUS, "31/12/99", "1/1/00", -1, "invalid counts 0"},
           Case{ssAutomatic, "a", "b", 1, "every pair 1"},
           Case{ssDate, "a", "b", std::nullopt, "the list decides"},
           Case{ssCustom, "a", "b", std::nullopt, "the application decides"},
           Case{ssRaw, "a", "b", std::nullopt, "the application decides"},
       })
    EXPECT_EQ(CompareCellTexts(c.a, c.b, {c.style, "", ""}, kPointLocale), c.r) << c.note;
}

}  // namespace
}  // namespace listview
