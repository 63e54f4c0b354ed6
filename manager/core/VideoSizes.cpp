#include "manager/core/VideoSizes.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace manager {

// printf and strtod work with ".", whatever the user's separator.
static std::string WithSeparator(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

std::string FileSizeMB(std::uint64_t bytes, char decimalSeparator) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", static_cast<double>(bytes) / 1e6);
  return WithSeparator(text, '.', decimalSeparator);
}

std::optional<double> ParseSizeMB(const std::string& text, char decimalSeparator) {
  const std::string plain = WithSeparator(text, decimalSeparator, '.');
  char* end = nullptr;
  const double value = std::strtod(plain.c_str(), &end);
  if (plain.empty() || *end != '\0') return std::nullopt;
  return value;
}

std::string SelectionSummary(const std::vector<std::string>& sizeTexts, char decimalSeparator) {
  double total = 0;
  for (const std::string& text : sizeTexts) total += ParseSizeMB(text, decimalSeparator).value_or(0);
  char sum[48];
  std::snprintf(sum, sizeof sum, "%.2f", total);
  return std::to_string(sizeTexts.size()) + " Selected.  " +
         WithSeparator(sum, '.', decimalSeparator) + "MB Total.";
}

}  // namespace manager
