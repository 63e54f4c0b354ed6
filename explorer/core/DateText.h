// Dates and times of files as a file list shows them.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "explorer/core/Separators.h"

namespace explorer {

struct TCalendarTime {
  int Year = 1601, Month = 1, Day = 1;
  int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// A platform file time: 100-nanosecond intervals since 1 January 1601.
TCalendarTime CalendarTime(std::uint64_t fileTime);

// The framework's date patterns: d dd ddd dddd, m mm mmm mmmm (minutes right after h or hh),
// yy yyyy, h hh, n nn, s ss, z zzz, am/pm and ampm (12-hour clock), "/" and ":" the locale's
// date and time separators, text in quotes as it stands; anything else is copied.
std::string FormatDateTime(const std::string& pattern, const TCalendarTime& time,
                           const TLocaleSeparators& separators = {});

// A file time (UTC) in local time, as dateFormat + " " + timeFormat.
using TLocalFileTime = std::function<std::uint64_t(std::uint64_t utcFileTime)>;
std::string FileTimeToText(std::uint64_t utcFileTime, const std::string& dateFormat,
                           const std::string& timeFormat, const TLocalFileTime& toLocal,
                           const TLocaleSeparators& separators = {});

}  // namespace explorer
