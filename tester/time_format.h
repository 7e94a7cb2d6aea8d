#pragma once
// Time texts of the results log, independent of the user's locale.

#include <cstdint>
#include <ctime>
#include <string>

namespace vornet {

// The long date-and-time form of the C locale: "Monday, May 05, 2003 09:05:07".
std::string FormatLongDateTime(const std::tm& time);

// Fills a span pattern: %H the whole hours modulo 24, %M the minutes, %S the seconds, each as
// two digits; %% is a percent sign; other bytes are copied as they are, so the pattern may be in
// any code page that keeps ASCII. A negative span (the clock went back) is written as zero.
std::string FormatSpan(const std::string& pattern, int64_t seconds);

}  // namespace vornet
