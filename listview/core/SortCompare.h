#pragma once
// How two cell texts compare when the list sorts by a column: byte-wise or case-blind text,
// numbers and money amounts with the locale's separators, and short dates.
#include <optional>
#include <string>

namespace listview {

enum TSortStyle { ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase,
                  ssShortDateEU, ssShortDateUS, ssCustom, ssFinancial, ssRaw };

// What the application says of a column: its style and the text around its numbers.
struct TSortFormat {
  TSortStyle Style = ssAlphabetic;
  std::string Prefix, Suffix;
};

// The locale's separators of numbers.
struct TNumberSeparators {
  std::string Decimal = ".";
  std::string Thousands = ",";
};

// 1, 0 or -1 as a is greater than, equal to or smaller than b.
int CompareValues(double a, double b);

// The number a cell shows under ssNumeric (financial false) or ssFinancial: without a leading
// progress mark "{|", the first suffix and the first prefix; for money without any thousands
// separator; the first decimal separator read as ".". Empty text is 0; none when the rest is
// not a number (blanks around it allowed).
std::optional<double> CellNumber(std::string text, const TSortFormat& format, bool financial,
                                 const TNumberSeparators& separators);

// A short date "d-m-y" (EU) or "m-d-y" (US), the parts split by "-", "/" or ".", as days since
// 30 December 1899. Years 0 to 25 are 2000 to 2025 and 26 to 99 are 1926 to 1999; from 100 on a
// year stands as written. None for a text without two separators or an invalid date.
std::optional<double> ParseShortDateEU(const std::string& text);
std::optional<double> ParseShortDateUS(const std::string& text);

// The comparison of two cell texts before the sort direction applies, for every style that the
// texts alone decide; none for ssDate, ssCustom and ssRaw, which the list decides. Texts that do
// not convert compare equal under the numeric styles and as 0 under the short-date styles;
// ssAutomatic gives every pair 1.
std::optional<int> CompareCellTexts(const std::string& a, const std::string& b, const TSortFormat& format,
                                    const TNumberSeparators& separators);

}  // namespace listview
