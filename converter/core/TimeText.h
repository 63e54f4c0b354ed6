#pragma once
#include <string>

namespace converter {

// The longest time a time text holds: longer than any video lasts.
constexpr double kMaxTimeSeconds = 1000.0 * 3600;

// Time text: "hh:mm:ss" with an optional "." and tenths digit, e.g. "01:02:05" or "00:00:12.5".
// Seconds beyond kMaxTimeSeconds either way are written as that limit.
std::string FormatSeconds(double seconds);

// Reads "h:m:s" with fractional seconds ("1:2:3", "00:01:02.34"); malformed text gives -1, and
// so does a negative part or a time beyond kMaxTimeSeconds.
// "." is always accepted as the decimal separator, so texts we wrote read back in any locale;
// the user's own separator may be passed as well.
double ParseTimeText(const std::string& text, char userDecimalSeparator = '.');

}  // namespace converter
