#pragma once
// Local date and time values and the two text forms the program writes.

#include <string>

namespace runtime {

struct DateTime {
  int year = 1970;
  int month = 1;   // 1..12
  int day = 1;     // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  bool operator==(const DateTime&) const = default;
};

// The current local time.
DateTime Now();

// "Dec 6, 2026" (English month abbreviations).
std::string FormatLongDate(const DateTime& when);
// "2026/12/06" and "17:05:09".
std::string FormatLogDate(const DateTime& when);
std::string FormatLogTime(const DateTime& when);
// "2026/12/06 17:05:09".
std::string FormatLogStamp(const DateTime& when);

}  // namespace runtime
