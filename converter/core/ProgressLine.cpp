#include "converter/core/ProgressLine.h"

#include <charconv>
#include <cmath>

#include "converter/core/TimeText.h"

namespace converter {

std::optional<double> ProgressTime(const std::string& chunk) {
  const auto time = chunk.find("time");
  if (time == std::string::npos || time + 5 > chunk.size()) return std::nullopt;
  const auto begin = time + 5;  // past "time="
  const auto blank = chunk.find(' ', begin);
  const std::string text = chunk.substr(begin, blank == std::string::npos ? std::string::npos : blank - begin);

  double seconds = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, seconds);
  if (ec == std::errc() && ptr == end && std::isfinite(seconds)) return seconds;
  // Newer encoders print the time as a time text.
  seconds = ParseTimeText(text);
  if (seconds >= 0) return seconds;
  return std::nullopt;
}

}  // namespace converter
