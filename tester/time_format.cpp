#include "tester/time_format.h"

#include <cstdio>

namespace vornet {
namespace {

constexpr const char* kWeekdays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};
constexpr const char* kMonths[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};

void AppendTwoDigits(std::string& out, int64_t value) {
  out += static_cast<char>('0' + value / 10 % 10);
  out += static_cast<char>('0' + value % 10);
}

}  // namespace

std::string FormatLongDateTime(const std::tm& time) {
  // Out-of-range fields would index past the name tables; a broken time gives a blank name.
  const char* weekday = time.tm_wday >= 0 && time.tm_wday < 7 ? kWeekdays[time.tm_wday] : "";
  const char* month = time.tm_mon >= 0 && time.tm_mon < 12 ? kMonths[time.tm_mon] : "";
  char text[96];
  std::snprintf(text, sizeof text, "%s, %s %02d, %04d %02d:%02d:%02d", weekday, month, time.tm_mday,
                time.tm_year + 1900, time.tm_hour, time.tm_min, time.tm_sec);
  return text;
}

std::string FormatSpan(const std::string& pattern, int64_t seconds) {
  if (seconds < 0) seconds = 0;
  std::string out;
  out.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%' || i + 1 == pattern.size()) {
      out += pattern[i];
      continue;
    }
    switch (pattern[++i]) {
      case 'H':
        AppendTwoDigits(out, seconds / 3600 % 24);
        break;
      case 'M':
        AppendTwoDigits(out, seconds / 60 % 60);
        break;
      case 'S':
        AppendTwoDigits(out, seconds % 60);
        break;
      case '%':
        out += '%';
        break;
      default:
        out += '%';
        out += pattern[i];
    }
  }
  return out;
}

}  // namespace vornet
