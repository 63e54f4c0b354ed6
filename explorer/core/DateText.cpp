#include "explorer/core/DateText.h"

#include <cctype>

namespace explorer {
namespace {

const char* const kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

// Days since 1 January 1601 to a date of the Gregorian calendar.
void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
  days += 719468 - 134774;  // counted from 0000-03-01 instead (134774 days 1601 to 1970)
  const std::int64_t era = days / 146097;
  const unsigned doe = static_cast<unsigned>(days - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

// 0 is Sunday.
int DayOfWeek(const TCalendarTime& t) {
  static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  const int y = t.Year - (t.Month < 3);
  return (y + y / 4 - y / 100 + y / 400 + offsets[t.Month - 1] + t.Day) % 7;
}

std::string Digits(int value, size_t width) {
  std::string s = std::to_string(value);
  return s.size() < width ? std::string(width - s.size(), '0') + s : s;
}

bool StartsWithNoCase(const std::string& s, size_t at, const char* word) {
  for (size_t i = 0; word[i]; ++i)
    if (at + i >= s.size() || std::tolower(static_cast<unsigned char>(s[at + i])) != word[i]) return false;
  return true;
}

bool HasAmPm(const std::string& pattern) {
  for (size_t i = 0; i < pattern.size(); ++i)
    if (StartsWithNoCase(pattern, i, "am/pm") || StartsWithNoCase(pattern, i, "ampm")) return true;
  return false;
}

}  // namespace

TCalendarTime CalendarTime(std::uint64_t fileTime) {
  const std::uint64_t ms = fileTime / 10000;
  const std::uint64_t msPerDay = 86400000ULL;
  TCalendarTime t;
  CivilFromDays(static_cast<std::int64_t>(ms / msPerDay), t.Year, t.Month, t.Day);
  std::uint64_t inDay = ms % msPerDay;
  t.Hour = static_cast<int>(inDay / 3600000);
  t.Minute = static_cast<int>(inDay / 60000 % 60);
  t.Second = static_cast<int>(inDay / 1000 % 60);
  t.Millisecond = static_cast<int>(inDay % 1000);
  return t;
}

std::string FormatDateTime(const std::string& pattern, const TCalendarTime& time,
                           const TLocaleSeparators& separators) {
  const bool twelveHour = HasAmPm(pattern);
  std::string out;
  bool afterHour = false;  // "m" right after an hour means minutes
  size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    size_t run = 1;
    while (i + run < pattern.size() && std::tolower(static_cast<unsigned char>(pattern[i + run])) == lower) ++run;
    if (c == '"' || c == '\'') {
      const size_t end = pattern.find(c, i + 1);
      out += pattern.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
      i = end == std::string::npos ? pattern.size() : end + 1;
      continue;
    }
    if (lower == 'a' && (StartsWithNoCase(pattern, i, "am/pm") || StartsWithNoCase(pattern, i, "ampm"))) {
      const bool upper = c == 'A';
      out += time.Hour < 12 ? (upper ? "AM" : "am") : (upper ? "PM" : "pm");
      i += StartsWithNoCase(pattern, i, "ampm") ? 4 : 5;
      continue;
    }
    bool hour = false;
    switch (lower) {
      case 'd':
        out += run == 1   ? std::to_string(time.Day)
               : run == 2 ? Digits(time.Day, 2)
               : run == 3 ? std::string(kDayNames[DayOfWeek(time)], 3)
                          : std::string(kDayNames[DayOfWeek(time)]);
        break;
      case 'm':
        if (afterHour && run <= 2) {
          out += run == 1 ? std::to_string(time.Minute) : Digits(time.Minute, 2);
        } else {
          out += run == 1   ? std::to_string(time.Month)
                 : run == 2 ? Digits(time.Month, 2)
                 : run == 3 ? std::string(kMonthNames[time.Month - 1], 3)
                            : std::string(kMonthNames[time.Month - 1]);
        }
        break;
      case 'y':
        out += run <= 2 ? Digits(time.Year % 100, 2) : Digits(time.Year, 4);
        break;
      case 'h': {
        hour = true;
        int h = time.Hour;
        if (twelveHour) h = h % 12 == 0 ? 12 : h % 12;
        out += run == 1 ? std::to_string(h) : Digits(h, 2);
        break;
      }
      case 'n':
        out += run == 1 ? std::to_string(time.Minute) : Digits(time.Minute, 2);
        break;
      case 's':
        out += run == 1 ? std::to_string(time.Second) : Digits(time.Second, 2);
        break;
      case 'z':
        out += run < 3 ? std::to_string(time.Millisecond) : Digits(time.Millisecond, 3);
        break;
      case '/':
      case ':':
        for (size_t n = 0; n < run; ++n) out += c == '/' ? separators.Date : separators.Time;
        if (afterHour && c == ':') hour = true;  // "m" after the hour and its separator is a minute
        break;
      default:
        out.append(run, c);
        if (afterHour && c == ' ') hour = true;
        break;
    }
    afterHour = hour;
    i += run;
  }
  return out;
}

std::string FileTimeToText(std::uint64_t utcFileTime, const std::string& dateFormat,
                           const std::string& timeFormat, const TLocalFileTime& toLocal,
                           const TLocaleSeparators& separators) {
  return FormatDateTime(dateFormat + " " + timeFormat, CalendarTime(toLocal(utcFileTime)), separators);
}

}  // namespace explorer
