#include "listview/core/SortCompare.h"

#include <cctype>
#include <cstdlib>

#include "listview/core/HTMLText.h"

namespace listview {

int CompareValues(double a, double b) { return a > b ? 1 : a < b ? -1 : 0; }

namespace {

void EraseFirst(std::string& text, const std::string& part) {
  if (part.empty()) return;
  const std::size_t at = text.find(part);
  if (at != std::string::npos) text.erase(at, part.size());
}

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Blanks, a sign, digits with at most one ".", an exponent, blanks; at least one digit.
bool IsDecimalNumber(const std::string& text) {
  std::size_t i = 0, n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  int digits = 0;
  while (i < n && IsDigit(text[i])) ++i, ++digits;
  if (i < n && text[i] == '.')
    for (++i; i < n && IsDigit(text[i]); ++i) ++digits;
  if (digits == 0) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    if (i == n || !IsDigit(text[i])) return false;
    while (i < n && IsDigit(text[i])) ++i;
  }
  while (i < n && IsBlank(text[i])) ++i;
  return i == n;
}

// Days from 30 December 1899 to the date; none for an invalid one.
std::optional<double> EncodeDate(int year, int month, int day) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return std::nullopt;
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  if (day > days[month - 1] + (month == 2 && leap)) return std::nullopt;
  long long total = 0;
  const int y = year - 1;
  total = 365LL * y + y / 4 - y / 100 + y / 400;   // days before 1 January of year
  for (int m = 1; m < month; ++m) total += days[m - 1] + (m == 2 && leap);
  total += day;
  return static_cast<double>(total - 693594);   // 693594: days up to 30 December 1899
}

std::size_t DateSeparator(const std::string& text) {
  for (char separator : {'-', '/', '.'})
    if (std::size_t at = text.find(separator); at != std::string::npos) return at;
  return std::string::npos;
}

int DatePart(const std::string& text) {
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  return !text.empty() && *end == '\0' && value >= -99999 && value <= 99999 ? static_cast<int>(value) : 0;
}

// The two numbers before the year and the year, as written.
std::optional<double> ParseShortDate(const std::string& text, bool dayFirst) {
  const std::size_t first = DateSeparator(text);
  if (first == std::string::npos) return std::nullopt;
  const std::string rest = text.substr(first + 1);
  const std::size_t second = DateSeparator(rest);
  if (second == std::string::npos) return std::nullopt;
  const int a = DatePart(text.substr(0, first)), b = DatePart(rest.substr(0, second));
  int year = DatePart(rest.substr(second + 1));
  if (year >= 0 && year <= 25) year += 2000;
  else if (year < 100) year += 1900;
  return dayFirst ? EncodeDate(year, b, a) : EncodeDate(year, a, b);
}

}  // namespace

std::optional<double> CellNumber(std::string text, const TSortFormat& format, bool financial,
                                 const TNumberSeparators& separators) {
  if (text.compare(0, 2, "{|") == 0) text.erase(0, 2);
  EraseFirst(text, format.Suffix);
  EraseFirst(text, format.Prefix);
  if (financial && !separators.Thousands.empty()) ReplaceAll(separators.Thousands, "", text);
  if (separators.Decimal != ".")
    if (std::size_t at = text.find(separators.Decimal); !separators.Decimal.empty() && at != std::string::npos)
      text.replace(at, separators.Decimal.size(), ".");
  if (text.empty()) return 0.0;
  if (!IsDecimalNumber(text)) return std::nullopt;
  return std::strtod(text.c_str(), nullptr);
}

std::optional<double> ParseShortDateEU(const std::string& text) { return ParseShortDate(text, true); }
std::optional<double> ParseShortDateUS(const std::string& text) { return ParseShortDate(text, false); }

std::optional<int> CompareCellTexts(const std::string& a, const std::string& b, const TSortFormat& format,
                                    const TNumberSeparators& separators) {
  switch (format.Style) {
    case ssAlphabetic:
    case ssAlphaCase:
      return CompareValues(a.compare(b), 0);
    case ssAlphaNoCase:
      return CompareValues(UpperCase(a).compare(UpperCase(b)), 0);
    case ssNumeric:
    case ssFinancial: {
      const bool financial = format.Style == ssFinancial;
      const auto x = CellNumber(a, format, financial, separators), y = CellNumber(b, format, financial, separators);
      return x && y ? CompareValues(*x, *y) : 0;
    }
    case ssShortDateEU:
    case ssShortDateUS: {
      const auto parse = format.Style == ssShortDateEU ? ParseShortDateEU : ParseShortDateUS;
      return CompareValues(parse(a).value_or(0), parse(b).value_or(0));
    }
    case ssAutomatic:
      return 1;
    default:
      return std::nullopt;
  }
}

}  // namespace listview
