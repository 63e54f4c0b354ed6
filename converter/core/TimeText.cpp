#include "converter/core/TimeText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace converter {

std::string FormatSeconds(double seconds) {
  seconds = std::isnan(seconds) ? 0 : std::clamp(seconds, -kMaxTimeSeconds, kMaxTimeSeconds);
  long long whole = static_cast<long long>(std::trunc(seconds));
  long long tenths = std::llrint((seconds - static_cast<double>(whole)) * 10);  // halves to even
  if (tenths == 10) {  // .95 and up: one digit cannot hold it, so carry into the seconds
    ++whole;
    tenths = 0;
  }
  const long long h = whole / 3600;
  const long long m = (whole - 3600 * h) / 60;
  const long long s = whole - 3600 * h - 60 * m;
  char text[64];
  int n = std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", h, m, s);
  if (tenths != 0) std::snprintf(text + n, sizeof text - n, ".%lld", tenths);
  return text;
}

namespace {

bool ReadWhole(const std::string& text, long long& value) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

bool ReadSeconds(std::string text, char userDecimalSeparator, double& value) {
  if (text.empty() || text[0] == '.' || text[0] == userDecimalSeparator) return false;
  for (char& c : text)
    if (c == userDecimalSeparator) c = '.';
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && std::isfinite(value);
}

}  // namespace

double ParseTimeText(const std::string& text, char userDecimalSeparator) {
  const auto first = text.find(':');
  if (first == std::string::npos) return -1;
  const auto second = text.find(':', first + 1);
  if (second == std::string::npos) return -1;
  long long h = 0, m = 0;
  double s = 0;
  if (!ReadWhole(text.substr(0, first), h) || !ReadWhole(text.substr(first + 1, second - first - 1), m) ||
      !ReadSeconds(text.substr(second + 1), userDecimalSeparator, s) || h < 0 || m < 0 || s < 0)
    return -1;
  const double seconds = static_cast<double>(h) * 3600 + static_cast<double>(m) * 60 + s;
  return seconds <= kMaxTimeSeconds ? seconds : -1;
}

}  // namespace converter
