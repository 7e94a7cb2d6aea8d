#include "tester/time_format.h"

#include <gtest/gtest.h>

#include <clocale>

#include "platform/codepage.h"

namespace vornet {
namespace {

std::tm Make(int year, int month, int day, int hour, int minute, int second, int weekday) {
  std::tm time{};
  time.tm_year = year - 1900;
  time.tm_mon = month - 1;
  time.tm_mday = day;
  time.tm_hour = hour;
  time.tm_min = minute;
  time.tm_sec = second;
  time.tm_wday = weekday;
  return time;
}

TEST(LongDateTime, EnglishNamesAndTwoDigitFields) {
  struct Case {
    std::tm time;
    const char* text;
  } cases[] = {
      {Make(2003, 5, 5, 9, 5, 7, 1), "Monday, May 05, 2003 09:05:07"},
      {Make(1999, 12, 31, 23, 59, 59, 5), "Friday, December 31, 1999 23:59:59"},
      {Make(2024, 2, 29, 0, 0, 0, 4), "Thursday, February 29, 2024 00:00:00"},
      {Make(2038, 9, 12, 12, 30, 1, 0), "Sunday, September 12, 2038 12:30:01"},
      {Make(2010, 1, 1, 7, 0, 0, 6), "Saturday, January 01, 2010 07:00:00"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatLongDateTime(c.time), c.text);
}

TEST(LongDateTime, DoesNotFollowTheUserLocale) {
  // Whatever locale the program runs in, the names stay English.
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous ? previous : "C";
  std::setlocale(LC_ALL, "");
  EXPECT_EQ(FormatLongDateTime(Make(2003, 5, 5, 9, 5, 7, 1)), "Monday, May 05, 2003 09:05:07");
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(Span, HoursModulo24MinutesSeconds) {
  const std::string pattern = Utf8ToCp1251("%H часов %M минут %S секунд.");
  struct Case {
    int64_t seconds;
    const char* text;
  } cases[] = {
      {0, "00 часов 00 минут 00 секунд."},         {75, "00 часов 01 минут 15 секунд."},
      {3599, "00 часов 59 минут 59 секунд."},      {3600, "01 часов 00 минут 00 секунд."},
      {86399, "23 часов 59 минут 59 секунд."},     {86400, "00 часов 00 минут 00 секунд."},
      {25 * 3600, "01 часов 00 минут 00 секунд."}, {-5, "00 часов 00 минут 00 секунд."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatSpan(pattern, c.seconds), Utf8ToCp1251(c.text)) << c.seconds;
  }
}

TEST(Span, OtherBytesAndPercentSigns) { EXPECT_EQ(FormatSpan("%%%H%x%", 3661), "%01%x%"); }

}  // namespace
}  // namespace vornet
