#include "platform/runtime/DateTime.h"

#include <cstdio>
#include <ctime>

namespace runtime {

DateTime Now() {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string FormatLongDate(const DateTime& when) {
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  int m = when.month >= 1 && when.month <= 12 ? when.month - 1 : 0;
  return std::string(kMonths[m]) + " " + std::to_string(when.day) + ", " + std::to_string(when.year);
}

std::string FormatLogDate(const DateTime& when) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", when.year, when.month, when.day);
  return buf;
}

std::string FormatLogTime(const DateTime& when) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", when.hour, when.minute, when.second);
  return buf;
}

std::string FormatLogStamp(const DateTime& when) { return FormatLogDate(when) + " " + FormatLogTime(when); }

}  // namespace runtime
