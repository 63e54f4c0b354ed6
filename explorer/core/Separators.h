// How the user's locale writes numbers, dates and times.
#pragma once
#include <string>

namespace explorer {

struct TLocaleSeparators {
  std::string Thousands = ",";
  std::string Decimal = ".";
  std::string Date = "/";  // what "/" in a date pattern stands for
  std::string Time = ":";  // what ":" in a time pattern stands for
};

// The digits with separator between groups of three from the right: "1234567" gives
// "1,234,567".
std::string GroupThousands(const std::string& digits, const std::string& separator);

}  // namespace explorer
